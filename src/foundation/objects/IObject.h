#pragma once

#include <cstdint>

namespace s::base {

// A three-way comparison of two objects (or elements) the comparator knows.
class IComparator {
public:
    virtual ~IComparator() = default;
    virtual std::int32_t compare(const void* a, const void* b) = 0;
    virtual std::int32_t compareIgnoreCase(const void* a, const void* b) { return compare(a, b); }
};

// Comparison, equality and hashing. Without a comparator, objects compare by
// address and hash by class.
class IComparable {
public:
    virtual ~IComparable() = default;
    virtual std::int32_t compareTo(const IComparable* other, IComparator* comparator = nullptr) const;
    virtual std::int32_t compareToIgnoreCase(const IComparable* other,
                                             IComparator* comparator = nullptr) const;
    virtual bool equals(const IComparable* other, IComparator* comparator = nullptr) const;
    virtual bool equalsIgnoreCase(const IComparable* other,
                                  IComparator* comparator = nullptr) const;
    virtual std::int32_t hashCode() const;
    virtual std::int32_t hashCodeIgnoreCase() const { return hashCode(); }

    // The class-name string: the qualified name with "::" turned into "_".
    virtual const char16_t* getClassName() const = 0;
};

// The base of every framework class.
class IObject : public IComparable {
public:
    // A new object of the same class in its initial state: from the class's
    // pool where it has one. The caller releases it.
    virtual IObject* newInstance() const = 0;
};

// A hash of a class-name string, the same in every build and process.
std::int32_t classNameHash(const char16_t* className);

} // namespace s::base
