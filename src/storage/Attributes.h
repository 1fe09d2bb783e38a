#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/objects/IObject.h"
#include "storage/AttrFactory.h"

#include <cstdint>

namespace s::xml {

// An element's attributes and text stretches in insertion order. Records
// come from and go back to the AttrFactory pool.
class Attributes : public base::IObject {
public:
    Attributes();
    ~Attributes() override;
    Attributes(const Attributes&) = delete;
    Attributes& operator=(const Attributes&) = delete;

    const char16_t* getClassName() const override { return u"s_xml_Attributes"; }
    base::IObject* newInstance() const override { return new Attributes; }

    std::int32_t count() const { return static_cast<std::int32_t>(records_.length()); }
    Attr* at(std::int32_t index) const {
        return static_cast<Attr*>(records_.at(static_cast<std::uint32_t>(index)));
    }

    // Appends a record holding copies of name and value (length -1: up to
    // the terminator); does not look for an existing one of that name.
    Attr* add(const char16_t* name, std::int32_t nameLength, const char16_t* value,
              std::int32_t valueLength);

    // The first record from index from whose name equals name ignoring case
    // (null counts as ""): its index, or -1.
    std::int32_t indexOf(const char16_t* name, std::int32_t from = 0) const;
    const Attr* find(const char16_t* name) const;

    void removeAt(std::int32_t index);
    // Removes every record of that name; answers how many there were.
    std::int32_t removeAll(const char16_t* name);
    void removeAll();
    // The list is complete: no room kept for more.
    void fitToCount() { records_.fitToLength(); }

private:
    col::ArrayP records_;
};

} // namespace s::xml
