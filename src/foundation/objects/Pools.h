#pragma once

#include "foundation/objects/EasyPooler.h"

#include <cstdint>

// The process-wide pools of the pooled classes. Each pool is created on first
// use and destroyed at process exit, in reverse order of creation.
namespace s::thread {

inline constexpr std::int32_t kDefaultPoolLimit = 1000;

// A class may set its own limit with a static kPoolLimit (0 for classes that
// hold window-system resources, so that a release destroys at once), and may
// name pools it needs in its destructor with a static createDependentPools():
// those are then created first and so outlive this one.
template <class T> constexpr std::int32_t poolLimitOf() {
    if constexpr (requires { T::kPoolLimit; })
        return T::kPoolLimit;
    return kDefaultPoolLimit;
}

template <class T> EasyPooler& poolOf() {
    if constexpr (requires { T::createDependentPools(); }) {
        static const bool dependenciesCreated = (T::createDependentPools(), true);
        (void)dependenciesCreated;
    }
    static EasyPooler pool(
        poolLimitOf<T>(), []() -> void* { return new T; },
        [](void* object) { delete static_cast<T*>(object); },
        [](void* object) { static_cast<T*>(object)->clear(); });
    return pool;
}

// Takes an object of T from its pool; the caller gives it back with release().
template <class T> T* take() { return static_cast<T*>(poolOf<T>().take()); }

template <class T> void giveBack(T* object) { poolOf<T>().giveBack(object); }

// Zeroed 16-byte records, and the 12-byte entry records of the hash map.
EasyPooler& recordPool16();
EasyPooler& mapEntryPool();

} // namespace s::thread
