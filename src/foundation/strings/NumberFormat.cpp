#include "foundation/strings/NumberFormat.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace s::str::number {

std::size_t formatUnsigned(std::uint64_t value, char* out) {
    char digits[20];
    std::size_t n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = digits[n - 1 - i];
    return n;
}

std::size_t formatSigned(std::int64_t value, char* out) {
    if (value >= 0)
        return formatUnsigned(static_cast<std::uint64_t>(value), out);
    out[0] = '-';
    // Negating in unsigned arithmetic also covers the smallest value.
    return 1 + formatUnsigned(0 - static_cast<std::uint64_t>(value), out + 1);
}

std::size_t formatHex(std::uint64_t value, int digits, char* out) {
    static const char kDigits[] = "0123456789abcdef";
    for (int i = digits - 1; i >= 0; --i) {
        out[i] = kDigits[value & 0xF];
        value >>= 4;
    }
    return static_cast<std::size_t>(digits);
}

namespace {

// A non-negative integer in base 2^32, least significant word first.
using BigInt = std::vector<std::uint32_t>;

void multiplySmall(BigInt& n, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& word : n) {
        std::uint64_t product = static_cast<std::uint64_t>(word) * factor + carry;
        word = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0)
        n.push_back(static_cast<std::uint32_t>(carry));
}

void shiftLeft(BigInt& n, int bits) {
    int words = bits / 32;
    bits %= 32;
    if (bits != 0) {
        std::uint32_t carry = 0;
        for (std::uint32_t& word : n) {
            std::uint32_t next = word >> (32 - bits);
            word = (word << bits) | carry;
            carry = next;
        }
        if (carry != 0)
            n.push_back(carry);
    }
    n.insert(n.begin(), static_cast<std::size_t>(words), 0u);
}

// Divides by 10^9 in place and returns the remainder.
std::uint32_t divideBillion(BigInt& n) {
    std::uint64_t rest = 0;
    for (std::size_t i = n.size(); i-- > 0;) {
        std::uint64_t current = (rest << 32) | n[i];
        n[i] = static_cast<std::uint32_t>(current / 1000000000u);
        rest = current % 1000000000u;
    }
    while (!n.empty() && n.back() == 0)
        n.pop_back();
    return static_cast<std::uint32_t>(rest);
}

// Decimal digits of n, most significant first, without leading zeros ("0" for 0).
std::size_t bigDecimal(BigInt n, char* out) {
    std::vector<std::uint32_t> groups;
    while (!n.empty())
        groups.push_back(divideBillion(n));
    if (groups.empty()) {
        out[0] = '0';
        return 1;
    }
    std::size_t len = formatUnsigned(groups.back(), out);
    for (std::size_t i = groups.size() - 1; i-- > 0;) {
        char group[10];
        std::size_t g = formatUnsigned(groups[i], group);
        std::memset(out + len, '0', 9 - g);
        std::memcpy(out + len + 9 - g, group, g);
        len += 9;
    }
    return len;
}

} // namespace

std::size_t formatFixed(double value, char* out) {
    if (std::isnan(value)) {
        std::memcpy(out, "nan", 3);
        return 3;
    }
    std::size_t len = 0;
    if (std::signbit(value))
        out[len++] = '-';
    if (std::isinf(value)) {
        std::memcpy(out + len, "inf", 3);
        return len + 3;
    }
    // |value| = mantissa * 2^exponent exactly.
    int exponent = 0;
    double fraction = std::frexp(std::fabs(value), &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;

    // scaled = |value| * 10^6, rounded half to even.
    BigInt scaled;
    if (exponent >= 0) {
        scaled = {static_cast<std::uint32_t>(mantissa), static_cast<std::uint32_t>(mantissa >> 32)};
        shiftLeft(scaled, exponent);
        multiplySmall(scaled, 1000000);
    } else {
        unsigned __int128 n = static_cast<unsigned __int128>(mantissa) * 1000000u;
        int shift = -exponent;
        unsigned __int128 quotient = 0;
        bool roundUp = false;
        if (shift < 128) {
            quotient = n >> shift;
            unsigned __int128 remainder = n - (quotient << shift);
            unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
            roundUp = remainder > half || (remainder == half && (quotient & 1) != 0);
        }
        // Beyond 127 bits of shift the value is far below half a millionth.
        if (roundUp)
            ++quotient;
        while (quotient != 0) {
            scaled.push_back(static_cast<std::uint32_t>(quotient));
            quotient >>= 32;
        }
    }
    while (!scaled.empty() && scaled.back() == 0)
        scaled.pop_back();

    char digits[kMaxFixedLength];
    std::size_t n = bigDecimal(scaled, digits);
    // At least one integer digit before the six decimals.
    std::size_t integerDigits = n > 6 ? n - 6 : 1;
    std::size_t pad = n > 6 ? 0 : 7 - n;
    std::memset(out + len, '0', pad);
    std::memcpy(out + len + pad, digits, n);
    std::size_t total = n + pad;
    std::memmove(out + len + integerDigits + 1, out + len + integerDigits, 6);
    out[len + integerDigits] = '.';
    return len + total + 1;
}

namespace {
bool isSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}
} // namespace

std::int64_t parseInt64(const char16_t* begin, const char16_t* end) {
    const char16_t* p = begin;
    while (p < end && isSpace(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == u'-' || *p == u'+'))
        negative = *p++ == u'-';
    // Accumulate on the negative side, where the range is one larger.
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    bool overflow = false;
    for (; p < end && *p >= u'0' && *p <= u'9'; ++p) {
        int digit = *p - u'0';
        if (value < (kMin + digit) / 10)
            overflow = true;
        else
            value = value * 10 - digit;
    }
    if (overflow)
        return negative ? kMin : kMax;
    if (!negative)
        return value == kMin ? kMax : -value;
    return value;
}

std::int32_t parseInt32(const char16_t* begin, const char16_t* end) {
    std::int64_t value = parseInt64(begin, end);
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

double parseDouble(const char16_t* begin, const char16_t* end) {
    // Real numbers are ASCII; the first other unit ends the text anyway.
    char text[512];
    std::size_t n = 0;
    for (const char16_t* p = begin; p < end && n < sizeof text - 1 && *p > 0 && *p < 0x80; ++p)
        text[n++] = static_cast<char>(*p);
    text[n] = 0;
    return std::strtod(text, nullptr);
}

} // namespace s::str::number
