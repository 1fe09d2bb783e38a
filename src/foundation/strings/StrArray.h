#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"

#include <cstdint>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::str::strarray {

// A pooled list of strings that owns them: clearing it gives every string
// back to the string pool, destroying it destroys them.
class StrArray : public base::IObject, public thread::IPoolable {
public:
    StrArray();
    ~StrArray() override;
    StrArray(const StrArray&) = delete;
    StrArray& operator=(const StrArray&) = delete;

    const char16_t* getClassName() const override { return u"s_str_strarray_StrArray"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    col::_array::ArrayP& strings() { return strings_; }
    std::uint32_t count() const { return strings_.length(); }
    strbuffer::StrBuffer* at(std::uint32_t i) const;
    // Takes ownership of the string.
    void add(strbuffer::StrBuffer* string);

    // The string pool is created first, so that it outlives this pool.
    static void createDependentPools();

private:
    col::_array::ArrayP strings_;
};

} // namespace s::str::strarray

namespace s::str {
using strarray::StrArray;
}
