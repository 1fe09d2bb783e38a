#include "foundation/objects/CleanerIObject.h"

#include "foundation/objects/IObject.h"

namespace s::cleaner {

void CleanerIObject::destroy(void** pointer) {
    if (pointer == nullptr || *pointer == nullptr)
        return;
    delete static_cast<base::IObject*>(*pointer);
    *pointer = nullptr;
}

CleanerIObject& CleanerIObject::instance() {
    static CleanerIObject cleaner;
    return cleaner;
}

} // namespace s::cleaner
