#include "storage/win/NtRegistry.h"

#include "foundation/system/DiagnosticLog.h"
#include "foundation/threads/ObjLocker.h"

#include <windows.h>

#include <string>

namespace s::reg::win::nt {

namespace {

using NTSTATUS = LONG;

// The native structures, laid out as NTDLL expects them.
struct NativeString {
    USHORT length; // bytes
    USHORT maximumLength;
    const char16_t* buffer;
};

struct ObjectAttributes {
    ULONG length;
    HANDLE rootDirectory;
    NativeString* objectName;
    ULONG attributes;
    void* securityDescriptor;
    void* securityQualityOfService;
};

struct ValuePartialInformation {
    ULONG titleIndex;
    ULONG type;
    ULONG dataLength;
    UCHAR data[1];
};

struct KeyBasicInformation {
    LARGE_INTEGER lastWriteTime;
    ULONG titleIndex;
    ULONG nameLength; // bytes
    char16_t name[1];
};

struct ValueBasicInformation {
    ULONG titleIndex;
    ULONG type;
    ULONG nameLength; // bytes
    char16_t name[1];
};

constexpr ACCESS_MASK kAllAccess = 0xF003F;
constexpr ULONG kCaseInsensitive = 0x40;
constexpr NTSTATUS kBufferOverflow = static_cast<NTSTATUS>(0x80000005);
constexpr NTSTATUS kBufferTooSmall = static_cast<NTSTATUS>(0xC0000023);
constexpr int kKeyBasicInformation = 0;
constexpr int kValueBasicInformation = 0;
constexpr int kValuePartialInformation = 2;
constexpr int kTokenUser = 1;
constexpr std::uint32_t kQueryBufferStart = 16384;
constexpr std::uint32_t kEnumerationBuffer = 1024;

bool succeeded(NTSTATUS status) {
    return status >= 0;
}

struct Native {
    NTSTATUS(NTAPI* openKey)(HANDLE*, ACCESS_MASK, ObjectAttributes*) = nullptr;
    NTSTATUS(NTAPI* createKey)
    (HANDLE*, ACCESS_MASK, ObjectAttributes*, ULONG, NativeString*, ULONG, ULONG*) = nullptr;
    NTSTATUS(NTAPI* flushKey)(HANDLE) = nullptr;
    NTSTATUS(NTAPI* deleteKey)(HANDLE) = nullptr;
    NTSTATUS(NTAPI* enumerateKey)(HANDLE, ULONG, int, void*, ULONG, ULONG*) = nullptr;
    NTSTATUS(NTAPI* close)(HANDLE) = nullptr;
    NTSTATUS(NTAPI* setValueKey)(HANDLE, NativeString*, ULONG, ULONG, const void*, ULONG) = nullptr;
    NTSTATUS(NTAPI* queryValueKey)(HANDLE, NativeString*, int, void*, ULONG, ULONG*) = nullptr;
    NTSTATUS(NTAPI* enumerateValueKey)(HANDLE, ULONG, int, void*, ULONG, ULONG*) = nullptr;
    NTSTATUS(NTAPI* deleteValueKey)(HANDLE, NativeString*) = nullptr;
    NTSTATUS(NTAPI* renameKey)(HANDLE, NativeString*) = nullptr;
    NTSTATUS(NTAPI* openProcessToken)(HANDLE, ACCESS_MASK, HANDLE*) = nullptr;
    NTSTATUS(NTAPI* queryInformationToken)(HANDLE, int, void*, ULONG, ULONG*) = nullptr;

    bool ready = false;
    str::StrBuffer userPath{u"\\Registry\\User\\.Default"};

    // The shared query and enumeration buffers, each under its own lock.
    thread::ObjLocker queryLock;
    col::_array::ArrayU08 queryBuffer;
    thread::ObjLocker keyListLock;
    thread::ObjLocker valueListLock;
    unsigned char keyList[kEnumerationBuffer];
    unsigned char valueList[kEnumerationBuffer];
};

// Every function the registry layer looks up, in lookup order. Only some are
// called; a missing one of those leaves the layer unusable, the rest are
// looked up so that a damaged NTDLL is noticed in the diagnostic log.
const char* const kNativeNames[] = {
    "NtOpenThread",
    "NtCreateKey",
    "NtOpenKey",
    "NtFlushKey",
    "NtDeleteKey",
    "NtQueryKey",
    "NtEnumerateKey",
    "NtClose",
    "NtSetValueKey",
    "NtSetInformationKey",
    "NtQueryValueKey",
    "NtEnumerateValueKey",
    "NtDeleteValueKey",
    "NtRenameKey",
    "NtQueryMultipleValueKey",
    "NtNotifyChangeKey",
    "NtCreateFile",
    "NtOpenProcessToken",
    "NtAdjustPrivilegesToken",
    "NtQueryInformationToken",
    "RtlAllocateHeap",
    "RtlFreeHeap",
    "NtRestoreKey",
    "NtSaveKey",
    "NtLoadKey",
    "NtLoadKey2",
    "NtReplaceKey",
    "NtUnloadKey",
    "RtlInitUnicodeString",
    "RtlFreeUnicodeString",
};

template <class F> void resolve(HMODULE ntdll, const char* name, F& function) {
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(ntdll, name)));
}

void appendSid(str::StrBuffer& out, const SID* sid) {
    out.append(u"S-");
    out.append(static_cast<std::uint32_t>(sid->Revision));
    out.append(u'-');
    const BYTE* authority = sid->IdentifierAuthority.Value;
    if (authority[0] != 0 || authority[1] != 0) {
        out.append(u"0x");
        out.appendHex8(authority, 6);
    } else {
        std::uint32_t value = static_cast<std::uint32_t>(authority[2]) << 24 |
                              static_cast<std::uint32_t>(authority[3]) << 16 |
                              static_cast<std::uint32_t>(authority[4]) << 8 | authority[5];
        out.append(value);
    }
    for (BYTE i = 0; i < sid->SubAuthorityCount; ++i) {
        out.append(u'-');
        out.append(static_cast<std::uint32_t>(sid->SubAuthority[i]));
    }
}

void resolveNative(Native& n) {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll == nullptr)
        ntdll = LoadLibraryW(L"ntdll.dll");
    if (ntdll == nullptr)
        return;
    for (const char* name : kNativeNames) {
        if (GetProcAddress(ntdll, name) == nullptr) {
            log::write(std::string("Could not find ") + name + " entry point in NTDLL.DLL");
            break;
        }
    }
    resolve(ntdll, "NtOpenKey", n.openKey);
    resolve(ntdll, "NtCreateKey", n.createKey);
    resolve(ntdll, "NtFlushKey", n.flushKey);
    resolve(ntdll, "NtDeleteKey", n.deleteKey);
    resolve(ntdll, "NtEnumerateKey", n.enumerateKey);
    resolve(ntdll, "NtClose", n.close);
    resolve(ntdll, "NtSetValueKey", n.setValueKey);
    resolve(ntdll, "NtQueryValueKey", n.queryValueKey);
    resolve(ntdll, "NtEnumerateValueKey", n.enumerateValueKey);
    resolve(ntdll, "NtDeleteValueKey", n.deleteValueKey);
    resolve(ntdll, "NtRenameKey", n.renameKey);
    resolve(ntdll, "NtOpenProcessToken", n.openProcessToken);
    resolve(ntdll, "NtQueryInformationToken", n.queryInformationToken);
    n.ready = n.openKey && n.createKey && n.flushKey && n.deleteKey && n.enumerateKey && n.close &&
              n.setValueKey && n.queryValueKey && n.enumerateValueKey && n.deleteValueKey &&
              n.renameKey && n.openProcessToken && n.queryInformationToken;
    n.queryBuffer.reserveExact(kQueryBufferStart);
    n.queryBuffer.setLength(kQueryBufferStart);
    if (!n.ready)
        return;
    HANDLE token = nullptr;
    if (succeeded(n.openProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))) {
        alignas(8) unsigned char buffer[256];
        ULONG size = 0;
        if (succeeded(n.queryInformationToken(token, kTokenUser, buffer, sizeof buffer, &size))) {
            const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer);
            n.userPath.set(u"\\Registry\\User\\");
            appendSid(n.userPath, static_cast<const SID*>(user->User.Sid));
        }
        n.close(token);
    }
}

Native& native() {
    static Native table;
    static const bool resolved = (resolveNative(table), true);
    (void)resolved;
    return table;
}

NativeString nativeString(const char16_t* text) {
    std::size_t units = 0;
    if (text != nullptr)
        while (text[units] != 0)
            ++units;
    auto bytes = static_cast<USHORT>(units * 2);
    return {bytes, static_cast<USHORT>(bytes + 2), text != nullptr ? text : u""};
}


bool openWith(const char16_t* nativePath, void** outKey, bool create) {
    Native& n = native();
    if (!n.ready)
        return false;
    NativeString name = nativeString(nativePath);
    ObjectAttributes attributes{sizeof(ObjectAttributes), nullptr, &name,
                                kCaseInsensitive,         nullptr, nullptr};
    HANDLE key = nullptr;
    ULONG disposition = 0;
    NTSTATUS status = create
                          ? n.createKey(&key, kAllAccess, &attributes, 0, nullptr, 0, &disposition)
                          : n.openKey(&key, kAllAccess, &attributes);
    if (!succeeded(status))
        return false;
    *outKey = key;
    return true;
}

// Enumerates one entry into the shared buffer under its lock and copies out
// its name, which the information structures Info keep in name/nameLength.
template <class Info, class Enumerate>
bool entryName(thread::ObjLocker& lock, unsigned char (&buffer)[kEnumerationBuffer],
               Enumerate enumerate, int infoClass, void* key, std::uint32_t index,
               str::StrBuffer& outName) {
    thread::ObjLockerGuard guard(lock);
    ULONG size = 0;
    if (!succeeded(enumerate(key, index, infoClass, buffer, sizeof buffer, &size)))
        return false;
    const auto* info = reinterpret_cast<const Info*>(buffer);
    outName.reset();
    outName.append(info->name, info->nameLength / 2);
    return true;
}

} // namespace

bool ready() {
    return native().ready;
}

const char16_t* currentUserPath() {
    return native().userPath.cStr();
}

bool openKey(const char16_t* nativePath, void** outKey) {
    return openWith(nativePath, outKey, false);
}

bool createKey(const char16_t* nativePath, void** outKey) {
    return openWith(nativePath, outKey, true);
}

void closeKey(void* key) {
    if (key != nullptr && native().ready)
        native().close(key);
}

void flushKey(void* key) {
    native().flushKey(key);
}

void deleteKey(void* key) {
    native().deleteKey(key);
}

bool renameKey(void* key, const char16_t* newName) {
    NativeString name = nativeString(newName);
    return succeeded(native().renameKey(key, &name));
}

bool subKeyName(void* key, std::uint32_t index, str::StrBuffer& outName) {
    Native& n = native();
    return entryName<KeyBasicInformation>(n.keyListLock, n.keyList, n.enumerateKey,
                                          kKeyBasicInformation, key, index, outName);
}

bool valueName(void* key, std::uint32_t index, str::StrBuffer& outName) {
    Native& n = native();
    return entryName<ValueBasicInformation>(n.valueListLock, n.valueList, n.enumerateValueKey,
                                            kValueBasicInformation, key, index, outName);
}

bool queryValue(void* key, const char16_t* name, std::uint32_t& outType, std::uint32_t& outSize,
                std::int32_t requiredType, col::_array::ArrayU08& outData) {
    Native& n = native();
    NativeString valueName = nativeString(name);
    thread::ObjLockerGuard guard(n.queryLock);
    ULONG needed = 0;
    NTSTATUS status = n.queryValueKey(key, &valueName, kValuePartialInformation,
                                      n.queryBuffer.data(), n.queryBuffer.length(), &needed);
    if (status == kBufferOverflow || status == kBufferTooSmall) {
        n.queryBuffer.setLength(needed + 1026);
        status = n.queryValueKey(key, &valueName, kValuePartialInformation, n.queryBuffer.data(),
                                 n.queryBuffer.length(), &needed);
    }
    if (!succeeded(status)) {
        outType = outSize = 0;
        return false;
    }
    const auto* info = static_cast<const ValuePartialInformation*>(n.queryBuffer.data());
    outType = info->type;
    outSize = info->dataLength;
    if (requiredType != -1 && info->type != static_cast<ULONG>(requiredType))
        return false;
    outData.setLength(0);
    outData.append(info->data, info->dataLength);
    return true;
}

bool setValue(void* key, const char16_t* name, std::uint32_t type, const void* data,
              std::uint32_t size) {
    NativeString valueName = nativeString(name);
    return succeeded(native().setValueKey(key, &valueName, 0, type, data, size));
}

bool deleteValue(void* key, const char16_t* name) {
    NativeString valueName = nativeString(name);
    return succeeded(native().deleteValueKey(key, &valueName));
}

} // namespace s::reg::win::nt
