#pragma once

#include "foundation/objects/IGenerator.h"
#include "foundation/objects/IObject.h"
#include "foundation/threads/ObjLocker.h"

#include <cstdint>
#include <vector>

namespace s::thread {

// An object pool driven by three plain functions. Idle objects form a stack
// (last in, first out); at most limit of them are kept.
class EasyPooler : public base::IObject, public base::IGenerator, public base::IDestructor {
public:
    using CreateFunction = void* (*)();
    using ObjectFunction = void (*)(void* object);

    EasyPooler(std::int32_t limit, CreateFunction create, ObjectFunction destroy,
               ObjectFunction reset);
    // Destroys every idle object.
    ~EasyPooler() override;
    EasyPooler(const EasyPooler&) = delete;
    EasyPooler& operator=(const EasyPooler&) = delete;

    const char16_t* getClassName() const override { return u"s_thread_EasyPooler"; }
    base::IObject* newInstance() const override;

    // An idle object, or a new one when none is idle.
    void* take();
    // Keeps the object (reset) while fewer than limit are idle, else destroys it.
    void giveBack(void* object);

    void* generate() override { return take(); }
    void destroy(void** pointer) override;

    std::int32_t idleCount();
    std::int32_t limit() const { return limit_; }

private:
    ObjLocker lock_;
    std::vector<void*> idle_;
    std::int32_t limit_;
    CreateFunction create_;
    ObjectFunction destroy_;
    ObjectFunction reset_;
};

} // namespace s::thread
