#include "foundation/collections/Arrays.h"

#include "foundation/collections/Comparators.h"
#include "foundation/objects/Pools.h"

namespace s::col::_array {

template <class Derived, class T> base::IObject* ValueArray<Derived, T>::newInstance() const {
    return thread::take<Derived>();
}

template <class Derived, class T> void ValueArray<Derived, T>::release() {
    thread::giveBack(static_cast<Derived*>(this));
}

template <class Derived, class T>
void ValueArray<Derived, T>::appendElementText(str::IStr* str, const void* element) const {
    T value;
    std::memcpy(&value, element, sizeof value);
    // Bytes print through the 32-bit forms, as "%d" and "%u" promote them.
    if constexpr (sizeof(T) == 8)
        str->append(static_cast<std::int64_t>(value));
    else if constexpr (std::is_signed_v<T>)
        str->append(static_cast<std::int32_t>(value));
    else
        str->append(static_cast<std::uint32_t>(value));
}

template <class Derived, class T>
void ValueArray<Derived, T>::appendElementHex(str::IStr* str, const void* element) const {
    if constexpr (sizeof(T) == 1)
        str->appendHex8(static_cast<const std::uint8_t*>(element), 1);
    else if constexpr (sizeof(T) == 4)
        str->appendHex32(static_cast<const std::uint32_t*>(element), 1);
    else
        str->appendHex64(static_cast<const std::uint64_t*>(element), 1);
}

template <class Derived, class T>
str::IStr* ValueArray<Derived, T>::appendAllHex(str::IStr* str, bool append) const {
    str = textTarget(str, append);
    if (length() == 0)
        return str;
    if constexpr (sizeof(T) == 1)
        str->appendHex8(static_cast<const std::uint8_t*>(data()), length());
    else if constexpr (sizeof(T) == 4)
        str->appendHex32(static_cast<const std::uint32_t*>(data()), length());
    else
        str->appendHex64(static_cast<const std::uint64_t*>(data()), length());
    return str;
}

template class ValueArray<ArrayU08, std::uint8_t>;
template class ValueArray<ArrayS08, std::int8_t>;
template class ValueArray<ArrayS32, std::int32_t>;
template class ValueArray<ArrayU32, std::uint32_t>;
template class ValueArray<ArrayS64, std::int64_t>;

base::IComparator* ArrayU08::elementComparator() const {
    return &comp::CompU08::instance();
}
base::IComparator* ArrayS08::elementComparator() const {
    return &comp::CompS08::instance();
}
base::IComparator* ArrayS32::elementComparator() const {
    return &comp::CompS32::instance();
}
base::IComparator* ArrayU32::elementComparator() const {
    return &comp::CompU32::instance();
}
base::IComparator* ArrayS64::elementComparator() const {
    return &comp::CompS64::instance();
}

base::IObject* ArrayP::newInstance() const {
    return thread::take<ArrayP>();
}

void ArrayP::release() {
    thread::giveBack(this);
}

void ArrayP::clear() {
    freeMemory();
    destroyer_ = nullptr;
}

void ArrayP::freeMemory() {
    if (destroyer_ != nullptr) {
        for (std::uint32_t i = 0; i < length(); ++i)
            destroyer_->destroy(static_cast<void**>(elementAt(i)));
    }
    ArrayBase::freeMemory();
}

void ArrayP::appendElementText(str::IStr* str, const void* element) const {
    void* object;
    std::memcpy(&object, element, sizeof object);
    if (object != nullptr)
        str->append(static_cast<const base::IObject*>(object)->getClassName());
    str->append(u'(');
    str->append(static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(object)));
    str->append(u')');
}

base::IComparator* ArrayP::elementComparator() const {
    return &comp::CompP::instance();
}

} // namespace s::col::_array
