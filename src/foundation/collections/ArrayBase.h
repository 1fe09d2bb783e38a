#pragma once

#include "foundation/collections/ArrayIterator.h"
#include "foundation/collections/ICollection.h"
#include "foundation/collections/MemoryCursor.h"
#include "foundation/objects/IObject.h"
#include "foundation/collections/IStream.h"

#include <cstdint>

namespace s::str {
class IStr;
class IDigester;
} // namespace s::str

namespace s::col::_array {

// A growable array of 1-, 4- or 8-byte elements in one block from the C
// heap, which is also a byte stream over that block. Indices and counts are
// in elements, the stream position alone in bytes. "src" and "dst" are raw
// element blocks; a source may lie inside this array's own block. The block
// has no spare slot and never shrinks except through freeMemory.
//
// The typed arrays derive from this and add the element formatting and the
// comparator; the array classes are pooled (newInstance, release), and an
// array kept as a member frees its block when destroyed.
class ArrayBase : public ICollection, public io::IInputStream, public io::IOutputStream {
public:
    ~ArrayBase() override;
    ArrayBase(const ArrayBase&) = delete;
    ArrayBase& operator=(const ArrayBase&) = delete;

    // IObject. Without a comparator, shorter arrays come first; arrays of
    // equal length compare element by element with elementComparator.
    std::int32_t compareTo(const base::IComparable* other,
                           base::IComparator* comparator = nullptr) const override;
    const char16_t* getClassName() const override { return u"s_col_array_ArrayBase"; }

    // IPoolable, through the collection and both stream bases
    void release() override = 0;
    // Frees the block; length and position 0.
    void clear() override;

    // IInputStreamable: a pooled CollectionInputStream at the first element.
    io::IInputStream* getInputStream() override;

    // IEnumerable: pooled iterators the caller releases.
    Iterator* iterator() override;
    Iterator* iteratorAtEnd() override;
    Iterator* iteratorAt(std::uint32_t i) override;
    Iterator* iteratorFromEnd(std::uint32_t k) override;
    // Null while the array has no block.
    void* elementPointer(std::uint32_t i) override;

    // IInputStream and IOutputStream over the used bytes
    bool read(void* buffer, std::uint32_t n, std::uint32_t* count) override;
    // Grows the array to cover what is written; a trailing partial element
    // is written but not counted in the length.
    bool write(const void* data, std::uint32_t n, std::uint32_t* count) override;
    bool flush() override { return true; }
    void close() override { cursor_.rewind(); }
    std::int64_t position() override { return cursor_.get(); }
    bool isSeekable() override { return true; }
    void rewind() override { cursor_.rewind(); }
    std::int64_t seekToEnd() override { return cursor_.seekToEnd(byteSize()); }
    void seek(std::int64_t position) override { cursor_.seek(position); }
    void seekFromEnd(std::int64_t distance) override { cursor_.seekFromEnd(byteSize(), distance); }
    void skip(std::int64_t distance) override { cursor_.skip(distance); }
    void skipBack(std::int64_t distance) override { cursor_.skipBack(distance); }
    void closeAndReset() override { close(); }
    // The array is not given back through its stream.
    void dispose() override { close(); }

    // The array operations. A count of -1 means "to the end".
    virtual const char16_t* typeName() const { return getClassName(); }
    virtual void copyTo(ArrayBase* other, std::uint32_t at, std::uint32_t from,
                        std::int32_t count = -1) const;
    virtual void copyFrom(const ArrayBase* other, std::uint32_t from, std::uint32_t at,
                          std::int32_t count = -1);
    virtual std::uint32_t length() const { return length_; }
    // New elements are left as they are.
    virtual void setLength(std::uint32_t n);
    // Bytes of n elements; -1 for the length.
    virtual std::uint32_t byteSize(std::int32_t n = -1) const;
    virtual void copyOut(void* dst, std::uint32_t at, std::uint32_t from,
                         std::int32_t count = -1) const;
    // Writes count elements of src from srcIndex at index at, growing the
    // length to at + count when shorter.
    virtual void put(const void* src, std::uint32_t count, std::uint32_t srcIndex,
                     std::uint32_t at);
    virtual void append(const void* src, std::uint32_t count, std::uint32_t srcIndex = 0);
    virtual void prepend(const void* src, std::uint32_t count, std::uint32_t srcIndex = 0);
    virtual void insert(std::uint32_t at, const void* src, std::uint32_t count,
                        std::uint32_t srcIndex = 0);
    virtual void dropLast(std::uint32_t n);
    virtual void dropFirst(std::uint32_t n);
    virtual void remove(std::uint32_t at, std::uint32_t count);
    virtual void popLast(void* dst, std::uint32_t n, std::uint32_t dstIndex = 0);
    virtual void popFirst(void* dst, std::uint32_t n, std::uint32_t dstIndex = 0);
    virtual void extract(std::uint32_t at, void* dst, std::uint32_t n, std::uint32_t dstIndex = 0);
    // Byte-wise three-way comparison of this array from at with src from
    // srcFrom, each range limited to count elements; when the common part is
    // equal the shorter range is smaller.
    virtual std::int32_t compareRange(std::uint32_t at, const void* src, std::uint32_t srcLength,
                                      std::uint32_t srcFrom, std::int32_t count = -1) const;
    // Length and position 0; keeps the block.
    virtual void reset();
    // Frees the block; length and position 0.
    virtual void freeMemory();
    // Gives back the spare capacity: the block holds just the elements, and
    // an empty array none. For arrays that are complete and kept (a parsed
    // document's), since growth leaves room for a hundred elements at once.
    void fitToLength();
    virtual void swap(std::uint32_t i, std::uint32_t j);
    virtual void reverse();
    virtual void appendElementText(str::IStr* str, const void* element) const = 0;
    virtual void appendElementHex(str::IStr* str, const void* element) const = 0;
    // The text and hex forms go to str, or to a new pooled string when str
    // is null (returned; the caller releases it). Without append, str is
    // emptied first.
    virtual str::IStr* toText(str::IStr* str = nullptr, bool append = true) const;
    virtual str::IStr* toXml(str::IStr* str = nullptr, bool append = true) const;
    // Feeds the used bytes to digester and answers its result for (a, b);
    // null without a digester.
    virtual str::IStr* digest(str::IDigester* digester, std::int32_t a, std::int32_t b) const;
    virtual str::IStr* appendAllHex(str::IStr* str = nullptr, bool append = true) const;
    virtual base::IComparator* elementComparator() const = 0;
    // Exchanges two elements through temp, which holds one element.
    virtual void swap(std::uint32_t i, std::uint32_t j, void* temp);

    // The raw block (null until the first reservation) and its size.
    void* data() { return buffer_; }
    const void* data() const { return buffer_; }
    std::uint32_t capacity() const { return capacity_; }
    std::uint32_t elementSize() const { return 1u << shift_; }
    // Exact reservation: a block of exactly n elements when n exceeds the
    // capacity, keeping the used elements.
    void reserveExact(std::uint32_t n);
    // Growth reservation: the capacity grows by the growth rule until it
    // holds n elements.
    void reserve(std::uint32_t n);

protected:
    // shift is log2 of the element size: 0, 2 or 3.
    explicit ArrayBase(std::uint32_t shift) : shift_(shift) {}

    const void* elementAt(std::uint32_t i) const { return buffer_ + (std::size_t{i} << shift_); }
    void* elementAt(std::uint32_t i) { return buffer_ + (std::size_t{i} << shift_); }

    // The string a text form goes to: str, emptied unless appending, or a
    // new pooled one.
    static str::IStr* textTarget(str::IStr* str, bool append);

private:
    // Opens a gap of count elements at at (growth reservation).
    void openGap(std::uint32_t at, std::uint32_t count);
    std::size_t bytesOf(std::uint32_t n) const { return std::size_t{n} << shift_; }

    std::uint32_t shift_;
    std::uint8_t* buffer_ = nullptr;
    std::uint32_t length_ = 0;
    std::uint32_t capacity_ = 0;
    MemoryCursor cursor_;
};

} // namespace s::col::_array
