#pragma once

#include "foundation/objects/IGenerator.h"
#include "foundation/objects/IObject.h"
#include "foundation/threads/ObjLocker.h"

#include <cstdint>
#include <vector>

namespace s::thread {

// An object pool driven by overridable operations, with optional accounting
// of the idle objects' sizes. An object is refused only when more than
// maxCount are idle, so up to maxCount + 1 can be kept.
class PoolerBase : public base::IObject, public base::IGenerator, public base::IDestructor {
public:
    PoolerBase() = default;
    // Destroying a pool leaves its idle objects to the subclass's destructor,
    // which must call destroyIdle(): the virtual destroyObject is gone here.
    ~PoolerBase() override = default;
    PoolerBase(const PoolerBase&) = delete;
    PoolerBase& operator=(const PoolerBase&) = delete;

    const char16_t* getClassName() const override { return u"s_thread_PoolerBase"; }

    virtual std::uint32_t sizeOf(void* object);
    // size -1: sizeOf supplies it.
    virtual void giveBack(void* object, std::int32_t size);
    virtual void* take();
    virtual void resetObject(void* object) = 0;
    virtual void destroyObject(void** object) = 0;

    void destroy(void** pointer) override;

    void setSizeAccounting(bool on) { sizeAccounting_ = on; }
    void setMaxCount(std::uint32_t count) { maxCount_ = count; }
    std::int32_t idleCount();
    std::uint32_t totalSize();

protected:
    void destroyIdle();

private:
    ObjLocker lock_;
    std::vector<void*> idle_;
    std::uint32_t maxCount_ = 1000;
    std::uint32_t maxObjectSize_ = 1024;
    std::uint32_t maxTotalSize_ = 102400;
    std::uint32_t totalSize_ = 0;
    bool sizeAccounting_ = false;
};

class Factory : public PoolerBase {
public:
    const char16_t* getClassName() const override { return u"s_thread_Factory"; }
};

} // namespace s::thread
