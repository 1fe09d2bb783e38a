#include "foundation/threads/ObjLocker.h"

namespace s::thread {

ObjLocker::ObjLocker(void* object, FreeFunction freeFunction)
    : object_(object), freeFunction_(freeFunction) {}

ObjLocker::ObjLocker(void* object, base::IDestructor* destroyer)
    : object_(object), destroyer_(destroyer) {}

ObjLocker::ObjLocker(base::IObject* object) : object_(object), plainObject_(true) {}

ObjLocker::~ObjLocker() {
    if (object_ != nullptr) {
        if (freeFunction_ != nullptr)
            freeFunction_(object_);
        else if (destroyer_ != nullptr)
            destroyer_->destroy(&object_);
        else if (plainObject_)
            delete static_cast<base::IObject*>(object_);
        object_ = nullptr;
    }
}

} // namespace s::thread
