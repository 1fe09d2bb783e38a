#include "storage/Attributes.h"

#include "storage/XmlText.h"

#include <cstdlib>
#include <cstring>

namespace s::xml {

namespace {
char16_t* copyOf(const char16_t* units, std::int32_t n) {
    auto* copy = static_cast<char16_t*>(std::malloc(2 * (static_cast<std::size_t>(n) + 1)));
    if (n > 0)
        std::memcpy(copy, units, 2 * static_cast<std::size_t>(n));
    copy[n] = 0;
    return copy;
}
} // namespace

Attributes::Attributes() { records_.setDestroyer(&AttrFactory::instance()); }

Attributes::~Attributes() { removeAll(); }

Attr* Attributes::add(const char16_t* name, std::int32_t nameLength, const char16_t* value,
                      std::int32_t valueLength) {
    if (nameLength < 0)
        nameLength = text::length(name);
    if (valueLength < 0)
        valueLength = text::length(value);
    Attr* record = AttrFactory::instance().takeRecord();
    record->nameLength = nameLength;
    record->name = copyOf(name, nameLength);
    record->valueLength = valueLength;
    record->value = copyOf(value, valueLength);
    records_.add(record);
    return record;
}

std::int32_t Attributes::indexOf(const char16_t* name, std::int32_t from) const {
    if (name == nullptr)
        name = u"";
    for (std::int32_t i = from; i < count(); ++i)
        if (text::equalsIgnoreCase(at(i)->name, name))
            return i;
    return -1;
}

const Attr* Attributes::find(const char16_t* name) const {
    std::int32_t i = indexOf(name);
    return i < 0 ? nullptr : at(i);
}

void Attributes::removeAt(std::int32_t index) {
    void* record = records_.at(static_cast<std::uint32_t>(index));
    records_.remove(static_cast<std::uint32_t>(index), 1);
    AttrFactory::instance().destroy(&record);
}

std::int32_t Attributes::removeAll(const char16_t* name) {
    std::int32_t removed = 0;
    for (std::int32_t i = indexOf(name); i >= 0; i = indexOf(name, i)) {
        removeAt(i);
        ++removed;
    }
    return removed;
}

void Attributes::removeAll() { records_.freeMemory(); }

} // namespace s::xml
