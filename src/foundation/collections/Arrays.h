#pragma once

#include "foundation/collections/ArrayBase.h"
#include "foundation/objects/IGenerator.h"
#include "foundation/strings/IStr.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace s::col::_array {

// An array of plain numbers of type T, pooled in Derived's pool. The text of
// an element is its decimal value, its hex form fixed-width lower case.
template <class Derived, class T> class ValueArray : public ArrayBase {
public:
    static_assert(sizeof(T) == 1 || sizeof(T) == 4 || sizeof(T) == 8);

    ValueArray() : ArrayBase(static_cast<std::uint32_t>(std::countr_zero(sizeof(T)))) {}

    base::IObject* newInstance() const override;
    void release() override;

    void add(T value) { append(&value, 1); }
    T at(std::uint32_t i) const {
        T value;
        std::memcpy(&value, elementAt(i), sizeof value);
        return value;
    }

    void appendElementText(str::IStr* str, const void* element) const override;
    void appendElementHex(str::IStr* str, const void* element) const override;
    // The whole block in one call.
    str::IStr* appendAllHex(str::IStr* str = nullptr, bool append = true) const override;
};

class ArrayU08 final : public ValueArray<ArrayU08, std::uint8_t> {
public:
    const char16_t* getClassName() const override { return u"s_col__array_ArrayU08"; }
    base::IComparator* elementComparator() const override;
};

class ArrayS08 final : public ValueArray<ArrayS08, std::int8_t> {
public:
    const char16_t* getClassName() const override { return u"s_col__array_ArrayS08"; }
    base::IComparator* elementComparator() const override;
};

class ArrayS32 final : public ValueArray<ArrayS32, std::int32_t> {
public:
    const char16_t* getClassName() const override { return u"s_col__array_ArrayS32"; }
    base::IComparator* elementComparator() const override;
};

class ArrayU32 final : public ValueArray<ArrayU32, std::uint32_t> {
public:
    const char16_t* getClassName() const override { return u"s_col__array_ArrayU32"; }
    base::IComparator* elementComparator() const override;
};

class ArrayS64 final : public ValueArray<ArrayS64, std::int64_t> {
public:
    const char16_t* getClassName() const override { return u"s_col__array_ArrayS64"; }
    base::IComparator* elementComparator() const override;
};

// An array of object pointers. With a destroyer set the array owns its
// elements: freeMemory disposes of each through it, and clear (also run when
// the array goes back to its pool) does so and then forgets the destroyer.
// Destroying the array frees only its block. The elements are stored as the
// destroyer deals in them (the pool's own type for a pool); their text form
// reads them as IObject, which every framework class starts with.
class ArrayP final : public ArrayBase {
public:
    ArrayP() : ArrayBase(static_cast<std::uint32_t>(std::countr_zero(sizeof(void*)))) {}

    const char16_t* getClassName() const override { return u"s_col__array_ArrayP"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;
    void freeMemory() override;

    void add(void* element) { append(&element, 1); }
    void* at(std::uint32_t i) const {
        void* element;
        std::memcpy(&element, elementAt(i), sizeof element);
        return element;
    }

    void setDestroyer(base::IDestructor* destroyer) { destroyer_ = destroyer; }
    base::IDestructor* destroyer() const { return destroyer_; }

    void appendElementText(str::IStr* str, const void* element) const override;
    // Addresses have no stable hex form: nothing is written.
    void appendElementHex(str::IStr*, const void*) const override {}
    base::IComparator* elementComparator() const override;

private:
    base::IDestructor* destroyer_ = nullptr;
};

} // namespace s::col::_array

namespace s::col {
using _array::ArrayP;
using _array::ArrayS08;
using _array::ArrayS32;
using _array::ArrayS64;
using _array::ArrayU08;
using _array::ArrayU32;
} // namespace s::col
