#include "foundation/objects/IObject.h"

namespace s::base {

std::int32_t IComparable::compareTo(const IComparable* other, IComparator* comparator) const {
    if (comparator != nullptr)
        return comparator->compare(this, other);
    if (this == other)
        return 0;
    return reinterpret_cast<std::uintptr_t>(this) < reinterpret_cast<std::uintptr_t>(other) ? -1
                                                                                            : 1;
}

std::int32_t IComparable::compareToIgnoreCase(const IComparable* other,
                                              IComparator* comparator) const {
    if (comparator != nullptr)
        return comparator->compareIgnoreCase(this, other);
    return compareTo(other, nullptr);
}

bool IComparable::equals(const IComparable* other, IComparator* comparator) const {
    return compareTo(other, comparator) == 0;
}

bool IComparable::equalsIgnoreCase(const IComparable* other, IComparator* comparator) const {
    return compareToIgnoreCase(other, comparator) == 0;
}

std::int32_t IComparable::hashCode() const { return classNameHash(getClassName()); }

std::int32_t classNameHash(const char16_t* className) {
    // FNV-1a over the UTF-16 units.
    std::uint32_t hash = 2166136261u;
    for (const char16_t* c = className; c != nullptr && *c != 0; ++c) {
        hash ^= static_cast<std::uint32_t>(*c);
        hash *= 16777619u;
    }
    return static_cast<std::int32_t>(hash);
}

} // namespace s::base
