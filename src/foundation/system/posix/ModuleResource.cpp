#include "foundation/system/Platform.h"

#include "foundation/collections/Arrays.h"

namespace s::platform {

bool readResource(const void*, const char16_t*, std::int32_t, col::_array::ArrayU08* bytes) {
    bytes->reset();
    return false;
}

} // namespace s::platform
