#include "foundation/files/win/PathWin.h"

#include "foundation/collections/Arrays.h"
#include "foundation/threads/ObjLocker.h"
#include "foundation/files/PathText.h"
#include "foundation/objects/Pooled.h"
#include "foundation/system/Platform.h"
#include "foundation/files/win/PathWinSupport.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <io.h>
#include <sys/stat.h>

#include <utility>

namespace s::file::win {

using str::win::fromWide;
using str::win::wide;

namespace {

constexpr DWORD kProtectingAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// A pooled path, given back when it leaves scope.
using Held = thread::Pooled<PathWin>;

// Whether inner is outer or lies below it.
bool isWithin(const PathWin& outer, const PathWin& inner) {
    str::StrBuffer outerText(outer.fullPath()), innerText(inner.fullPath());
    if (!innerText.startsWithIgnoreCase(outerText.cStr()))
        return false;
    return innerText.length() == outerText.length() ||
           innerText.charAt(outerText.length()) == u'\\';
}

// Letters and digits for scrambled names, drawn from one process-wide
// generator seeded from the clock at first use.
char16_t randomNameCharacter() {
    static const char16_t kCharacters[] = u"abcdefghijklmnopqrstuvwxyz0123456789";
    static platform::CriticalSection lock;
    static std::uint64_t state = 0;
    platform::CriticalSectionGuard guard(lock);
    if (state == 0)
        state = platform::systemFileTime() | 1;
    // xorshift64*
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    std::uint64_t value = state * 2685821657736338717ULL;
    return kCharacters[(value >> 32) % 36];
}

} // namespace

// ---- times and permissions

bool PathWin::setTimes(std::int64_t creation, std::int64_t modification, std::int64_t access,
                       bool plain, bool readOnly, bool hidden, bool system, bool recurse) {
    bool ok = true;
    if (recurse && isDirectory()) {
        detail::forEachEntry(*this, [&](const WIN32_FIND_DATAW& entry) {
            if (detail::isReparsePoint(entry))
                return true;
            Held below(detail::childOf(*this, entry));
            ok = below->setTimes(creation, modification, access, plain, readOnly, hidden, system,
                                 true) &&
                 ok;
            return true;
        });
    }
    return applyTimes(creation, modification, access, plain, readOnly, hidden, system) && ok;
}

bool PathWin::applyTimes(std::int64_t creation, std::int64_t modification, std::int64_t access,
                         bool plain, bool readOnly, bool hidden, bool system) {
    std::uint32_t bits = attributes();
    if (bits == kInvalidAttributes)
        return false;
    bool wanted = (bits & FILE_ATTRIBUTE_SYSTEM)     ? system
                  : (bits & FILE_ATTRIBUTE_HIDDEN)   ? hidden
                  : (bits & FILE_ATTRIBUTE_READONLY) ? readOnly
                                                     : plain;
    if (!wanted)
        return true;
    bool cleared = (bits & kProtectingAttributes) != 0 &&
                   SetFileAttributesW(wide(systemPath()), FILE_ATTRIBUTE_NORMAL);
    FILETIME created = detail::fileTimeOfSeconds(creation);
    FILETIME modified = detail::fileTimeOfSeconds(modification);
    FILETIME accessed = detail::fileTimeOfSeconds(access);
    bool ok;
    {
        system::win::Handle entry = detail::openEntry(systemPath(), FILE_WRITE_ATTRIBUTES);
        ok = entry.valid() && SetFileTime(entry.get(), creation >= 0 ? &created : nullptr,
                                          access >= 0 ? &accessed : nullptr,
                                          modification >= 0 ? &modified : nullptr);
    }
    if (cleared)
        SetFileAttributesW(wide(systemPath()), bits & ~FILE_ATTRIBUTE_DIRECTORY);
    statLoaded_ = false;
    return ok;
}

bool PathWin::setReadable(bool on) {
    int mode = (on ? _S_IREAD : 0) | (isWritable() ? _S_IWRITE : 0);
    bool ok = _wchmod(wide(systemPath()), mode) == 0;
    attributesLoaded_ = false;
    return ok;
}

bool PathWin::setWritable(bool on) {
    bool ok = _wchmod(wide(systemPath()), on ? _S_IREAD | _S_IWRITE : _S_IREAD) == 0;
    attributesLoaded_ = false;
    return ok;
}

bool PathWin::makeWritable() {
    return isWritable() || setWritable(true);
}

// ---- renaming

bool PathWin::rename(const char16_t* newPath) {
    Held target(of(newPath));
    if (target->fullPathLength() <= 3 || !target->isValid() || target->exists())
        return false;
    bool ok = MoveFileExW(wide(systemPath()), wide(target->systemPath()), MOVEFILE_WRITE_THROUGH);
    forgetFileState();
    return ok;
}

bool PathWin::scrambleName(std::int32_t rounds, IPath* outPath, bool restoreAttributes) {
    std::uint32_t bits = attributes();
    if (bits == kInvalidAttributes)
        return false;
    if (bits & kProtectingAttributes)
        SetFileAttributesW(wide(systemPath()), FILE_ATTRIBUTE_NORMAL);
    Held current(of(fullPath_.cStr()));
    bool ok = true;
    for (std::int32_t round = 0; round < rounds && ok; ++round) {
        str::StrBuffer name(current->name());
        ok = false;
        for (int attempt = 0; attempt < 20 && !ok; ++attempt) {
            for (std::uint32_t i = 0; i < name.length(); ++i)
                if (name.charAt(i) != u'.')
                    *name.charPointer(i) = randomNameCharacter();
            Held parent(current->parent());
            Held candidate(parent->child(name.cStr()));
            if (candidate->exists() ||
                !MoveFileExW(wide(current->systemPath()), wide(candidate->systemPath()),
                             MOVEFILE_WRITE_THROUGH))
                continue;
            std::swap(current, candidate);
            ok = true;
        }
    }
    if (restoreAttributes && (bits & kProtectingAttributes))
        SetFileAttributesW(wide(current->systemPath()), bits & ~FILE_ATTRIBUTE_DIRECTORY);
    if (outPath != nullptr)
        outPath->setPath(current->fullPath());
    forgetFileState();
    return ok;
}

// ---- creating

bool PathWin::createDirectory(bool notify) {
    if (isDirectory())
        return true;
    createParentDirectory();
    bool created = CreateDirectoryW(wide(systemPath()), nullptr);
    forgetFileState();
    if (created)
        detail::notifyShell(notify, SHCNE_MKDIR, fullPath());
    return isDirectory();
}

bool PathWin::createFile(bool notify) {
    if (exists())
        return false;
    createParentDirectory();
    system::win::Handle file(CreateFileW(wide(systemPath()), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    forgetFileState();
    if (file.valid())
        detail::notifyShell(notify, SHCNE_CREATE, fullPath());
    return file.valid();
}

bool PathWin::createParentDirectory() {
    Held up(parentOrNone());
    return !up || up->createDirectory(false);
}

// ---- deleting

bool PathWin::remove(bool notify, bool scheduleOnFailure) {
    if (!valid_)
        return false;
    forgetFileState();
    std::uint32_t bits = attributes();
    if (bits == kInvalidAttributes) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    bool directory = (bits & FILE_ATTRIBUTE_DIRECTORY) != 0;
    bool ok;
    if (!directory) {
        ok = DeleteFileW(wide(systemPath()));
        if (!ok && GetLastError() == ERROR_ACCESS_DENIED && setWritable(true))
            ok = DeleteFileW(wide(systemPath()));
    } else if (bits & FILE_ATTRIBUTE_REPARSE_POINT) {
        // A junction or directory link: removing it leaves its target alone.
        ok = RemoveDirectoryW(wide(systemPath()));
    } else {
        ok = removeDirectoryTree();
    }
    forgetFileState();
    if (ok)
        detail::notifyShell(notify, directory ? SHCNE_RMDIR : SHCNE_DELETE, fullPath());
    else if (scheduleOnFailure)
        deleteAtRestart();
    return ok;
}

bool PathWin::removeDirectoryTree() {
    bool entriesGone = true;
    detail::forEachEntry(*this, [&](const WIN32_FIND_DATAW& entry) {
        Held below(detail::childOf(*this, entry));
        entriesGone = below->remove(false, false) && entriesGone;
        return true;
    });
    if (!entriesGone)
        return false;
    if (RemoveDirectoryW(wide(systemPath())))
        return true;
    return GetLastError() == ERROR_ACCESS_DENIED &&
           SetFileAttributesW(wide(systemPath()), FILE_ATTRIBUTE_NORMAL) &&
           RemoveDirectoryW(wide(systemPath()));
}

bool PathWin::deleteAtRestart() {
    bool ok = true;
    if (isDirectory() && !hasAttribute(FILE_ATTRIBUTE_REPARSE_POINT)) {
        detail::forEachEntry(*this, [&](const WIN32_FIND_DATAW& entry) {
            Held below(detail::childOf(*this, entry));
            ok = below->deleteAtRestart() && ok;
            return true;
        });
    }
    return MoveFileExW(wide(systemPath()), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) && ok;
}

bool PathWin::moveToRecycleBin(bool confirm, bool notify) {
    if (!exists())
        return false;
    // The shell takes a list of names, each terminated, ending with an empty
    // one, and no "\\?\" forms.
    str::StrBuffer names(fullPath_);
    names.append(u'\0');
    names.append(u'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = wide(names.cStr());
    operation.fFlags = FOF_ALLOWUNDO;
    if (!confirm)
        operation.fFlags |= FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    bool directory = isDirectory();
    bool ok = SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
    forgetFileState();
    if (ok)
        detail::notifyShell(notify, directory ? SHCNE_RMDIR : SHCNE_DELETE, fullPath());
    return ok;
}

// ---- copying and moving

bool PathWin::copyTo(const char16_t* target, bool overwrite) const {
    Held to(of(target));
    if (!to->isValid())
        return false;
    if (isDirectory()) {
        // Copying a folder into itself would never end.
        if (isWithin(*this, *to))
            return false;
        return copyDirectory(*to, overwrite);
    }
    if (!isFile())
        return false;
    if (CopyFileW(wide(systemPath()), wide(to->systemPath()), !overwrite))
        return true;
    return to->createParentDirectory() &&
           CopyFileW(wide(systemPath()), wide(to->systemPath()), !overwrite);
}

bool PathWin::copyDirectory(const PathWin& target, bool overwrite) const {
    Held to(of(target.fullPath()));
    if (!to->createDirectory(false))
        return false;
    bool ok = true;
    bool listed = detail::forEachEntry(*this, [&](const WIN32_FIND_DATAW& entry) {
        if (detail::isReparsePoint(entry))
            return true;
        Held from(detail::childOf(*this, entry));
        Held into(to->child(fromWide(entry.cFileName)));
        ok = from->copyTo(into->fullPath(), overwrite) && ok;
        return true;
    });
    return listed && ok;
}

bool PathWin::moveTo(const char16_t* target, bool replace, bool notify) {
    Held to(of(target));
    if (!to->isValid())
        return false;
    bool directory = isDirectory();
    DWORD flags = MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH;
    if (replace)
        flags |= MOVEFILE_REPLACE_EXISTING;
    bool ok = MoveFileExW(wide(systemPath()), wide(to->systemPath()), flags);
    forgetFileState();
    if (ok)
        detail::notifyShell(notify, directory ? SHCNE_RENAMEFOLDER : SHCNE_RENAMEITEM, fullPath(),
                            to->fullPath());
    return ok;
}

// ---- exclusive access

bool PathWin::checkExclusiveAccess(bool restoreAttributes) {
    std::uint32_t bits = attributes();
    if (bits == kInvalidAttributes)
        return false;
    SetFileAttributesW(wide(systemPath()), FILE_ATTRIBUTE_NORMAL);
    bool ok = openEachExclusively(bits, restoreAttributes);
    if (restoreAttributes)
        SetFileAttributesW(wide(systemPath()), bits & ~FILE_ATTRIBUTE_DIRECTORY);
    forgetFileState();
    return ok;
}

bool PathWin::openEachExclusively(std::uint32_t bits, bool restoreAttributes) {
    constexpr DWORD kNotPlain =
        FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_ENCRYPTED | FILE_ATTRIBUTE_SPARSE_FILE;
    bool ok = true;
    if (bits & FILE_ATTRIBUTE_DIRECTORY) {
        detail::forEachEntry(*this, [&](const WIN32_FIND_DATAW& entry) {
            if (detail::isReparsePoint(entry))
                return true;
            Held below(detail::childOf(*this, entry));
            ok = below->checkExclusiveAccess(restoreAttributes) && ok;
            return true;
        });
        return ok;
    }
    col::ArrayP* streams = listStreams();
    for (std::uint32_t i = 0; i < streams->length(); ++i) {
        auto* stream = static_cast<PathWin*>(streams->at(i));
        system::win::Handle open(CreateFileW(wide(stream->systemPath()),
                                             GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                             OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr));
        ok = open.valid() && ok;
    }
    streams->release();
    if (bits & kNotPlain)
        return ok;
    system::win::Handle open(CreateFileW(wide(systemPath()), GENERIC_READ | GENERIC_WRITE, 0,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr));
    return open.valid() && ok;
}

} // namespace s::file::win
