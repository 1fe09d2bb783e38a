// split, splitWords and replaceAll on arbitrary text: nothing may crash and
// the results must keep their defining properties.

#include "foundation/strings/StrArray.h"
#include "foundation/strings/StrBuffer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using s::str::StrBuffer;
    if (size < 4)
        return 0;
    // The first bytes choose the separator and the lengths of find and
    // replacement; the rest is the text, over a small alphabet in both cases
    // so that matches are frequent.
    static const char16_t kAlphabet[] = u"abcdefghABCDEFGH";
    char16_t separator = kAlphabet[data[0] % 16];
    std::size_t findLength = data[1] % 4 + 1;
    std::size_t replacementLength = data[2] % 6;
    bool ignoreCase = (data[3] & 1) != 0;
    StrBuffer text;
    for (std::size_t i = 4; i + 1 < size; i += 2)
        text.append(kAlphabet[(data[i] | data[i + 1] << 8) % 16]);
    if (text.length() < findLength + replacementLength)
        return 0;

    auto* pieces = text.split(separator);
    std::uint32_t total = 0;
    for (std::uint32_t i = 0; i < pieces->count(); ++i) {
        std::uint32_t at = 0;
        check(pieces->at(i)->length() != 0);
        check(!pieces->at(i)->indexOf(separator, at));
        total += pieces->at(i)->length();
    }
    check(total <= text.length());
    pieces->release();

    auto* words = text.splitWords((data[3] & 2) != 0);
    for (std::uint32_t i = 0; i < words->count(); ++i)
        for (std::uint32_t j = i + 1; j < words->count(); ++j)
            check(!words->at(i)->equalsIgnoreCase(words->at(j)));
    words->release();

    auto* find = static_cast<StrBuffer*>(text.substring(0, static_cast<std::uint32_t>(findLength)));
    auto* replacement = static_cast<StrBuffer*>(
        text.substring(static_cast<std::uint32_t>(findLength),
                       static_cast<std::uint32_t>(findLength + replacementLength)));
    StrBuffer replaced(text);
    if (ignoreCase)
        replaced.replaceAllIgnoreCase(find->cStr(), replacement->cStr());
    else
        replaced.replaceAll(find->cStr(), replacement->cStr());
    // The text starts with find, so at least one match was replaced.
    check(replaced.startsWith(replacement->cStr()));
    std::int64_t delta = static_cast<std::int64_t>(replaced.length()) - text.length();
    std::int64_t step =
        static_cast<std::int64_t>(replacementLength) - static_cast<std::int64_t>(findLength);
    check(step == 0 ? delta == 0 : delta % step == 0 && delta / step >= 1);
    find->release();
    replacement->release();
    return 0;
}
