#include "foundation/strings/StrArray.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

namespace s::str::strarray {

StrArray::StrArray() {
    strings_.setDestroyer(&thread::poolOf<StrBuffer>());
}

StrArray::~StrArray() {
    // Destroyed outright, not recycled: the string pool may already be gone
    // when an idle array is destroyed at exit.
    for (std::uint32_t i = 0; i < strings_.length(); ++i)
        delete at(i);
    strings_.setDestroyer(nullptr);
}

base::IObject* StrArray::newInstance() const {
    return thread::take<StrArray>();
}

void StrArray::release() {
    thread::giveBack(this);
}

void StrArray::clear() {
    strings_.freeMemory();
    strings_.setDestroyer(&thread::poolOf<StrBuffer>());
}

void StrArray::createDependentPools() {
    thread::poolOf<StrBuffer>();
}

strbuffer::StrBuffer* StrArray::at(std::uint32_t i) const {
    return static_cast<strbuffer::StrBuffer*>(strings_.at(i));
}

void StrArray::add(strbuffer::StrBuffer* string) {
    strings_.add(string);
}

} // namespace s::str::strarray
