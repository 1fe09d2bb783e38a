#include "foundation/files/win/Shell.h"

#include "foundation/objects/Pooled.h"
#include "foundation/system/Seams.h"
#include "foundation/strings/StrBuffer.h"
#include "foundation/strings/win/WideText.h"
#include "foundation/files/win/PathWin.h"
#include "foundation/files/win/PathWinSupport.h"

#include <windows.h>

#include <shellapi.h>

namespace s::file::win {

using str::win::wide;

namespace {

bool runRequest(const wchar_t* verb, const char16_t* file, const char16_t* parameters, int show,
                ULONG extraMask) {
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    // Errors are the caller's to show. The request may come from a worker
    // that ends right after it: the shell must finish on this thread first.
    request.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC | extraMask;
    request.hwnd = nullptr;
    request.lpVerb = verb;
    request.lpFile = wide(file);
    request.lpParameters = parameters != nullptr ? wide(parameters) : L"";
    request.lpDirectory = nullptr;
    request.nShow = show;
    if (auto shell = seams::shellExecute())
        return shell(&request) != 0;
    // Shell extensions behind some file types need COM on the calling
    // thread, which may be any worker.
    detail::ComScope com;
    return ShellExecuteExW(&request) != FALSE;
}

bool isExistingBatchFile(const char16_t* path) {
    str::StrBuffer text(path);
    if (!text.endsWithIgnoreCase(u".bat"))
        return false;
    thread::Pooled<PathWin> file(PathWin::of(path));
    return file->isFile();
}

} // namespace

bool execute(const char16_t* path, const char16_t* parameters) {
    if (path == nullptr)
        return false;
    int show = isExistingBatchFile(path) ? SW_HIDE : SW_SHOWNORMAL;
    return runRequest(nullptr, path, parameters, show, 0);
}

bool openWithShell(const char16_t* target) {
    if (target == nullptr)
        return false;
    return runRequest(L"open", target, nullptr, SW_SHOWNORMAL, 0);
}

bool showProperties(const char16_t* path) {
    if (path != nullptr)
        runRequest(L"properties", path, nullptr, SW_SHOWNORMAL, SEE_MASK_INVOKEIDLIST);
    return true;
}

} // namespace s::file::win
