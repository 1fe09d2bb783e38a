#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/strings/StrBuffer.h"

#include <cstdint>

// The registry functions of NTDLL, looked up by name once per process, and
// the few calls the key model makes through them. Keys are native handles
// (void*), opened with full access and case-insensitive names.
namespace s::reg::win::nt {

// Whether every function the key model calls was found.
bool ready();
// \Registry\User\ and the current user's SID (\Registry\User\.Default when
// the token cannot be read).
const char16_t* currentUserPath();

bool openKey(const char16_t* nativePath, void** outKey);
bool createKey(const char16_t* nativePath, void** outKey);
void closeKey(void* key);
void flushKey(void* key);
void deleteKey(void* key);
bool renameKey(void* key, const char16_t* newName);

// The name of the subkey or value at index; false past the last one.
bool subKeyName(void* key, std::uint32_t index, str::StrBuffer& outName);
bool valueName(void* key, std::uint32_t index, str::StrBuffer& outName);

// Reads a value's type and size; its bytes go to outData only when its type
// is requiredType (-1: any). False when the value cannot be read or its type
// differs.
bool queryValue(void* key, const char16_t* name, std::uint32_t& outType, std::uint32_t& outSize,
                std::int32_t requiredType, col::_array::ArrayU08& outData);
bool setValue(void* key, const char16_t* name, std::uint32_t type, const void* data,
              std::uint32_t size);
bool deleteValue(void* key, const char16_t* name);

} // namespace s::reg::win::nt
