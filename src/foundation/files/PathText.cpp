#include "foundation/files/PathText.h"

namespace s::file::pathtext {

namespace {

char16_t folded(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 32);
    return c == u'/' ? u'\\' : c;
}

bool startsWithTwoSeparators(const str::StrBuffer& text) {
    return text.length() >= 2 && isSeparator(text.charAt(0)) && isSeparator(text.charAt(1));
}

bool hasDrive(const str::StrBuffer& text) {
    return text.length() >= 2 && text.charAt(1) == u':';
}

// Removes the last folder of a text that ends with a separator, keeping the
// root.
void goUp(str::StrBuffer& text) {
    std::uint32_t root = rootLength(text);
    std::uint32_t end = text.length();
    if (end <= root)
        return;
    --end;
    while (end > root && !isSeparator(text.charAt(end - 1)))
        --end;
    text.setLength(end);
}

// "..", followed by a separator or the end, at index i.
bool parentStepAt(const str::StrBuffer& text, std::uint32_t i) {
    if (i + 2 > text.length() || text.charAt(i) != u'.' || text.charAt(i + 1) != u'.')
        return false;
    return i + 2 == text.length() || isSeparator(text.charAt(i + 2));
}

} // namespace

bool split(const str::StrBuffer& text, str::StrBuffer& drive, str::StrBuffer& directory,
           str::StrBuffer& fileTitle, str::StrBuffer& extension) {
    drive.reset();
    directory.reset();
    fileTitle.reset();
    extension.reset();
    const char16_t* units = text.cStr();
    std::uint32_t length = text.length();
    std::uint32_t start = length >= 2 && units[1] == u':' ? 2 : 0;
    std::uint32_t nameStart = start;
    for (std::uint32_t i = start; i < length; ++i)
        if (isSeparator(units[i]))
            nameStart = i + 1;
    std::uint32_t dot = length;
    for (std::uint32_t i = nameStart; i < length; ++i)
        if (units[i] == u'.')
            dot = i;
    if (nameStart - start >= kSplitBuffer || dot - nameStart >= kSplitBuffer ||
        length - dot >= kSplitBuffer)
        return false;
    drive.append(units, start);
    directory.append(units + start, nameStart - start);
    fileTitle.append(units + nameStart, dot - nameStart);
    extension.append(units + dot, length - dot);
    return true;
}

void normalise(str::StrBuffer& text) {
    text.replaceAll(u"/", u"\\");
    text.trimRight(u"\\", 1);
}

void longForm(const str::StrBuffer& fullPath, str::StrBuffer& out) {
    out.reset();
    if (fullPath.length() < kLongFormFrom)
        return;
    if (fullPath.startsWith(u"\\\\?\\") || fullPath.startsWith(u"\\\\.\\"))
        return;
    if (startsWithTwoSeparators(fullPath)) {
        out.set(u"\\\\?\\UNC\\");
        out.append(fullPath.cStr() + 2, fullPath.length() - 2);
    } else if (hasDrive(fullPath) && fullPath.length() > 2 && isSeparator(fullPath.charAt(2))) {
        out.set(u"\\\\?\\");
        out.append(fullPath);
    }
}

bool isUnc(const str::StrBuffer& text) {
    if (text.length() <= 2)
        return false;
    char16_t first = text.charAt(0);
    return (first == u'\\' || first == u'/') && text.charAt(1) == first &&
           !isSeparator(text.charAt(2));
}

void serverName(const str::StrBuffer& text, str::StrBuffer& out) {
    out.reset();
    if (!isUnc(text))
        return;
    std::uint32_t end = 2;
    while (end < text.length() && !isSeparator(text.charAt(end)))
        ++end;
    out.append(text.cStr() + 2, end - 2);
}

void cutAfterShare(str::StrBuffer& text) {
    int seen = 0;
    for (std::uint32_t i = 0; i < text.length(); ++i) {
        if (text.charAt(i) == u'\\' && ++seen == 4) {
            text.setLength(i + 1);
            return;
        }
    }
}

std::uint32_t rootLength(const str::StrBuffer& text) {
    if (hasDrive(text))
        return text.length() > 2 && isSeparator(text.charAt(2)) ? 3 : 2;
    if (startsWithTwoSeparators(text)) {
        int seen = 0;
        for (std::uint32_t i = 0; i < text.length(); ++i)
            if (isSeparator(text.charAt(i)) && ++seen == 4)
                return i + 1;
        return text.length();
    }
    return text.length() > 0 && isSeparator(text.charAt(0)) ? 1 : 0;
}

void relative(const str::StrBuffer& baseDirectory, const str::StrBuffer& path,
              str::StrBuffer& out) {
    out.reset();
    std::uint32_t shorter =
        baseDirectory.length() < path.length() ? baseDirectory.length() : path.length();
    std::uint32_t d = 0;
    while (d < shorter && folded(baseDirectory.charAt(d)) == folded(path.charAt(d)))
        ++d;
    // The shared part ends after a separator: letters that two different
    // names share ("Music" and "MusicBox") are no shared folder.
    while (d > 0 && !isSeparator(baseDirectory.charAt(d - 1)))
        --d;
    for (std::uint32_t i = d; i < baseDirectory.length(); ++i)
        if (isSeparator(baseDirectory.charAt(i)))
            out.append(u"..\\");
    out.append(path.cStr() + d, path.length() - d);
}

void resolve(const str::StrBuffer& baseDirectory, const str::StrBuffer& text, str::StrBuffer& out) {
    if (hasDrive(text) || startsWithTwoSeparators(text)) {
        out.set(text);
        return;
    }
    out.set(baseDirectory);
    if (text.length() > 0 && isSeparator(text.charAt(0))) {
        out.setLength(rootLength(baseDirectory));
        out.trimRight(u"\\/", 2);
        out.append(text);
        return;
    }
    std::uint32_t i = 0;
    while (parentStepAt(text, i)) {
        goUp(out);
        i += i + 2 < text.length() ? 3 : 2;
    }
    out.append(text.cStr() + i, text.length() - i);
}

bool matchesWildcard(const char16_t* pattern, const char16_t* name) {
    if (pattern[0] == u'*' && pattern[1] == u'.' && pattern[2] == u'*' && pattern[3] == 0)
        return true;
    const char16_t* star = nullptr;
    const char16_t* resume = nullptr;
    while (*name != 0) {
        if (*pattern == u'*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == u'?' || (*pattern != 0 && folded(*pattern) == folded(*name))) {
            ++pattern;
            ++name;
        } else if (star != nullptr) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == u'*')
        ++pattern;
    return *pattern == 0;
}

} // namespace s::file::pathtext
