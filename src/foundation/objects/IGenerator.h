#pragma once

namespace s::base {

// A source of new or recycled objects.
class IGenerator {
public:
    virtual ~IGenerator() = default;
    virtual void* generate() = 0;
};

// Disposes of the object *pointer designates (back to a pool, or destroyed)
// and nulls the pointer; does nothing when it is already null. The pointer
// is of the type the disposer deals in: an IObject* for CleanerIObject, the
// pool's own object type for a pool.
class IDestructor {
public:
    virtual ~IDestructor() = default;
    virtual void destroy(void** pointer) = 0;
};

} // namespace s::base
