#include "foundation/collections/CollectionInputStream.h"

#include "foundation/collections/ArrayIterator.h"
#include "foundation/objects/Pools.h"

#include <cstring>

namespace s::col {

CollectionInputStream::~CollectionInputStream() {
    close();
}

base::IObject* CollectionInputStream::newInstance() const {
    return thread::take<CollectionInputStream>();
}

void CollectionInputStream::release() {
    thread::giveBack(this);
}

void CollectionInputStream::clear() {
    // Forgetting a live iterator would leak it from its pool.
    close();
    collection_ = nullptr;
    elementSize_ = 0;
}

void CollectionInputStream::createDependentPools() {
    thread::poolOf<_array::Iterator>();
}

CollectionInputStream* CollectionInputStream::over(ICollection* collection,
                                                   std::uint32_t elementSize) {
    CollectionInputStream* stream = thread::take<CollectionInputStream>();
    stream->collection_ = collection;
    stream->elementSize_ = elementSize;
    return stream;
}

bool CollectionInputStream::read(void* buffer, std::uint32_t n, std::uint32_t* count) {
    if (count != nullptr)
        *count = 0;
    if (n == 0)
        return true;
    if (iterator_ == nullptr && collection_ != nullptr)
        iterator_ = collection_->iterator();
    if (iterator_ == nullptr || elementSize_ == 0)
        return false;
    // Only whole elements are taken, and only as many as the caller can
    // receive: an element the iterator has passed cannot be read again.
    std::uint32_t room = n < kBlockSize ? n : kBlockSize;
    std::uint32_t filled = 0;
    while (filled + elementSize_ <= room && iterator_->hasNext()) {
        std::memcpy(block_ + filled, iterator_->next(), elementSize_);
        filled += elementSize_;
    }
    if (filled != 0)
        std::memcpy(buffer, block_, filled);
    if (count != nullptr)
        *count = filled;
    return filled != 0;
}

void CollectionInputStream::close() {
    if (iterator_ != nullptr) {
        iterator_->release();
        iterator_ = nullptr;
    }
}

void CollectionInputStream::dispose() {
    close();
    release();
}

} // namespace s::col
