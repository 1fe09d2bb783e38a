#include "foundation/files/win/PathWin.h"

#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "foundation/files/win/PathWinSupport.h"
#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace s::file::win {

using str::win::fromWide;
using str::win::wide;

namespace {

using system::win::ComRef;

constexpr DWORD kLinkPathCapacity = 32768;
constexpr DWORD kAddressCapacity = 4096;

bool createShellLink(ComRef<IShellLinkW>& link) {
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, link.out()));
}

// The path a .lnk file points to, or nothing.
bool readLinkTarget(const char16_t* linkPath, str::StrBuffer& target) {
    detail::ComScope com;
    ComRef<IShellLinkW> link;
    ComRef<IPersistFile> file;
    if (!createShellLink(link) || FAILED(link->QueryInterface(IID_IPersistFile, file.out())) ||
        FAILED(file->Load(wide(linkPath), STGM_READ)))
        return false;
    str::StrBuffer text;
    text.reserveExact(kLinkPathCapacity);
    if (FAILED(link->GetPath(wide(text.buffer()), static_cast<int>(kLinkPathCapacity), nullptr,
                             SLGP_RAWPATH)))
        return false;
    target.set(text.buffer());
    return target.length() != 0;
}

// An existing entry at path is removed with replace; without it nothing is
// written over it.
bool makeRoomFor(PathWin& path, bool replace) {
    if (!path.exists())
        return true;
    return replace && path.remove(false, false);
}

} // namespace

bool PathWin::createShortcut(const char16_t* linkPath, bool replace,
                             const char16_t* arguments) const {
    str::StrBuffer linkText(linkPath);
    if (!linkText.endsWithIgnoreCase(u".lnk"))
        linkText.append(u".lnk");
    thread::Pooled<PathWin> link(of(linkText.cStr()));
    bool ok = link->isValid() && makeRoomFor(*link, replace);
    if (ok && isShortcut()) {
        ok = copyTo(link->fullPath(), true);
    } else if (ok) {
        detail::ComScope com;
        ComRef<IShellLinkW> shellLink;
        ComRef<IPersistFile> file;
        str::StrBuffer workingDirectory;
        directoryTrimmedTo(&workingDirectory);
        ok = createShellLink(shellLink) && SUCCEEDED(shellLink->SetPath(wide(fullPath()))) &&
             SUCCEEDED(shellLink->SetWorkingDirectory(wide(workingDirectory.cStr())));
        if (ok && arguments != nullptr && arguments[0] != 0)
            ok = SUCCEEDED(shellLink->SetArguments(wide(arguments)));
        ok = ok && SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, file.out())) &&
             SUCCEEDED(file->Save(wide(link->fullPath()), TRUE));
    }
    return ok;
}

bool PathWin::createInternetShortcut(const char16_t* address, bool replace) const {
    thread::Pooled<PathWin> self(of(fullPath()));
    // The profile functions write the form the shell reads, in the system
    // code page as the shell itself writes it.
    if (!isValid() || !makeRoomFor(*self, replace) ||
        !WritePrivateProfileStringW(L"InternetShortcut", L"URL", wide(address), wide(fullPath())))
        return false;
    // They also cache: the file is complete only once the cache is written.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, wide(fullPath()));
    forgetFileState();
    return true;
}

PathWin* PathWin::shortcutTarget() const {
    str::StrBuffer target;
    if (!isShortcut() || !readLinkTarget(fullPath(), target))
        return nullptr;
    return of(target.cStr());
}

str::IStr* PathWin::urlTo(str::IStr* out, bool append) const {
    if (out == nullptr)
        out = thread::take<str::StrBuffer>();
    else if (!append)
        out->reset();
    if (!isInternetShortcut())
        return out;
    wchar_t address[kAddressCapacity] = {};
    GetPrivateProfileStringW(L"InternetShortcut", L"URL", L"", address, kAddressCapacity,
                             wide(fullPath()));
    out->append(fromWide(address));
    return out;
}

const char16_t* PathWin::url() const {
    return inScratch(&PathWin::urlTo);
}

PathWin* PathWin::folderShortcutTargetPath() const {
    if (!isDirectory())
        return nullptr;
    PathWin* link = child(u"target.lnk");
    PathWin* target = link->shortcutTarget();
    link->release();
    if (target != nullptr && !target->isDirectory()) {
        target->release();
        target = nullptr;
    }
    return target;
}

bool PathWin::isFolderShortcut() const {
    PathWin* target = folderShortcutTargetPath();
    if (target == nullptr)
        return false;
    target->release();
    return true;
}

str::IStr* PathWin::folderShortcutTargetTo(str::IStr* out, bool append) const {
    if (out == nullptr)
        out = thread::take<str::StrBuffer>();
    else if (!append)
        out->reset();
    PathWin* target = folderShortcutTargetPath();
    if (target != nullptr) {
        out->append(target->fullPath());
        target->release();
    }
    return out;
}

const char16_t* PathWin::folderShortcutTarget() const {
    return inScratch(&PathWin::folderShortcutTargetTo);
}

} // namespace s::file::win
