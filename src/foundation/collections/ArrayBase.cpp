#include "foundation/collections/ArrayBase.h"

#include "foundation/collections/CollectionInputStream.h"
#include "foundation/objects/Growth.h"
#include "foundation/strings/IStr.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace s::col::_array {

namespace {

// Overlap-safe. Callers may pass a null block with 0 bytes, which memmove
// itself must never be given.
void copyBytes(void* dst, const void* src, std::size_t n) {
    if (n != 0)
        std::memmove(dst, src, n);
}

// The bytes of a source block. A source inside the array's own block would
// be freed by a reallocation or shifted by the move that opens a gap, so such
// a source is copied aside first.
class SourceBytes {
public:
    SourceBytes(const void* src, std::size_t offset, std::size_t n, const void* block,
                std::size_t blockBytes) {
        if (n == 0)
            return;
        bytes_ = static_cast<const std::uint8_t*>(src) + offset;
        auto begin = reinterpret_cast<std::uintptr_t>(block);
        auto at = reinterpret_cast<std::uintptr_t>(bytes_);
        if (block != nullptr && at + n > begin && at < begin + blockBytes) {
            copy_.assign(bytes_, bytes_ + n);
            bytes_ = copy_.data();
        }
    }
    const std::uint8_t* bytes() const { return bytes_; }

private:
    const std::uint8_t* bytes_ = nullptr;
    std::vector<std::uint8_t> copy_;
};

std::uint32_t countOrRest(std::int32_t count, std::uint32_t length, std::uint32_t from) {
    if (count >= 0)
        return static_cast<std::uint32_t>(count);
    return from < length ? length - from : 0;
}

std::int32_t sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

} // namespace

ArrayBase::~ArrayBase() {
    std::free(buffer_);
}

std::int32_t ArrayBase::compareTo(const base::IComparable* other,
                                  base::IComparator* comparator) const {
    if (comparator != nullptr)
        return comparator->compare(static_cast<const base::IComparable*>(this), other);
    const auto* that = dynamic_cast<const ArrayBase*>(other);
    if (that == nullptr)
        return IComparable::compareTo(other, nullptr);
    if (that == this)
        return 0;
    if (length_ != that->length_)
        return length_ < that->length_ ? -1 : 1;
    // Element by element only makes sense over equal element sizes; arrays of
    // different sizes would have the comparator read past the smaller block.
    if (shift_ != that->shift_)
        return shift_ < that->shift_ ? -1 : 1;
    base::IComparator* order = elementComparator();
    for (std::uint32_t i = 0; i < length_; ++i) {
        std::int32_t result = order->compare(elementAt(i), that->elementAt(i));
        if (result != 0)
            return result;
    }
    return 0;
}

void ArrayBase::clear() {
    freeMemory();
}

io::IInputStream* ArrayBase::getInputStream() {
    return CollectionInputStream::over(this, elementSize());
}

Iterator* ArrayBase::iterator() {
    return Iterator::over(this, -1, 0);
}

Iterator* ArrayBase::iteratorAtEnd() {
    return Iterator::over(this, static_cast<std::int32_t>(length_), length_);
}

Iterator* ArrayBase::iteratorAt(std::uint32_t i) {
    return Iterator::over(this, static_cast<std::int32_t>(i) - 1, i);
}

Iterator* ArrayBase::iteratorFromEnd(std::uint32_t k) {
    return Iterator::over(this, static_cast<std::int32_t>(length_ - k), length_ - k);
}

void* ArrayBase::elementPointer(std::uint32_t i) {
    return buffer_ == nullptr ? nullptr : elementAt(i);
}

// ---- streams

bool ArrayBase::read(void* buffer, std::uint32_t n, std::uint32_t* count) {
    return cursor_.read(buffer_, byteSize(), buffer, n, count);
}

bool ArrayBase::write(const void* data, std::uint32_t n, std::uint32_t* count) {
    SourceBytes source(data, 0, n, buffer_, bytesOf(capacity_));
    std::uint32_t at = cursor_.get();
    reserve(((at + n) >> shift_) + 1);
    copyBytes(buffer_ + at, source.bytes(), n);
    cursor_.wrote(n);
    if ((cursor_.get() >> shift_) > length_)
        length_ = cursor_.get() >> shift_;
    if (count != nullptr)
        *count = n;
    return true;
}

// ---- reservation

void ArrayBase::reserveExact(std::uint32_t n) {
    if (n <= capacity_)
        return;
    auto* block = static_cast<std::uint8_t*>(std::malloc(bytesOf(n)));
    copyBytes(block, buffer_, bytesOf(length_));
    std::free(buffer_);
    buffer_ = block;
    capacity_ = n;
}

void ArrayBase::reserve(std::uint32_t n) {
    if (n > capacity_)
        reserveExact(col::grownCapacityFor(capacity_, n));
}

// ---- element operations

void ArrayBase::copyTo(ArrayBase* other, std::uint32_t at, std::uint32_t from,
                       std::int32_t count) const {
    other->put(buffer_, countOrRest(count, length_, from), from, at);
}

void ArrayBase::copyFrom(const ArrayBase* other, std::uint32_t from, std::uint32_t at,
                         std::int32_t count) {
    put(other->buffer_, countOrRest(count, other->length_, from), from, at);
}

void ArrayBase::setLength(std::uint32_t n) {
    reserveExact(n);
    length_ = n;
}

std::uint32_t ArrayBase::byteSize(std::int32_t n) const {
    std::uint32_t elements = n < 0 ? length_ : static_cast<std::uint32_t>(n);
    return elements << shift_;
}

void ArrayBase::copyOut(void* dst, std::uint32_t at, std::uint32_t from, std::int32_t count) const {
    std::uint32_t n = countOrRest(count, length_, from);
    if (n != 0)
        copyBytes(static_cast<std::uint8_t*>(dst) + bytesOf(at), elementAt(from), bytesOf(n));
}

void ArrayBase::put(const void* src, std::uint32_t count, std::uint32_t srcIndex,
                    std::uint32_t at) {
    SourceBytes source(src, bytesOf(srcIndex), bytesOf(count), buffer_, bytesOf(capacity_));
    reserveExact(at + count);
    if (count != 0)
        copyBytes(elementAt(at), source.bytes(), bytesOf(count));
    if (at + count > length_)
        length_ = at + count;
}

void ArrayBase::openGap(std::uint32_t at, std::uint32_t count) {
    reserve(length_ + count);
    if (at < length_)
        copyBytes(elementAt(at + count), elementAt(at), bytesOf(length_ - at));
    length_ += count;
}

void ArrayBase::append(const void* src, std::uint32_t count, std::uint32_t srcIndex) {
    insert(length_, src, count, srcIndex);
}

void ArrayBase::prepend(const void* src, std::uint32_t count, std::uint32_t srcIndex) {
    insert(0, src, count, srcIndex);
}

void ArrayBase::insert(std::uint32_t at, const void* src, std::uint32_t count,
                       std::uint32_t srcIndex) {
    if (count == 0)
        return;
    if (at > length_)
        at = length_;
    SourceBytes source(src, bytesOf(srcIndex), bytesOf(count), buffer_, bytesOf(capacity_));
    openGap(at, count);
    copyBytes(elementAt(at), source.bytes(), bytesOf(count));
}

void ArrayBase::dropLast(std::uint32_t n) {
    length_ = n < length_ ? length_ - n : 0;
}

void ArrayBase::dropFirst(std::uint32_t n) {
    remove(0, n);
}

void ArrayBase::remove(std::uint32_t at, std::uint32_t count) {
    if (at >= length_)
        return;
    if (count > length_ - at)
        count = length_ - at;
    copyBytes(elementAt(at), elementAt(at + count), bytesOf(length_ - at - count));
    length_ -= count;
}

void ArrayBase::popLast(void* dst, std::uint32_t n, std::uint32_t dstIndex) {
    if (n > length_)
        n = length_;
    copyOut(dst, dstIndex, length_ - n, static_cast<std::int32_t>(n));
    dropLast(n);
}

void ArrayBase::popFirst(void* dst, std::uint32_t n, std::uint32_t dstIndex) {
    extract(0, dst, n, dstIndex);
}

void ArrayBase::extract(std::uint32_t at, void* dst, std::uint32_t n, std::uint32_t dstIndex) {
    if (at >= length_)
        return;
    if (n > length_ - at)
        n = length_ - at;
    copyOut(dst, dstIndex, at, static_cast<std::int32_t>(n));
    remove(at, n);
}

std::int32_t ArrayBase::compareRange(std::uint32_t at, const void* src, std::uint32_t srcLength,
                                     std::uint32_t srcFrom, std::int32_t count) const {
    std::uint32_t limit = count < 0 ? 0xFFFFFFFFu : static_cast<std::uint32_t>(count);
    std::uint32_t mine = at < length_ ? length_ - at : 0;
    std::uint32_t theirs = srcFrom < srcLength ? srcLength - srcFrom : 0;
    mine = mine < limit ? mine : limit;
    theirs = theirs < limit ? theirs : limit;
    std::uint32_t common = mine < theirs ? mine : theirs;
    if (common != 0) {
        int bytes =
            std::memcmp(elementAt(at), static_cast<const std::uint8_t*>(src) + bytesOf(srcFrom),
                        bytesOf(common));
        if (bytes != 0)
            return sign(bytes);
    }
    if (mine == theirs)
        return 0;
    return mine < theirs ? -1 : 1;
}

void ArrayBase::reset() {
    length_ = 0;
    cursor_.rewind();
}

void ArrayBase::freeMemory() {
    std::free(buffer_);
    buffer_ = nullptr;
    length_ = capacity_ = 0;
    cursor_.rewind();
}

void ArrayBase::fitToLength() {
    if (capacity_ == length_)
        return;
    std::uint8_t* block = nullptr;
    if (length_ != 0) {
        block = static_cast<std::uint8_t*>(std::malloc(bytesOf(length_)));
        copyBytes(block, buffer_, bytesOf(length_));
    }
    std::free(buffer_);
    buffer_ = block;
    capacity_ = length_;
    if (cursor_.get() > bytesOf(length_))
        cursor_.set(static_cast<std::uint32_t>(bytesOf(length_)));
}

void ArrayBase::swap(std::uint32_t i, std::uint32_t j) {
    std::uint8_t temp[8];
    swap(i, j, temp);
}

void ArrayBase::swap(std::uint32_t i, std::uint32_t j, void* temp) {
    std::size_t size = elementSize();
    std::memcpy(temp, elementAt(i), size);
    std::memmove(elementAt(i), elementAt(j), size);
    std::memcpy(elementAt(j), temp, size);
}

void ArrayBase::reverse() {
    if (length_ < 2)
        return;
    std::uint8_t temp[8];
    for (std::uint32_t i = 0, j = length_ - 1; i < j; ++i, --j)
        swap(i, j, temp);
}

// ---- text

str::IStr* ArrayBase::textTarget(str::IStr* str, bool append) {
    if (str == nullptr)
        return thread::take<str::StrBuffer>();
    if (!append)
        str->reset();
    return str;
}

str::IStr* ArrayBase::toText(str::IStr* str, bool append) const {
    str = textTarget(str, append);
    str->append(getClassName());
    str->append(u" [");
    for (std::uint32_t i = 0; i < length_; ++i) {
        if (i != 0)
            str->append(u' ');
        appendElementText(str, elementAt(i));
    }
    str->append(u']');
    return str;
}

str::IStr* ArrayBase::toXml(str::IStr* str, bool append) const {
    str = textTarget(str, append);
    str->append(u"<");
    str->append(getClassName());
    str->append(u" length=\"");
    str->append(length_);
    str->append(u"\">");
    appendAllHex(str, true);
    str->append(u"</");
    str->append(getClassName());
    str->append(u">");
    return str;
}

str::IStr* ArrayBase::digest(str::IDigester* digester, std::int32_t a, std::int32_t b) const {
    if (digester == nullptr)
        return nullptr;
    if (length_ != 0)
        digester->update(buffer_, byteSize());
    return digester->result(a, b);
}

str::IStr* ArrayBase::appendAllHex(str::IStr* str, bool append) const {
    str = textTarget(str, append);
    for (std::uint32_t i = 0; i < length_; ++i)
        appendElementHex(str, elementAt(i));
    return str;
}

} // namespace s::col::_array
