#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"

#include <cstdint>

namespace s::io {
class IInputStream;

// Something that can be read as a byte stream.
class IInputStreamable {
public:
    virtual ~IInputStreamable() = default;
    // A pooled stream over the object, or null when it has none.
    virtual IInputStream* getInputStream() { return nullptr; }
};
} // namespace s::io

namespace s::col {

// Walks the elements of a string or a collection in either direction.
class IteratorBase : public base::IObject, public thread::IPoolable {
public:
    virtual std::int32_t index() const = 0;
    virtual void setIndex(std::int32_t i) = 0;
    virtual bool hasNext() const = 0;
    virtual bool hasPrevious() const = 0;
    virtual void skip(std::int32_t n) = 0;
    virtual void skipBack(std::int32_t n) = 0;
    // The address of the element at the cursor; the cursor moves on.
    virtual void* next() = 0;
    // The cursor moves back; the address of the element now at it.
    virtual void* previous() = 0;
};

class IEnumerable {
public:
    virtual ~IEnumerable() = default;
    virtual IteratorBase* iterator() { return nullptr; }
    virtual IteratorBase* iteratorAtEnd() { return nullptr; }
    virtual IteratorBase* iteratorAt(std::uint32_t i);
    virtual IteratorBase* iteratorFromEnd(std::uint32_t k);
    virtual void* elementPointer(std::uint32_t i);
};

class ICollection : public base::IObject,
                    public io::IInputStreamable,
                    public thread::IPoolable,
                    public IEnumerable {};

} // namespace s::col
