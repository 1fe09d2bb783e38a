#include "foundation/Decimal.h"

#include <limits>

namespace s::str {

std::u16string decimal(std::int64_t value) {
    char16_t digits[24];
    int n = 0;
    // Work on the negative side so that the smallest value needs no special case.
    std::int64_t rest = value < 0 ? value : -value;
    do {
        digits[n++] = static_cast<char16_t>(u'0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    std::u16string text;
    text.reserve(static_cast<std::size_t>(n) + 1);
    if (value < 0)
        text += u'-';
    while (n > 0)
        text += digits[--n];
    return text;
}

bool isInteger(std::u16string_view text) {
    if (text.empty())
        return false;
    std::size_t first = (text[0] == u'-' && text.size() > 1) ? 1 : 0;
    for (std::size_t i = first; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    return true;
}

namespace {
bool isSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
} // namespace

std::int64_t toInt64(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    // Accumulate on the negative side, where the range is one larger.
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    bool overflow = false;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        int digit = text[i] - u'0';
        if (value < (kMin + digit) / 10)
            overflow = true;
        else
            value = value * 10 - digit;
    }
    if (overflow)
        return negative ? kMin : std::numeric_limits<std::int64_t>::max();
    if (!negative)
        return value == kMin ? std::numeric_limits<std::int64_t>::max() : -value;
    return value;
}

std::int32_t toInt(std::u16string_view text) {
    std::int64_t value = toInt64(text);
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

} // namespace s::str
