#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/collections/IStream.h"

#include <cstdint>

namespace s::col::_array {
class ArrayU08;
}
namespace s::system::codepage {
class CodePage;
}
namespace s::str::strarray {
class StrArray;
}
namespace s::str::strbuffer {
class Iterator;
}

namespace s::str {

class IStr;

// Receives bytes and answers a digest of them as a pooled string.
class IDigester {
public:
    virtual ~IDigester() = default;
    virtual void update(const void* bytes, std::uint32_t n) = 0;
    // The digest of everything fed so far, as lower-case hexadecimal text;
    // a and b are the caller's selectors, passed through to the digester.
    virtual IStr* result(std::int32_t a, std::int32_t b) = 0;
};

// The framework's string: UTF-16 code units in a growable buffer that is
// also a byte stream over its own content. Indices and lengths are in code
// units; the stream position alone is in bytes. Operations that return a new
// string, array or iterator return a pooled object the caller releases.
class IStr : public base::IObject, public io::IInputStream, public io::IOutputStream {
public:
    // "From the end" for the before arguments of the backward searches.
    static constexpr std::uint32_t kEnd = 0xFFFFFF;

    // Both stream bases declare these; one implementation serves both.
    void release() override = 0;
    void clear() override = 0;
    void close() override = 0;
    std::int64_t position() override = 0;
    bool isSeekable() override = 0;
    void rewind() override = 0;
    std::int64_t seekToEnd() override = 0;
    void seek(std::int64_t position) override = 0;
    void seekFromEnd(std::int64_t distance) override = 0;
    void skip(std::int64_t distance) override = 0;
    void skipBack(std::int64_t distance) override = 0;
    void closeAndReset() override = 0;
    void dispose() override = 0;

    // Writes the terminator; null when empty. The label is ignored.
    virtual const char16_t* terminate(const char16_t* label = nullptr) = 0;
    virtual std::uint32_t length() const = 0;
    // The caller guarantees n <= capacity.
    virtual void setLength(std::uint32_t n) = 0;
    virtual std::uint32_t capacity() const = 0;
    virtual void reserveExact(std::uint32_t n) = 0;
    // Applies the growth rule once.
    virtual void grow() = 0;
    // Growth reservation.
    virtual void reserve(std::uint32_t n) = 0;
    // Length and position 0; keeps the buffer.
    virtual void reset() = 0;
    virtual void freeMemory() = 0;
    // Not terminated; may be null.
    virtual char16_t* buffer() = 0;
    // Terminated; the static empty string when empty.
    virtual const char16_t* cStr() const = 0;
    virtual void reverse() = 0;
    virtual void toLowerCase() = 0;
    virtual void toUpperCase() = 0;
    virtual void capitalize() = 0;
    virtual char16_t charAt(std::uint32_t i) const = 0;
    virtual char16_t charAtLower(std::uint32_t i) const = 0;
    virtual char16_t charAtUpper(std::uint32_t i) const = 0;
    virtual bool indexOf(char16_t ch, std::uint32_t& out, std::uint32_t from = 0) const = 0;
    virtual bool indexOfIgnoreCase(char16_t ch, std::uint32_t& out,
                                   std::uint32_t from = 0) const = 0;
    virtual bool indexOfAny(const char16_t* chars, std::uint32_t count, std::uint32_t& out,
                            std::uint32_t from = 0) const = 0;
    virtual bool indexOfAnyIgnoreCase(const char16_t* chars, std::uint32_t count,
                                      std::uint32_t& out, std::uint32_t from = 0) const = 0;
    virtual bool lastIndexOf(char16_t ch, std::uint32_t& out,
                             std::uint32_t before = kEnd) const = 0;
    virtual bool lastIndexOfIgnoreCase(char16_t ch, std::uint32_t& out,
                                       std::uint32_t before = kEnd) const = 0;
    virtual bool lastIndexOfAny(const char16_t* chars, std::uint32_t count, std::uint32_t& out,
                                std::uint32_t before = kEnd) const = 0;
    virtual bool lastIndexOfAnyIgnoreCase(const char16_t* chars, std::uint32_t count,
                                          std::uint32_t& out,
                                          std::uint32_t before = kEnd) const = 0;
    virtual bool indexOf(const char16_t* str, std::uint32_t& out, std::uint32_t from = 0) const = 0;
    virtual bool indexOfIgnoreCase(const char16_t* str, std::uint32_t& out,
                                   std::uint32_t from = 0) const = 0;
    virtual bool lastIndexOf(const char16_t* str, std::uint32_t& out,
                             std::uint32_t before = kEnd) const = 0;
    virtual bool lastIndexOfIgnoreCase(const char16_t* str, std::uint32_t& out,
                                       std::uint32_t before = kEnd) const = 0;
    // n -1: all of str, and the match must end at this string's end.
    virtual bool regionMatches(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                               std::int32_t n) const = 0;
    virtual bool regionMatchesIgnoreCase(std::uint32_t index, const char16_t* str,
                                         std::uint32_t strIndex, std::int32_t n) const = 0;
    virtual bool endsWith(const char16_t* str, std::int32_t n = -1) const = 0;
    virtual bool endsWithIgnoreCase(const char16_t* str, std::int32_t n = -1) const = 0;
    virtual bool startsWith(const char16_t* str, std::int32_t n = -1) const = 0;
    virtual bool startsWithIgnoreCase(const char16_t* str, std::int32_t n = -1) const = 0;
    virtual void trimRight() = 0;
    virtual void trimRight(std::uint32_t minLength) = 0;
    virtual void trimRight(const char16_t* chars, std::int32_t n) = 0;
    virtual void trimRight(const char16_t* chars, std::uint32_t minLength, std::int32_t n) = 0;
    virtual void trimLeft() = 0;
    virtual void trimLeft(const char16_t* chars, std::int32_t n) = 0;
    virtual std::int32_t compareAt(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                                   std::int32_t n) const = 0;
    virtual std::int32_t compareAtIgnoreCase(std::uint32_t index, const char16_t* str,
                                             std::uint32_t strIndex, std::int32_t n) const = 0;
    virtual void prepend(const char16_t* units, std::uint32_t n) = 0;
    virtual void appendNarrow(const char* bytes, std::uint32_t n) = 0;
    virtual void append(const char16_t* units, std::uint32_t n) = 0;
    virtual void append(char16_t ch) = 0;
    virtual void appendHex64(const std::uint64_t* values, std::uint32_t n) = 0;
    virtual void appendHex32(const std::uint32_t* values, std::uint32_t n) = 0;
    virtual void appendHex16(const std::uint16_t* values, std::uint32_t n) = 0;
    virtual void appendHex8(const std::uint8_t* bytes, std::uint32_t n) = 0;
    virtual void appendHex32Pairs(const std::uint32_t* values, std::uint32_t n) = 0;
    virtual void replaceAll(const char16_t* find, const char16_t* replacement) = 0;
    virtual void replaceAllIgnoreCase(const char16_t* find, const char16_t* replacement) = 0;
    virtual IStr* clone() const = 0;
    virtual void keepRange(std::uint32_t begin, std::uint32_t end) = 0;
    virtual IStr* substring(std::uint32_t begin, std::uint32_t end) const = 0;
    virtual IStr* beforeLast(char16_t ch, std::uint32_t before = kEnd) const = 0;
    virtual IStr* beforeLastIgnoreCase(char16_t ch, std::uint32_t before = kEnd) const = 0;
    virtual IStr* beforeLastAny(const char16_t* chars, std::uint32_t n,
                                std::uint32_t before = kEnd) const = 0;
    virtual IStr* beforeLastAnyIgnoreCase(const char16_t* chars, std::uint32_t n,
                                          std::uint32_t before = kEnd) const = 0;
    virtual IStr* beforeLast(const char16_t* str, std::uint32_t before = kEnd) const = 0;
    virtual IStr* beforeLastIgnoreCase(const char16_t* str, std::uint32_t before = kEnd) const = 0;
    virtual IStr* digest(IDigester* digester, std::int32_t a, std::int32_t b) const = 0;
    virtual col::_array::ArrayU08* toUtf8(col::_array::ArrayU08* array, bool append) const = 0;
    virtual col::_array::ArrayU08* toUtf8Unterminated(col::_array::ArrayU08* array,
                                                      bool append) const = 0;
    virtual void fromUtf8(const std::uint8_t* bytes, bool append, std::int32_t n = -1) = 0;
    virtual col::_array::ArrayU08* toCodePage(const system::codepage::CodePage& codePage,
                                              col::_array::ArrayU08* array, bool append) const = 0;
    virtual col::_array::ArrayU08*
    toCodePageUnterminated(const system::codepage::CodePage& codePage, col::_array::ArrayU08* array,
                           bool append) const = 0;
    virtual void fromCodePage(const system::codepage::CodePage& codePage, const std::uint8_t* bytes,
                              bool append, std::int32_t n = -1) = 0;
    virtual col::_array::ArrayU08* toOem(col::_array::ArrayU08* array, bool append) const = 0;
    virtual col::_array::ArrayU08* toOemUnterminated(col::_array::ArrayU08* array,
                                                     bool append) const = 0;
    virtual void fromOem(const std::uint8_t* bytes, bool append, std::int32_t n = -1) = 0;
    virtual std::int32_t toInt() const = 0;
    virtual std::int64_t toInt64() const = 0;
    virtual float toFloat() const = 0;
    virtual bool isHex() const = 0;
    virtual std::uint8_t hexDigitAt(std::uint32_t i) const = 0;
    virtual col::_array::ArrayU08* hexToBytes(col::_array::ArrayU08* array, bool append) const = 0;
    virtual bool isInteger() const = 0;
    virtual strarray::StrArray* split(char16_t ch) const = 0;
    virtual strarray::StrArray* splitWords(bool dropStopWords) const = 0;
    virtual char16_t* charPointer(std::uint32_t i) = 0;
    virtual void append(const char* narrowText) = 0;
    virtual void append(std::int64_t value) = 0;
    virtual void append(std::uint32_t value) = 0;
    virtual void append(std::uint16_t value) = 0;
    virtual void append(std::uint8_t value) = 0;
    virtual void append(std::int32_t value) = 0;
    virtual void append(std::int16_t value) = 0;
    virtual void append(std::int8_t value) = 0;
    virtual void append(float value) = 0;
    virtual void append(double value) = 0;
    virtual void append(const IStr& other) = 0;
    virtual void append(const char16_t* wideText) = 0;
    virtual void set(std::int64_t value) = 0;
    virtual void set(std::uint32_t value) = 0;
    virtual void set(std::uint16_t value) = 0;
    virtual void set(std::uint8_t value) = 0;
    virtual void set(std::int32_t value) = 0;
    virtual void set(std::int16_t value) = 0;
    virtual void set(std::int8_t value) = 0;
    virtual void set(float value) = 0;
    virtual void set(double value) = 0;
    virtual void set(const IStr& other) = 0;
    virtual void set(const char16_t* wideText) = 0;
    virtual strbuffer::Iterator* iterator() const = 0;
    virtual strbuffer::Iterator* iteratorAtEnd() const = 0;
    virtual strbuffer::Iterator* iteratorAt(std::uint32_t i) const = 0;
    virtual strbuffer::Iterator* iteratorFromEnd(std::uint32_t k) const = 0;
};

} // namespace s::str
