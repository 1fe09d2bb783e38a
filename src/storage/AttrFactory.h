#pragma once

#include "foundation/objects/PoolerBase.h"

#include <cstdint>

namespace s::xml {

// One attribute of an element; the empty name "" marks a stretch of the
// element's text. Name and value are C-heap blocks of exactly length + 1
// units, NUL-terminated; the value is kept escaped, as a file holds it.
struct Attr {
    std::int32_t nameLength;
    char16_t* name;
    std::int32_t valueLength;
    char16_t* value;
};

// The process-wide pool of attribute records.
class AttrFactory final : public thread::Factory {
public:
    static AttrFactory& instance();

    AttrFactory() = default;
    ~AttrFactory() override;

    const char16_t* getClassName() const override { return u"s_xml_AttrFactory"; }
    base::IObject* newInstance() const override { return new AttrFactory; }

    // A zeroed record.
    void* generate() override;
    std::uint32_t sizeOf(void* object) override;
    // Frees name and value and zeroes the record.
    void resetObject(void* object) override;
    void destroyObject(void** object) override;

    Attr* takeRecord() { return static_cast<Attr*>(take()); }
};

} // namespace s::xml
