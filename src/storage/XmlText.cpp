#include "storage/XmlText.h"

#include "foundation/strings/IStr.h"

namespace s::xml::text {

namespace {

char16_t foldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

struct Entity {
    const char16_t* text;
    std::int32_t length;
    char16_t unit;
    // Whitespace that the escape wrote on purpose and trimming must keep.
    bool keep;
};

constexpr Entity kAttributeEntities[] = {
    {u"&amp;", 5, u'&', false},  {u"&lt;", 4, u'<', false}, {u"&quot;", 6, u'"', false},
    {u"&#13;", 5, u'\r', false}, {u"&#10;", 5, u'\n', false},
};

// "&#160;" decodes to a plain space, not to U+00A0: the writer uses it for
// the space, which a bare space would not survive the parser's skipping.
constexpr Entity kTextEntities[] = {
    {u"&amp;", 5, u'&', false},  {u"&lt;", 4, u'<', false},     {u"&gt;", 4, u'>', false},
    {u"&#160;", 6, u' ', true},  {u"&#13;", 5, u'\r', true},    {u"&#10;", 5, u'\n', true},
    {u"&#9;", 4, u'\t', true},   {u"&#12288;", 8, u'\u3000', true},
};

template <std::size_t N>
const Entity* entityAt(const char16_t* p, std::int32_t left, const Entity (&table)[N]) {
    for (const Entity& entity : table) {
        if (entity.length > left)
            continue;
        std::int32_t i = 1;
        while (i < entity.length && p[i] == entity.text[i])
            ++i;
        if (i == entity.length)
            return &entity;
    }
    return nullptr;
}

// Copies text to out, replacing each unit that escapeOf names by its entity.
template <class EscapeOf>
void appendEscaped(str::IStr& out, const char16_t* text, std::int32_t n, EscapeOf escapeOf) {
    if (n < 0)
        n = length(text);
    std::int32_t run = 0;
    for (std::int32_t i = 0; i < n; ++i) {
        const char16_t* entity = escapeOf(text[i]);
        if (entity == nullptr)
            continue;
        out.append(text + run, static_cast<std::uint32_t>(i - run));
        out.append(entity);
        run = i + 1;
    }
    out.append(text + run, static_cast<std::uint32_t>(n - run));
}

// Decodes text into out; returns the length out had just after the last
// unit produced by an entity marked keep (or its length before decoding).
template <std::size_t N>
std::uint32_t appendDecoded(str::IStr& out, const char16_t* text, std::int32_t n,
                            const Entity (&table)[N]) {
    std::uint32_t kept = out.length();
    std::int32_t run = 0;
    for (std::int32_t i = 0; i < n; ++i) {
        if (text[i] != u'&')
            continue;
        const Entity* entity = entityAt(text + i, n - i, table);
        if (entity == nullptr)
            continue;
        out.append(text + run, static_cast<std::uint32_t>(i - run));
        out.append(entity->unit);
        if (entity->keep)
            kept = out.length();
        i += entity->length - 1;
        run = i + 1;
    }
    out.append(text + run, static_cast<std::uint32_t>(n - run));
    return kept;
}

} // namespace

std::int32_t length(const char16_t* text) {
    if (text == nullptr)
        return 0;
    const char16_t* p = text;
    while (*p != 0)
        ++p;
    return static_cast<std::int32_t>(p - text);
}

bool equalsIgnoreCase(const char16_t* a, const char16_t* b) {
    if (a == nullptr || b == nullptr)
        return a == b;
    for (; foldAscii(*a) == foldAscii(*b); ++a, ++b)
        if (*a == 0)
            return true;
    return false;
}

bool equalsIgnoreCase(const char16_t* a, std::int32_t aLength, const char16_t* b,
                      std::int32_t bLength) {
    if (aLength != bLength)
        return false;
    for (std::int32_t i = 0; i < aLength; ++i)
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    return true;
}

void appendAttributeEscaped(str::IStr& out, const char16_t* text, std::int32_t n) {
    appendEscaped(out, text, n, [](char16_t c) -> const char16_t* {
        switch (c) {
        case u'&': return u"&amp;";
        case u'<': return u"&lt;";
        case u'"': return u"&quot;";
        case u'\r': return u"&#13;";
        case u'\n': return u"&#10;";
        default: return nullptr;
        }
    });
}

void appendTextEscaped(str::IStr& out, const char16_t* text, std::int32_t n) {
    appendEscaped(out, text, n, [](char16_t c) -> const char16_t* {
        switch (c) {
        case u'&': return u"&amp;";
        case u'<': return u"&lt;";
        case u'>': return u"&gt;";
        case u' ': return u"&#160;";
        case u'\r': return u"&#13;";
        case u'\n': return u"&#10;";
        case u'\t': return u"&#9;";
        case u'\u3000': return u"&#12288;";
        default: return nullptr;
        }
    });
}

void appendAttributeDecoded(str::IStr& out, const char16_t* text, std::int32_t n) {
    if (n < 0)
        n = length(text);
    appendDecoded(out, text, n, kAttributeEntities);
}

void appendTextDecoded(str::IStr& out, const char16_t* text, std::int32_t n) {
    if (n < 0)
        n = length(text);
    std::int32_t first = 0;
    while (first < n && (text[first] == u' ' || text[first] == u'\t' || text[first] == u'\n' ||
                         text[first] == u'\r'))
        ++first;
    std::uint32_t kept = appendDecoded(out, text + first, n - first, kTextEntities);
    out.trimRight(kept);
}

} // namespace s::xml::text
