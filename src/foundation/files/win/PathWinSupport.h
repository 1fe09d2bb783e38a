#pragma once

#include "foundation/strings/StrBuffer.h"
#include "foundation/files/win/PathWin.h"
#include "foundation/strings/win/WideText.h"
#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <cstdint>

// What the PathWin source files share; not for other code.
namespace s::file::win::detail {

// Opens the entry itself, file or directory, for its attributes and times.
inline system::win::Handle openEntry(const char16_t* systemPath, DWORD access) {
    return system::win::Handle(CreateFileW(
        str::win::wide(systemPath), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

inline bool isDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

inline bool isReparsePoint(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

inline bool isDirectoryEntry(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

inline std::int64_t sizeOf(const WIN32_FIND_DATAW& entry) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(entry.nFileSizeHigh) << 32 |
                                     entry.nFileSizeLow);
}

// Calls visit (entry) for every entry of the directory but "." and "..", in
// the order the file system gives them, until visit answers false. False
// when the directory could not be read; a drive's empty root has no "." and
// "..", so finding nothing at all is no failure.
template <class Visit> bool forEachEntry(const PathWin& directory, Visit visit) {
    str::StrBuffer pattern(directory.systemPath());
    pattern.append(u"\\*");
    WIN32_FIND_DATAW entry;
    system::win::FindHandle find(FindFirstFileW(str::win::wide(pattern.cStr()), &entry));
    if (!find)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if (!isDotEntry(entry.cFileName) && !visit(entry))
            break;
    } while (FindNextFileW(find.get(), &entry));
    return true;
}

// A new pooled path for an entry of directory.
inline PathWin* childOf(const PathWin& directory, const WIN32_FIND_DATAW& entry) {
    return directory.child(str::win::fromWide(entry.cFileName));
}

// Whether a listing shows the entry: never ".", "..", reparse points; hidden
// and system entries and the start-up files of the Windows drive only with
// includeAll or as the user's Explorer settings say.
bool keptInListing(const PathWin& directory, const WIN32_FIND_DATAW& entry, bool includeAll);

// Tells the shell of a change when notify is set (SHChangeNotify).
void notifyShell(bool notify, LONG event, const char16_t* path, const char16_t* second = nullptr);

// Seconds since 1970 to a FILETIME and back.
FILETIME fileTimeOfSeconds(std::int64_t seconds);

// COM for the calling thread for the lifetime of the object: the shell link
// objects and the shell's file information need it, and callers may come
// from any worker thread.
class ComScope {
public:
    ComScope();
    ~ComScope();
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool uninitialize_;
};

} // namespace s::file::win::detail
