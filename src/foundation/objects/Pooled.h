#pragma once

#include <utility>

namespace s::thread {

// Holds a pooled object (one taken with take, newInstance or a factory such
// as PathWin::of) and gives it back with its release() when it leaves scope
// or is reset, so that no early return forgets it. Not copyable; a move hands
// the object over and leaves the source empty.
template <class T> class Pooled {
public:
    Pooled() = default;
    explicit Pooled(T* object) : object_(object) {}
    ~Pooled() { giveBack(object_); }
    Pooled(const Pooled&) = delete;
    Pooled& operator=(const Pooled&) = delete;
    Pooled(Pooled&& other) noexcept : object_(other.detach()) {}
    Pooled& operator=(Pooled&& other) noexcept {
        reset(other.detach());
        return *this;
    }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // Gives back what is held and holds object instead.
    void reset(T* object = nullptr) { giveBack(std::exchange(object_, object)); }
    // Lets go of the object without giving it back: the caller now owns it.
    [[nodiscard]] T* detach() { return std::exchange(object_, nullptr); }

private:
    static void giveBack(T* object) {
        if (object != nullptr)
            object->release();
    }

    T* object_ = nullptr;
};

} // namespace s::thread
