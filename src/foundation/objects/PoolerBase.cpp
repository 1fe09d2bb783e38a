#include "foundation/objects/PoolerBase.h"

namespace s::thread {

std::uint32_t PoolerBase::sizeOf(void*) { return 1024; }

void PoolerBase::giveBack(void* object, std::int32_t size) {
    if (object == nullptr)
        return;
    std::uint32_t bytes = 0;
    if (sizeAccounting_)
        bytes = size < 0 ? sizeOf(object) : static_cast<std::uint32_t>(size);
    lock_.enter();
    bool refused = idle_.size() > maxCount_;
    if (sizeAccounting_)
        refused = refused || bytes > maxObjectSize_ || totalSize_ + bytes > maxTotalSize_;
    if (refused) {
        lock_.leave();
        destroyObject(&object);
        return;
    }
    resetObject(object);
    idle_.push_back(object);
    if (sizeAccounting_)
        totalSize_ += bytes;
    lock_.leave();
}

void* PoolerBase::take() {
    lock_.enter();
    if (!idle_.empty()) {
        void* object = idle_.back();
        idle_.pop_back();
        if (sizeAccounting_)
            totalSize_ -= sizeOf(object);
        lock_.leave();
        return object;
    }
    lock_.leave();
    return generate();
}

void PoolerBase::destroy(void** pointer) {
    if (pointer == nullptr || *pointer == nullptr)
        return;
    giveBack(*pointer, -1);
    *pointer = nullptr;
}

std::int32_t PoolerBase::idleCount() {
    ObjLockerGuard guard(lock_);
    return static_cast<std::int32_t>(idle_.size());
}

std::uint32_t PoolerBase::totalSize() {
    ObjLockerGuard guard(lock_);
    return totalSize_;
}

void PoolerBase::destroyIdle() {
    lock_.enter();
    std::vector<void*> idle;
    idle.swap(idle_);
    totalSize_ = 0;
    lock_.leave();
    for (void* object : idle)
        destroyObject(&object);
}

} // namespace s::thread
