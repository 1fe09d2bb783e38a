#pragma once

#include "foundation/collections/MemoryCursor.h"
#include "foundation/strings/IStr.h"

#include <cstdint>

namespace s::str::strbuffer {

// The one implementation of IStr. The content is not kept terminated: a
// terminator is written behind it (the buffer always has room for one) only
// when a C-style view is handed out. Strings come from the string pool
// (take<StrBuffer>() or newInstance) and go back with release(); they may
// also be members or locals, and then free their buffer when destroyed.
class StrBuffer final : public IStr {
public:
    StrBuffer() = default;
    explicit StrBuffer(const char16_t* text);
    StrBuffer(const StrBuffer& other);
    StrBuffer& operator=(const StrBuffer& other);
    ~StrBuffer() override;

    // IObject
    std::int32_t compareTo(const base::IComparable* other,
                           base::IComparator* comparator = nullptr) const override;
    std::int32_t compareToIgnoreCase(const base::IComparable* other,
                                     base::IComparator* comparator = nullptr) const override;
    bool equals(const base::IComparable* other,
                base::IComparator* comparator = nullptr) const override;
    bool equalsIgnoreCase(const base::IComparable* other,
                          base::IComparator* comparator = nullptr) const override;
    std::int32_t hashCode() const override;
    std::int32_t hashCodeIgnoreCase() const override;
    const char16_t* getClassName() const override { return u"s_str_strbuffer_StrBuffer"; }
    base::IObject* newInstance() const override;

    // IPoolable, through both stream bases
    void release() override;
    void clear() override { freeMemory(); }

    // IInputStream and IOutputStream
    bool read(void* buffer, std::uint32_t n, std::uint32_t* count) override;
    bool write(const void* data, std::uint32_t n, std::uint32_t* count) override;
    bool flush() override { return true; }
    void close() override { cursor_.rewind(); }
    std::int64_t position() override { return cursor_.get(); }
    bool isSeekable() override { return true; }
    void rewind() override { cursor_.rewind(); }
    std::int64_t seekToEnd() override { return cursor_.seekToEnd(2 * length_); }
    void seek(std::int64_t position) override { cursor_.seek(position); }
    void seekFromEnd(std::int64_t distance) override { cursor_.seekFromEnd(2 * length_, distance); }
    void skip(std::int64_t distance) override { cursor_.skip(distance); }
    void skipBack(std::int64_t distance) override { cursor_.skipBack(distance); }
    void closeAndReset() override { close(); }
    void dispose() override { close(); }

    // IStr
    const char16_t* terminate(const char16_t* label = nullptr) override;
    std::uint32_t length() const override;
    void setLength(std::uint32_t n) override;
    std::uint32_t capacity() const override;
    void reserveExact(std::uint32_t n) override;
    void grow() override;
    void reserve(std::uint32_t n) override;
    void reset() override;
    void freeMemory() override;
    char16_t* buffer() override;
    const char16_t* cStr() const override;
    void reverse() override;
    void toLowerCase() override;
    void toUpperCase() override;
    void capitalize() override;
    char16_t charAt(std::uint32_t i) const override;
    char16_t charAtLower(std::uint32_t i) const override;
    char16_t charAtUpper(std::uint32_t i) const override;
    bool indexOf(char16_t ch, std::uint32_t& out, std::uint32_t from = 0) const override;
    bool indexOfIgnoreCase(char16_t ch, std::uint32_t& out, std::uint32_t from = 0) const override;
    bool indexOfAny(const char16_t* chars, std::uint32_t count, std::uint32_t& out,
                    std::uint32_t from = 0) const override;
    bool indexOfAnyIgnoreCase(const char16_t* chars, std::uint32_t count, std::uint32_t& out,
                              std::uint32_t from = 0) const override;
    bool lastIndexOf(char16_t ch, std::uint32_t& out, std::uint32_t before = kEnd) const override;
    bool lastIndexOfIgnoreCase(char16_t ch, std::uint32_t& out,
                               std::uint32_t before = kEnd) const override;
    bool lastIndexOfAny(const char16_t* chars, std::uint32_t count, std::uint32_t& out,
                        std::uint32_t before = kEnd) const override;
    bool lastIndexOfAnyIgnoreCase(const char16_t* chars, std::uint32_t count, std::uint32_t& out,
                                  std::uint32_t before = kEnd) const override;
    bool indexOf(const char16_t* str, std::uint32_t& out, std::uint32_t from = 0) const override;
    bool indexOfIgnoreCase(const char16_t* str, std::uint32_t& out,
                           std::uint32_t from = 0) const override;
    bool lastIndexOf(const char16_t* str, std::uint32_t& out,
                     std::uint32_t before = kEnd) const override;
    bool lastIndexOfIgnoreCase(const char16_t* str, std::uint32_t& out,
                               std::uint32_t before = kEnd) const override;
    bool regionMatches(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                       std::int32_t n) const override;
    bool regionMatchesIgnoreCase(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                                 std::int32_t n) const override;
    bool endsWith(const char16_t* str, std::int32_t n = -1) const override;
    bool endsWithIgnoreCase(const char16_t* str, std::int32_t n = -1) const override;
    bool startsWith(const char16_t* str, std::int32_t n = -1) const override;
    bool startsWithIgnoreCase(const char16_t* str, std::int32_t n = -1) const override;
    void trimRight() override;
    void trimRight(std::uint32_t minLength) override;
    void trimRight(const char16_t* chars, std::int32_t n) override;
    void trimRight(const char16_t* chars, std::uint32_t minLength, std::int32_t n) override;
    void trimLeft() override;
    void trimLeft(const char16_t* chars, std::int32_t n) override;
    std::int32_t compareAt(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                           std::int32_t n) const override;
    std::int32_t compareAtIgnoreCase(std::uint32_t index, const char16_t* str,
                                     std::uint32_t strIndex, std::int32_t n) const override;
    void prepend(const char16_t* units, std::uint32_t n) override;
    void appendNarrow(const char* bytes, std::uint32_t n) override;
    void append(const char16_t* units, std::uint32_t n) override;
    void append(char16_t ch) override;
    void appendHex64(const std::uint64_t* values, std::uint32_t n) override;
    void appendHex32(const std::uint32_t* values, std::uint32_t n) override;
    void appendHex16(const std::uint16_t* values, std::uint32_t n) override;
    void appendHex8(const std::uint8_t* bytes, std::uint32_t n) override;
    void appendHex32Pairs(const std::uint32_t* values, std::uint32_t n) override;
    void replaceAll(const char16_t* find, const char16_t* replacement) override;
    void replaceAllIgnoreCase(const char16_t* find, const char16_t* replacement) override;
    IStr* clone() const override;
    void keepRange(std::uint32_t begin, std::uint32_t end) override;
    IStr* substring(std::uint32_t begin, std::uint32_t end) const override;
    IStr* beforeLast(char16_t ch, std::uint32_t before = kEnd) const override;
    IStr* beforeLastIgnoreCase(char16_t ch, std::uint32_t before = kEnd) const override;
    IStr* beforeLastAny(const char16_t* chars, std::uint32_t n,
                        std::uint32_t before = kEnd) const override;
    IStr* beforeLastAnyIgnoreCase(const char16_t* chars, std::uint32_t n,
                                  std::uint32_t before = kEnd) const override;
    IStr* beforeLast(const char16_t* str, std::uint32_t before = kEnd) const override;
    IStr* beforeLastIgnoreCase(const char16_t* str, std::uint32_t before = kEnd) const override;
    IStr* digest(IDigester* digester, std::int32_t a, std::int32_t b) const override;
    col::_array::ArrayU08* toUtf8(col::_array::ArrayU08* array, bool append) const override;
    col::_array::ArrayU08* toUtf8Unterminated(col::_array::ArrayU08* array,
                                              bool append) const override;
    void fromUtf8(const std::uint8_t* bytes, bool append, std::int32_t n = -1) override;
    col::_array::ArrayU08* toCodePage(const system::codepage::CodePage& codePage,
                                      col::_array::ArrayU08* array, bool append) const override;
    col::_array::ArrayU08* toCodePageUnterminated(const system::codepage::CodePage& codePage,
                                                  col::_array::ArrayU08* array,
                                                  bool append) const override;
    void fromCodePage(const system::codepage::CodePage& codePage, const std::uint8_t* bytes,
                      bool append, std::int32_t n = -1) override;
    col::_array::ArrayU08* toOem(col::_array::ArrayU08* array, bool append) const override;
    col::_array::ArrayU08* toOemUnterminated(col::_array::ArrayU08* array,
                                             bool append) const override;
    void fromOem(const std::uint8_t* bytes, bool append, std::int32_t n = -1) override;
    std::int32_t toInt() const override;
    std::int64_t toInt64() const override;
    float toFloat() const override;
    bool isHex() const override;
    std::uint8_t hexDigitAt(std::uint32_t i) const override;
    col::_array::ArrayU08* hexToBytes(col::_array::ArrayU08* array, bool append) const override;
    bool isInteger() const override;
    strarray::StrArray* split(char16_t ch) const override;
    strarray::StrArray* splitWords(bool dropStopWords) const override;
    char16_t* charPointer(std::uint32_t i) override;
    void append(const char* narrowText) override;
    void append(std::int64_t value) override;
    void append(std::uint32_t value) override;
    void append(std::uint16_t value) override;
    void append(std::uint8_t value) override;
    void append(std::int32_t value) override;
    void append(std::int16_t value) override;
    void append(std::int8_t value) override;
    void append(float value) override;
    void append(double value) override;
    void append(const IStr& other) override;
    void append(const char16_t* wideText) override;
    void set(std::int64_t value) override;
    void set(std::uint32_t value) override;
    void set(std::uint16_t value) override;
    void set(std::uint8_t value) override;
    void set(std::int32_t value) override;
    void set(std::int16_t value) override;
    void set(std::int8_t value) override;
    void set(float value) override;
    void set(double value) override;
    void set(const IStr& other) override;
    void set(const char16_t* wideText) override;
    strbuffer::Iterator* iterator() const override;
    strbuffer::Iterator* iteratorAtEnd() const override;
    strbuffer::Iterator* iteratorAt(std::uint32_t i) const override;
    strbuffer::Iterator* iteratorFromEnd(std::uint32_t k) const override;

    // Equality with a terminated wide text, for convenience.
    bool equals(const char16_t* text) const;

private:
    bool findChar(char16_t ch, bool fold, std::uint32_t from, std::uint32_t& out) const;
    bool findAny(const char16_t* chars, std::uint32_t count, bool fold, std::uint32_t from,
                 std::uint32_t& out) const;
    bool findCharBackward(char16_t ch, bool fold, std::uint32_t before, std::uint32_t& out) const;
    bool findAnyBackward(const char16_t* chars, std::uint32_t count, bool fold,
                         std::uint32_t before, std::uint32_t& out) const;
    bool findString(const char16_t* str, bool fold, std::uint32_t from, std::uint32_t& out) const;
    bool findStringBackward(const char16_t* str, bool fold, std::uint32_t before,
                            std::uint32_t& out) const;
    bool matchesAt(std::uint32_t index, const char16_t* str, std::uint32_t strIndex, std::int32_t n,
                   bool fold) const;
    void trimRightOf(const char16_t* chars, std::uint32_t count, std::uint32_t minLength);
    void trimLeftOf(const char16_t* chars, std::uint32_t count);
    void replace(const char16_t* find, const char16_t* replacement, bool fold);
    IStr* prefixBefore(bool found, std::uint32_t at) const;
    void appendHexDigits(std::uint64_t value, int digits);
    void appendAscii(const char* text, std::uint32_t n);
    template <class Formatter> void setNumber(Formatter format);
    void reserveFor(std::uint32_t extra) { reserve(length_ + extra); }
    col::_array::ArrayU08* encode(std::uint32_t codePage, col::_array::ArrayU08* array, bool append,
                                  bool countTerminator) const;
    void decode(std::uint32_t codePage, const std::uint8_t* bytes, bool append, std::int32_t n);

    char16_t* buffer_ = nullptr;
    std::uint32_t length_ = 0;
    std::uint32_t capacity_ = 0;
    col::MemoryCursor cursor_;
};

} // namespace s::str::strbuffer

namespace s::str {
using strbuffer::StrBuffer;
}
