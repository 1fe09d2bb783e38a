#include "storage/Node.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

namespace s::xml {

namespace {

bool isSpace(char16_t c) { return c == u' ' || c == u'\n' || c == u'\t' || c == u'\r'; }

const char16_t* skipSpace(const char16_t* p) {
    while (isSpace(*p))
        ++p;
    return p;
}

// The first c at or after p, or the terminator.
const char16_t* find(const char16_t* p, char16_t c) {
    while (*p != 0 && *p != c)
        ++p;
    return p;
}

const char16_t* after(const char16_t* p, char16_t c) {
    p = find(p, c);
    return *p != 0 ? p + 1 : p;
}

} // namespace

// A text stretch runs from p to the next "<"; each is kept as an attribute
// with the empty name, though only the first is ever read or written.
const char16_t* Node::addTextUpToTag(const char16_t* p) {
    if (*p == 0 || *p == u'<')
        return p;
    const char16_t* end = find(p, u'<');
    attributes_.add(u"", 0, p, static_cast<std::int32_t>(end - p));
    return end;
}

// Attribute names run to "=" or a space, so a TAB or line break before "="
// belongs to the name; values run between double quotes and are kept as
// found, still escaped. Single quotes mean nothing.
const char16_t* Node::parseAttributes(const char16_t* p) {
    for (;;) {
        p = skipSpace(p);
        if (*p == 0 || *p == u'>' || *p == u'/')
            return p;
        const char16_t* name = p;
        while (*p != 0 && *p != u'=' && *p != u' ')
            ++p;
        const char16_t* nameEnd = p;
        p = find(p, u'"');
        if (*p == 0)
            return p;
        const char16_t* value = ++p;
        p = find(p, u'"');
        attributes_.add(name, static_cast<std::int32_t>(nameEnd - name), value,
                        static_cast<std::int32_t>(p - value));
        if (*p != 0)
            ++p;
    }
}

// The start of an element up to its content. open tells whether content
// follows (p is then at the "<" of a child or of the end tag); otherwise the
// element is complete: an empty element, a comment, or the text ran out.
const char16_t* Node::parseStart(const char16_t* p, bool& open) {
    open = false;
    p = find(p, u'<');
    if (*p == 0)
        return p;
    p = skipSpace(p + 1);
    if (*p == u'!') {
        // Whatever follows "<!" is a comment up to the next "-->".
        setName(u"!--", 3);
        for (int i = 0; i < 3 && *p != 0; ++i)
            ++p;
        for (; *p != 0; ++p)
            if (p[0] == u'-' && p[1] == u'-' && p[2] == u'>')
                return p + 3;
        return p;
    }
    const char16_t* name = p;
    while (*p != 0 && !isSpace(*p) && *p != u'/' && *p != u'>')
        ++p;
    setName(name, static_cast<std::int32_t>(p - name));
    p = parseAttributes(p);
    // A parsed document is mostly small lists, each kept as long as it is.
    attributes_.fitToCount();
    while (*p != 0 && *p != u'>' && *p != u'/')
        ++p;
    if (*p == 0)
        return p;
    if (*p == u'/')
        return after(p, u'>');
    p = addTextUpToTag(skipSpace(p + 1));
    open = *p != 0;
    return p;
}

// End tags are not compared with the element's name: any "</" closes the
// innermost open element. The open elements are kept on an explicit stack
// rather than the call stack, so that no nesting depth can overflow it.
const char16_t* Node::parse(const char16_t* text) {
    bool open;
    const char16_t* p = parseStart(text, open);
    if (!open)
        return p;
    col::ArrayP ancestors;
    Node* node = this;
    for (;;) {
        if (p[1] == u'/') {
            p = after(p + 1, u'>');
            node->children_.fitToLength();
            if (ancestors.length() == 0)
                return p;
            node = static_cast<Node*>(ancestors.at(ancestors.length() - 1));
            ancestors.dropLast(1);
        } else {
            Node* child = thread::take<Node>();
            bool childOpen;
            p = child->parseStart(p, childOpen);
            // A tag cut off before its name (a damaged file) is no element.
            if (child->isComment() || (child->getNameLength() == 0 && !childOpen)) {
                child->release();
            } else {
                node->appendChild(child);
                if (childOpen) {
                    ancestors.add(node);
                    node = child;
                    continue;
                }
            }
        }
        p = node->addTextUpToTag(skipSpace(p));
        if (*p == 0)
            return p;
    }
}

bool Node::parseUtf8(const col::ArrayU08* bytes) {
    if (bytes == nullptr || bytes->length() == 0)
        return true;
    str::StrBuffer* text = thread::take<str::StrBuffer>();
    text->fromUtf8(static_cast<const std::uint8_t*>(bytes->data()), false,
                   static_cast<std::int32_t>(bytes->length()));
    // A comment before the root would otherwise be taken for the document.
    const char16_t* p = text->cStr();
    while (*p != 0) {
        p = parse(p);
        if (!isComment())
            break;
        freeName();
    }
    bool complete = isCompleteDocument(text->cStr());
    text->release();
    return complete;
}

namespace {

// "<!" up to the next "-->"; null when it never ends.
const char16_t* afterComment(const char16_t* p) {
    for (; *p != 0; ++p)
        if (p[0] == u'-' && p[1] == u'-' && p[2] == u'>')
            return p + 3;
    return nullptr;
}

// The start tag after its "<": a name, then name="value" pairs with double
// quotes, then ">" or "/>". Null when it is malformed or cut off; open tells
// whether content follows.
const char16_t* afterStartTag(const char16_t* p, bool& open) {
    const char16_t* name = p;
    while (*p != 0 && !isSpace(*p) && *p != u'/' && *p != u'>' && *p != u'<')
        ++p;
    if (p == name)
        return nullptr;
    for (;;) {
        p = skipSpace(p);
        if (*p == u'>' || (p[0] == u'/' && p[1] == u'>')) {
            open = *p == u'>';
            return p + (open ? 1 : 2);
        }
        const char16_t* attribute = p;
        while (*p != 0 && *p != u'=' && !isSpace(*p) && *p != u'>' && *p != u'/' && *p != u'<')
            ++p;
        if (p == attribute)
            return nullptr;
        p = skipSpace(p);
        if (*p != u'=')
            return nullptr;
        p = skipSpace(p + 1);
        if (*p != u'"')
            return nullptr;
        p = find(p + 1, u'"');
        if (*p == 0)
            return nullptr;
        ++p;
    }
}

} // namespace

bool Node::isCompleteDocument(const char16_t* text) {
    const char16_t* p = text;
    if (*p == u'\xFEFF')
        ++p;
    int depth = 0;
    bool rootSeen = false;
    for (;;) {
        if (depth == 0)
            p = skipSpace(p);
        else
            p = find(p, u'<');
        if (*p == 0)
            return rootSeen && depth == 0;
        if (*p != u'<' || (rootSeen && depth == 0 && p[1] != u'!'))
            return false;
        if (p[1] == u'!') {
            p = afterComment(p + 2);
        } else if (p[1] == u'/') {
            if (depth == 0)
                return false;
            p = find(p, u'>');
            if (*p == 0)
                return false;
            ++p;
            --depth;
        } else {
            bool open = false;
            p = afterStartTag(p + 1, open);
            rootSeen = true;
            if (open)
                ++depth;
        }
        if (p == nullptr)
            return false;
    }
}

} // namespace s::xml
