#pragma once

namespace s::thread {

// Carried by every pooled class.
class IPoolable {
public:
    virtual ~IPoolable() = default;
    // Hands the object back: to its pool when the class has one, else deletes it.
    virtual void release() = 0;
    // Back to the initial state, freeing what the object holds.
    virtual void clear() = 0;
};

} // namespace s::thread
