#include "foundation/strings/StrIterator.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

namespace s::str::strbuffer {

base::IObject* Iterator::newInstance() const {
    return thread::take<Iterator>();
}

void Iterator::release() {
    thread::giveBack(this);
}

void Iterator::clear() {
    index_ = -1;
    owner_ = nullptr;
    current_ = nullptr;
}

Iterator* Iterator::over(const StrBuffer* owner, std::int32_t index, std::uint32_t cursor) {
    Iterator* it = thread::take<Iterator>();
    it->owner_ = owner;
    it->index_ = index;
    it->current_ = const_cast<StrBuffer*>(owner)->buffer() + cursor;
    return it;
}

void Iterator::setIndex(std::int32_t i) {
    // The cursor is the unit next() returns: one behind the index.
    current_ += (i - index_);
    index_ = i;
}

bool Iterator::hasNext() const {
    return owner_ != nullptr && index_ < static_cast<std::int32_t>(owner_->length()) - 1;
}

void Iterator::skip(std::int32_t n) {
    for (std::int32_t i = 0; i < n; ++i)
        next();
}

void Iterator::skipBack(std::int32_t n) {
    for (std::int32_t i = 0; i < n; ++i)
        previous();
}

void* Iterator::next() {
    const char16_t* at = current_;
    ++current_;
    ++index_;
    return const_cast<char16_t*>(at);
}

void* Iterator::previous() {
    --current_;
    --index_;
    return const_cast<char16_t*>(current_);
}

} // namespace s::str::strbuffer
