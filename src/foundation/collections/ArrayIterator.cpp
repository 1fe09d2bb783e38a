#include "foundation/collections/ArrayIterator.h"

#include "foundation/collections/ArrayBase.h"
#include "foundation/objects/Pools.h"

namespace s::col::_array {

base::IObject* Iterator::newInstance() const {
    return thread::take<Iterator>();
}

void Iterator::release() {
    thread::giveBack(this);
}

void Iterator::clear() {
    index_ = -1;
    owner_ = nullptr;
    cursor_ = nullptr;
}

Iterator* Iterator::over(ArrayBase* owner, std::int32_t index, std::uint32_t cursor) {
    Iterator* it = thread::take<Iterator>();
    it->owner_ = owner;
    it->index_ = index;
    it->cursor_ = static_cast<std::uint8_t*>(owner->elementPointer(cursor));
    return it;
}

void Iterator::setIndex(std::int32_t i) {
    // The cursor keeps its distance from the index.
    skip(i - index_);
}

bool Iterator::hasNext() const {
    return owner_ != nullptr && index_ < static_cast<std::int32_t>(owner_->length()) - 1;
}

void Iterator::skip(std::int32_t n) {
    if (n == 0)
        return;
    cursor_ += static_cast<std::ptrdiff_t>(n) * owner_->elementSize();
    index_ += n;
}

void Iterator::skipBack(std::int32_t n) {
    skip(-n);
}

void* Iterator::next() {
    std::uint8_t* at = cursor_;
    cursor_ += owner_->elementSize();
    ++index_;
    return at;
}

void* Iterator::previous() {
    cursor_ -= owner_->elementSize();
    --index_;
    return cursor_;
}

} // namespace s::col::_array
