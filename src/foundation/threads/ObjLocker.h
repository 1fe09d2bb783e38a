#pragma once

#include "foundation/objects/IGenerator.h"
#include "foundation/objects/IObject.h"
#include "foundation/system/Platform.h"

namespace s::thread {

// A critical section together with an optional shared object that it guards
// and owns. Users enter and leave the section and use the object in between.
class ObjLocker : public base::IObject {
public:
    using FreeFunction = void (*)(void* object);

    ObjLocker() = default;
    // Owns object; disposed of with freeFunction.
    ObjLocker(void* object, FreeFunction freeFunction);
    // Owns object; disposed of through the destroyer.
    ObjLocker(void* object, base::IDestructor* destroyer);
    // Owns object; deleted through its virtual destructor.
    explicit ObjLocker(base::IObject* object);
    ~ObjLocker() override;
    ObjLocker(const ObjLocker&) = delete;
    ObjLocker& operator=(const ObjLocker&) = delete;

    const char16_t* getClassName() const override { return u"s_thread_ObjLocker"; }
    base::IObject* newInstance() const override { return new ObjLocker; }

    void enter() { criticalSection_.enter(); }
    void leave() { criticalSection_.leave(); }
    void* object() const { return object_; }

private:
    void* object_ = nullptr;
    FreeFunction freeFunction_ = nullptr;
    base::IDestructor* destroyer_ = nullptr;
    bool plainObject_ = false;
    platform::CriticalSection criticalSection_;
};

// Holds an ObjLocker's critical section for the lifetime of the guard.
class ObjLockerGuard {
public:
    explicit ObjLockerGuard(ObjLocker& locker) : locker_(locker) { locker_.enter(); }
    ~ObjLockerGuard() { locker_.leave(); }
    ObjLockerGuard(const ObjLockerGuard&) = delete;
    ObjLockerGuard& operator=(const ObjLockerGuard&) = delete;

private:
    ObjLocker& locker_;
};

} // namespace s::thread
