#include "foundation/collections/ICollection.h"

namespace s::col {

IteratorBase* IEnumerable::iteratorAt(std::uint32_t i) {
    IteratorBase* it = iterator();
    if (it != nullptr)
        it->skip(static_cast<std::int32_t>(i));
    return it;
}

IteratorBase* IEnumerable::iteratorFromEnd(std::uint32_t k) {
    IteratorBase* it = iteratorAtEnd();
    if (it != nullptr)
        it->skipBack(static_cast<std::int32_t>(k));
    return it;
}

void* IEnumerable::elementPointer(std::uint32_t i) {
    IteratorBase* it = iteratorAt(i);
    if (it == nullptr)
        return nullptr;
    void* element = it->next();
    it->release();
    return element;
}

} // namespace s::col
