#pragma once

#include "foundation/objects/IObject.h"

#include <cstdint>
#include <cstring>

// Orderings of single array elements. compare(a, b) takes the addresses of
// two elements and answers -1, 0 or 1; each class has one shared, stateless
// instance that the arrays use.
namespace s::comp {

namespace detail {

template <class T> class ValueOrder : public base::IObject, public base::IComparator {
public:
    std::int32_t compare(const void* a, const void* b) override {
        // Elements are read by copy: a caller may hand in the address of a
        // packed or byte-addressed element.
        T x;
        T y;
        std::memcpy(&x, a, sizeof x);
        std::memcpy(&y, b, sizeof y);
        if (x < y)
            return -1;
        return x == y ? 0 : 1;
    }
};

} // namespace detail

// Pointers by address.
class CompP final : public detail::ValueOrder<std::uintptr_t> {
public:
    const char16_t* getClassName() const override { return u"s_comp_CompP"; }
    base::IObject* newInstance() const override { return new CompP; }
    static CompP& instance();
};

class CompU08 final : public detail::ValueOrder<std::uint8_t> {
public:
    const char16_t* getClassName() const override { return u"s_comp_CompU08"; }
    base::IObject* newInstance() const override { return new CompU08; }
    static CompU08& instance();
};

class CompS08 final : public detail::ValueOrder<std::int8_t> {
public:
    const char16_t* getClassName() const override { return u"s_comp_CompS08"; }
    base::IObject* newInstance() const override { return new CompS08; }
    static CompS08& instance();
};

class CompS32 final : public detail::ValueOrder<std::int32_t> {
public:
    const char16_t* getClassName() const override { return u"s_comp_CompS32"; }
    base::IObject* newInstance() const override { return new CompS32; }
    static CompS32& instance();
};

class CompU32 final : public detail::ValueOrder<std::uint32_t> {
public:
    const char16_t* getClassName() const override { return u"s_comp_CompU32"; }
    base::IObject* newInstance() const override { return new CompU32; }
    static CompU32& instance();
};

class CompS64 final : public detail::ValueOrder<std::int64_t> {
public:
    const char16_t* getClassName() const override { return u"s_comp_CompS64"; }
    base::IObject* newInstance() const override { return new CompS64; }
    static CompS64& instance();
};

} // namespace s::comp
