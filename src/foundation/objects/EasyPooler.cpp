#include "foundation/objects/EasyPooler.h"

namespace s::thread {

EasyPooler::EasyPooler(std::int32_t limit, CreateFunction create, ObjectFunction destroy,
                       ObjectFunction reset)
    : limit_(limit), create_(create), destroy_(destroy), reset_(reset) {}

EasyPooler::~EasyPooler() {
    for (void* object : idle_)
        destroy_(object);
}

base::IObject* EasyPooler::newInstance() const {
    return new EasyPooler(limit_, create_, destroy_, reset_);
}

void* EasyPooler::take() {
    lock_.enter();
    if (!idle_.empty()) {
        void* object = idle_.back();
        idle_.pop_back();
        lock_.leave();
        return object;
    }
    lock_.leave();
    return create_();
}

void EasyPooler::giveBack(void* object) {
    if (object == nullptr)
        return;
    lock_.enter();
    if (static_cast<std::int32_t>(idle_.size()) < limit_) {
        reset_(object);
        idle_.push_back(object);
        lock_.leave();
        return;
    }
    lock_.leave();
    destroy_(object);
}

void EasyPooler::destroy(void** pointer) {
    if (pointer == nullptr || *pointer == nullptr)
        return;
    giveBack(*pointer);
    *pointer = nullptr;
}

std::int32_t EasyPooler::idleCount() {
    ObjLockerGuard guard(lock_);
    return static_cast<std::int32_t>(idle_.size());
}

} // namespace s::thread
