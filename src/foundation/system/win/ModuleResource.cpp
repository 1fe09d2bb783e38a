#include "foundation/system/Platform.h"

#include "foundation/collections/Arrays.h"

#include <windows.h>

namespace s::platform {

bool readResource(const void* module, const char16_t* type, std::int32_t id,
                  col::_array::ArrayU08* bytes) {
    bytes->reset();
    HMODULE handle = module != nullptr ? static_cast<HMODULE>(const_cast<void*>(module))
                                       : GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(handle, MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(type));
    if (resource == nullptr)
        return false;
    // A loaded resource is part of the mapped module image: nothing to free,
    // and the bytes stay valid as long as the module is loaded.
    HGLOBAL loaded = LoadResource(handle, resource);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    DWORD size = SizeofResource(handle, resource);
    if (data == nullptr)
        return false;
    bytes->append(data, size);
    return true;
}

} // namespace s::platform
