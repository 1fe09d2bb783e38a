#include "foundation/strings/StrBuffer.h"

#include "foundation/collections/Arrays.h"
#include "foundation/strings/CodePage.h"
#include "foundation/strings/Md5.h"
#include "foundation/strings/NumberFormat.h"
#include "foundation/threads/ObjLocker.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrArray.h"

#include <cstring>

namespace s::str::strbuffer {

namespace cp = system::codepage;

// ---- numbers

void StrBuffer::appendAscii(const char* text, std::uint32_t n) {
    reserveFor(n);
    for (std::uint32_t i = 0; i < n; ++i)
        buffer_[length_ + i] = static_cast<char16_t>(text[i]);
    length_ += n;
}

void StrBuffer::append(std::int64_t value) {
    char text[24];
    appendAscii(text, static_cast<std::uint32_t>(number::formatSigned(value, text)));
}
void StrBuffer::append(std::int32_t value) {
    append(static_cast<std::int64_t>(value));
}
void StrBuffer::append(std::int16_t value) {
    append(static_cast<std::int64_t>(value));
}
void StrBuffer::append(std::int8_t value) {
    append(static_cast<std::int64_t>(value));
}

void StrBuffer::append(std::uint32_t value) {
    char text[24];
    appendAscii(text, static_cast<std::uint32_t>(number::formatUnsigned(value, text)));
}
void StrBuffer::append(std::uint16_t value) {
    append(static_cast<std::uint32_t>(value));
}
void StrBuffer::append(std::uint8_t value) {
    append(static_cast<std::uint32_t>(value));
}

void StrBuffer::append(double value) {
    // The whole text, however long: a fixed 256-unit limit would cut off the
    // digits of doubles above 1e249.
    char text[number::kMaxFixedLength];
    appendAscii(text, static_cast<std::uint32_t>(number::formatFixed(value, text)));
}
void StrBuffer::append(float value) {
    append(static_cast<double>(value));
}

namespace {
// The process-wide scratch string that set(number) formats into.
thread::ObjLocker& numberScratch() {
    static thread::ObjLocker locker(static_cast<base::IObject*>(new StrBuffer));
    return locker;
}
} // namespace

template <class Formatter> void StrBuffer::setNumber(Formatter format) {
    length_ = 0;
    thread::ObjLocker& locker = numberScratch();
    thread::ObjLockerGuard guard(locker);
    auto* scratch = static_cast<StrBuffer*>(static_cast<base::IObject*>(locker.object()));
    scratch->reset();
    scratch->reserveExact(256);
    format(*scratch);
    set(*scratch);
}

void StrBuffer::set(std::int64_t v) {
    setNumber([v](StrBuffer& s) { s.append(v); });
}
void StrBuffer::set(std::uint32_t v) {
    setNumber([v](StrBuffer& s) { s.append(v); });
}
void StrBuffer::set(std::uint16_t v) {
    setNumber([v](StrBuffer& s) { s.append(v); });
}
void StrBuffer::set(std::uint8_t v) {
    setNumber([v](StrBuffer& s) { s.append(v); });
}
void StrBuffer::set(std::int32_t v) {
    setNumber([v](StrBuffer& s) { s.append(v); });
}
void StrBuffer::set(std::int16_t v) {
    setNumber([v](StrBuffer& s) { s.append(v); });
}
void StrBuffer::set(std::int8_t v) {
    setNumber([v](StrBuffer& s) { s.append(v); });
}
void StrBuffer::set(float v) {
    setNumber([v](StrBuffer& s) { s.append(v); });
}
void StrBuffer::set(double v) {
    setNumber([v](StrBuffer& s) { s.append(v); });
}

void StrBuffer::appendHexDigits(std::uint64_t value, int digits) {
    char text[16];
    appendAscii(text, static_cast<std::uint32_t>(number::formatHex(value, digits, text)));
}

void StrBuffer::appendHex64(const std::uint64_t* values, std::uint32_t n) {
    reserveFor(16 * n);
    for (std::uint32_t i = 0; i < n; ++i)
        appendHexDigits(values[i], 16);
}
void StrBuffer::appendHex32(const std::uint32_t* values, std::uint32_t n) {
    reserveFor(8 * n);
    for (std::uint32_t i = 0; i < n; ++i)
        appendHexDigits(values[i], 8);
}
void StrBuffer::appendHex16(const std::uint16_t* values, std::uint32_t n) {
    reserveFor(4 * n);
    for (std::uint32_t i = 0; i < n; ++i)
        appendHexDigits(values[i], 4);
}
void StrBuffer::appendHex8(const std::uint8_t* bytes, std::uint32_t n) {
    reserveFor(2 * n);
    for (std::uint32_t i = 0; i < n; ++i)
        appendHexDigits(bytes[i], 2);
}
void StrBuffer::appendHex32Pairs(const std::uint32_t* values, std::uint32_t n) {
    appendHex32(values, 2 * n);
}

std::int32_t StrBuffer::toInt() const {
    return number::parseInt32(buffer_, buffer_ + length_);
}
std::int64_t StrBuffer::toInt64() const {
    return number::parseInt64(buffer_, buffer_ + length_);
}
float StrBuffer::toFloat() const {
    return static_cast<float>(number::parseDouble(buffer_, buffer_ + length_));
}

bool StrBuffer::isInteger() const {
    if (length_ == 0)
        return false;
    std::uint32_t first = (buffer_[0] == u'-' && length_ > 1) ? 1 : 0;
    for (std::uint32_t i = first; i < length_; ++i)
        if (buffer_[i] < u'0' || buffer_[i] > u'9')
            return false;
    return true;
}

namespace {
int hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}
} // namespace

bool StrBuffer::isHex() const {
    if (length_ == 0)
        return false;
    for (std::uint32_t i = 0; i < length_; ++i)
        if (hexValue(buffer_[i]) < 0)
            return false;
    return true;
}

std::uint8_t StrBuffer::hexDigitAt(std::uint32_t i) const {
    int v = hexValue(buffer_[i]);
    return static_cast<std::uint8_t>(v < 0 ? 0 : v);
}

col::_array::ArrayU08* StrBuffer::hexToBytes(col::_array::ArrayU08* array, bool append) const {
    if (array == nullptr)
        array = thread::take<col::_array::ArrayU08>();
    if (!append)
        array->setLength(0);
    std::uint32_t start = array->length();
    std::uint32_t bytes = length_ / 2;
    array->reserveExact(start + bytes);
    array->setLength(start + bytes);
    auto* out = static_cast<std::uint8_t*>(array->data()) + start;
    // A unit that is no hex digit counts as 0; an odd last unit is ignored.
    for (std::uint32_t i = 0; i < bytes; ++i)
        out[i] = static_cast<std::uint8_t>(hexDigitAt(2 * i) << 4 | hexDigitAt(2 * i + 1));
    return array;
}

// ---- encodings

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// UTF-8 of the units: surrogate pairs become four-byte sequences, an unpaired
// surrogate becomes U+FFFD. Returns the bytes written (at most 3 per unit).
std::size_t encodeUtf8(const char16_t* units, std::size_t n, std::uint8_t* out) {
    std::size_t o = 0;
    for (std::size_t i = 0; i < n; ++i) {
        std::uint32_t c = units[i];
        if (isHighSurrogate(units[i]) && i + 1 < n && isLowSurrogate(units[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
            ++i;
        } else if (isHighSurrogate(units[i]) || isLowSurrogate(units[i])) {
            c = kReplacement;
        }
        if (c < 0x80) {
            out[o++] = static_cast<std::uint8_t>(c);
        } else if (c < 0x800) {
            out[o++] = static_cast<std::uint8_t>(0xC0 | c >> 6);
            out[o++] = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out[o++] = static_cast<std::uint8_t>(0xE0 | c >> 12);
            out[o++] = static_cast<std::uint8_t>(0x80 | (c >> 6 & 0x3F));
            out[o++] = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
        } else {
            out[o++] = static_cast<std::uint8_t>(0xF0 | c >> 18);
            out[o++] = static_cast<std::uint8_t>(0x80 | (c >> 12 & 0x3F));
            out[o++] = static_cast<std::uint8_t>(0x80 | (c >> 6 & 0x3F));
            out[o++] = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
        }
    }
    return o;
}

// UTF-16 of UTF-8 bytes. Each ill-formed stretch (a stray continuation byte,
// a sequence cut short, an overlong form, an encoded surrogate, a value above
// U+10FFFF) becomes one U+FFFD for its longest valid-looking prefix, and
// decoding resumes at the byte that broke it. Returns the units written (at
// most one per byte).
std::size_t decodeUtf8(const std::uint8_t* bytes, std::size_t n, char16_t* out) {
    std::size_t o = 0, i = 0;
    while (i < n) {
        std::uint8_t b = bytes[i];
        if (b < 0x80) {
            out[o++] = b;
            ++i;
            continue;
        }
        int need;
        std::uint32_t c;
        std::uint8_t low = 0x80, high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            need = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            need = 2;
            c = b & 0x0F;
            if (b == 0xE0)
                low = 0xA0;
            if (b == 0xED)
                high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            need = 3;
            c = b & 0x07;
            if (b == 0xF0)
                low = 0x90;
            if (b == 0xF4)
                high = 0x8F;
        } else {
            out[o++] = kReplacement;
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        int got = 0;
        for (; got < need && j < n; ++got, ++j) {
            std::uint8_t next = bytes[j];
            if (next < low || next > high)
                break;
            low = 0x80;
            high = 0xBF;
            c = c << 6 | (next & 0x3F);
        }
        if (got < need) {
            out[o++] = kReplacement;
            i = j;
            continue;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out[o++] = static_cast<char16_t>(0xD800 + (c >> 10));
            out[o++] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out[o++] = static_cast<char16_t>(c);
        }
        i = j;
    }
    return o;
}

} // namespace

col::_array::ArrayU08* StrBuffer::encode(std::uint32_t codePage, col::_array::ArrayU08* array,
                                         bool append, bool countTerminator) const {
    if (array == nullptr)
        array = thread::take<col::_array::ArrayU08>();
    bool utf16 = codePage == cp::kUtf16Le || codePage == cp::kUtf16Be;
    std::uint32_t room = utf16 ? 2 * length_ + 2 : 3 * length_ + 2;
    std::uint32_t start = 0;
    if (append) {
        start = array->length();
        array->reserve(start + room);
    } else {
        array->setLength(0);
        array->reserveExact(room);
    }
    auto* out = static_cast<std::uint8_t*>(array->data()) + start;
    std::size_t produced = 0;
    if (codePage == cp::kUtf16Le) {
        for (std::uint32_t i = 0; i < length_; ++i) {
            out[2 * i] = static_cast<std::uint8_t>(buffer_[i]);
            out[2 * i + 1] = static_cast<std::uint8_t>(buffer_[i] >> 8);
        }
        produced = 2 * static_cast<std::size_t>(length_);
    } else if (codePage == cp::kUtf16Be) {
        for (std::uint32_t i = 0; i < length_; ++i) {
            out[2 * i] = static_cast<std::uint8_t>(buffer_[i] >> 8);
            out[2 * i + 1] = static_cast<std::uint8_t>(buffer_[i]);
        }
        produced = 2 * static_cast<std::size_t>(length_);
    } else if (codePage == cp::kUtf8) {
        produced = encodeUtf8(buffer_, length_, out);
    } else {
        produced = platform::wideToMultiByte(codePage, buffer_, length_,
                                             reinterpret_cast<char*>(out), room - 1);
    }
    // UTF-16 text ends with a whole zero unit, everything else with a zero byte.
    std::uint32_t terminator = utf16 ? 2 : 1;
    std::memset(out + produced, 0, terminator);
    array->setLength(start + static_cast<std::uint32_t>(produced) +
                     (countTerminator ? terminator : 0));
    return array;
}

void StrBuffer::decode(std::uint32_t codePage, const std::uint8_t* bytes, bool append,
                       std::int32_t n) {
    bool utf16 = codePage == cp::kUtf16Le || codePage == cp::kUtf16Be;
    std::size_t count;
    if (n >= 0) {
        count = static_cast<std::size_t>(n);
    } else if (utf16) {
        count = 0;
        while (bytes[count] != 0 || bytes[count + 1] != 0)
            count += 2;
    } else {
        count = std::strlen(reinterpret_cast<const char*>(bytes));
    }
    if (!append)
        length_ = 0;
    // Every byte gives at most one unit.
    std::uint32_t room = length_ + static_cast<std::uint32_t>(count);
    if (append)
        reserve(room);
    else
        reserveExact(room);
    char16_t* out = buffer_ + length_;
    std::size_t produced = 0;
    if (codePage == cp::kUtf16Le) {
        for (std::size_t i = 0; i + 1 < count; i += 2)
            out[produced++] = static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
    } else if (codePage == cp::kUtf16Be) {
        for (std::size_t i = 0; i + 1 < count; i += 2)
            out[produced++] = static_cast<char16_t>(bytes[i] << 8 | bytes[i + 1]);
    } else if (codePage == cp::kUtf8) {
        produced = decodeUtf8(bytes, count, out);
    } else {
        produced = platform::multiByteToWide(codePage, reinterpret_cast<const char*>(bytes), count,
                                             out, count);
    }
    length_ += static_cast<std::uint32_t>(produced);
}

col::_array::ArrayU08* StrBuffer::toUtf8(col::_array::ArrayU08* array, bool append) const {
    return encode(cp::kUtf8, array, append, true);
}
col::_array::ArrayU08* StrBuffer::toUtf8Unterminated(col::_array::ArrayU08* array,
                                                     bool append) const {
    return encode(cp::kUtf8, array, append, false);
}
void StrBuffer::fromUtf8(const std::uint8_t* bytes, bool append, std::int32_t n) {
    decode(cp::kUtf8, bytes, append, n);
}
col::_array::ArrayU08* StrBuffer::toCodePage(const cp::CodePage& codePage,
                                             col::_array::ArrayU08* array, bool append) const {
    return encode(codePage.number(), array, append, true);
}
col::_array::ArrayU08* StrBuffer::toCodePageUnterminated(const cp::CodePage& codePage,
                                                         col::_array::ArrayU08* array,
                                                         bool append) const {
    return encode(codePage.number(), array, append, false);
}
void StrBuffer::fromCodePage(const cp::CodePage& codePage, const std::uint8_t* bytes, bool append,
                             std::int32_t n) {
    decode(codePage.number(), bytes, append, n);
}
col::_array::ArrayU08* StrBuffer::toOem(col::_array::ArrayU08* array, bool append) const {
    return encode(platform::oemCodePage(), array, append, true);
}
col::_array::ArrayU08* StrBuffer::toOemUnterminated(col::_array::ArrayU08* array,
                                                    bool append) const {
    return encode(platform::oemCodePage(), array, append, false);
}
void StrBuffer::fromOem(const std::uint8_t* bytes, bool append, std::int32_t n) {
    decode(platform::oemCodePage(), bytes, append, n);
}

IStr* StrBuffer::digest(IDigester* digester, std::int32_t a, std::int32_t b) const {
    IDigester* used = digester != nullptr ? digester : createMd5Digester();
    if (used == nullptr)
        return nullptr;
    used->update(buffer_, 2 * length_);
    IStr* result = used->result(a, b);
    if (digester == nullptr)
        delete used;
    return result;
}

// ---- splitting

strarray::StrArray* StrBuffer::split(char16_t ch) const {
    auto* pieces = thread::take<strarray::StrArray>();
    std::uint32_t start = 0, at = 0;
    while (indexOf(ch, at, start)) {
        if (at != start)
            pieces->add(static_cast<StrBuffer*>(substring(start, at)));
        start = at + 1;
    }
    if (start < length_)
        pieces->add(static_cast<StrBuffer*>(substring(start, length_)));
    return pieces;
}

namespace {

bool isWordSeparator(char16_t c) {
    if (c < 256) {
        bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        bool digit = c >= u'0' && c <= u'9';
        return !(letter || digit || c == u'+' || c == u'-' || c == u'%');
    }
    switch (c) {
    case 0x3000:
    case 0x3001:
    case 0x3002:
    case 0x300C:
    case 0x300D:
    case 0x3010:
    case 0x3011:
    case 0xFF08:
    case 0xFF09:
        return true;
    default:
        return false;
    }
}

const strarray::StrArray& stopWords() {
    static strarray::StrArray* words = [] {
        auto* list = new strarray::StrArray;
        for (const char16_t* w : {u"the", u"of", u"and"})
            list->add(new StrBuffer(w));
        return list;
    }();
    return *words;
}

bool containsIgnoreCase(const strarray::StrArray& list, const StrBuffer& word) {
    for (std::uint32_t i = 0; i < list.count(); ++i)
        if (list.at(i)->equalsIgnoreCase(&word))
            return true;
    return false;
}

} // namespace

strarray::StrArray* StrBuffer::splitWords(bool dropStopWords) const {
    auto* words = thread::take<strarray::StrArray>();
    std::uint32_t i = 0;
    while (i < length_) {
        while (i < length_ && isWordSeparator(buffer_[i]))
            ++i;
        std::uint32_t start = i;
        while (i < length_ && !isWordSeparator(buffer_[i]))
            ++i;
        if (i == start)
            continue;
        auto* word = static_cast<StrBuffer*>(substring(start, i));
        if (containsIgnoreCase(*words, *word) ||
            (dropStopWords && containsIgnoreCase(stopWords(), *word)))
            word->release();
        else
            words->add(word);
    }
    return words;
}

} // namespace s::str::strbuffer
