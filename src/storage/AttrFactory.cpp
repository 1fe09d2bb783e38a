#include "storage/AttrFactory.h"

#include <cstdlib>
#include <cstring>

namespace s::xml {

AttrFactory& AttrFactory::instance() {
    static AttrFactory factory;
    return factory;
}

AttrFactory::~AttrFactory() { destroyIdle(); }

void* AttrFactory::generate() { return std::calloc(1, sizeof(Attr)); }

std::uint32_t AttrFactory::sizeOf(void*) { return sizeof(Attr); }

void AttrFactory::resetObject(void* object) {
    auto* record = static_cast<Attr*>(object);
    std::free(record->name);
    std::free(record->value);
    std::memset(record, 0, sizeof *record);
}

void AttrFactory::destroyObject(void** object) {
    if (object == nullptr || *object == nullptr)
        return;
    resetObject(*object);
    std::free(*object);
    *object = nullptr;
}

} // namespace s::xml
