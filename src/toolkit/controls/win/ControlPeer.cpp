#include "toolkit/controls/win/ControlPeer.h"

#include "foundation/strings/win/WideText.h"

#include <commctrl.h>

namespace s::gui::win {

namespace {

constexpr UINT_PTR kSubclassId = 1;

thread_local INativeWindowHandler* creating = nullptr;

LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, controlProc, kSubclassId);
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    bool handled = false;
    LRESULT result = reinterpret_cast<INativeWindowHandler*>(data)->handleMessage(
        hwnd, message, wParam, lParam, handled);
    return handled ? result : DefSubclassProc(hwnd, message, wParam, lParam);
}

bool isToolkitWindow(HWND hwnd) {
    wchar_t className[32] = {};
    GetClassNameW(hwnd, className, 32);
    return lstrcmpW(className, kToolkitClassName) == 0;
}

} // namespace

INativeWindowHandler* controlBeingCreated() {
    return creating;
}

bool ControlPeer::create(INativePeer* parent) {
    if (hwnd_ != nullptr)
        return true;
    HWND parentHwnd = HwndPeer::handleOf(parent);
    NativeForm form = control_.nativeForm();
    DWORD style = (parentHwnd != nullptr ? WS_CHILD : WS_POPUP) | WS_CLIPSIBLINGS | form.style;
    const wchar_t* text = str::win::wide(control_.nativeText());
    INativeWindowHandler* outer = creating;
    creating = &control_;
    if (form.className == nullptr) {
        hwnd_ = createToolkitWindow(form.exStyle, text, style, 0, 0, 0, 0, parentHwnd, &control_);
    } else {
        // The id goes where a child's menu would.
        hwnd_ = CreateWindowExW(form.exStyle, form.className, text, style, 0, 0, 0, 0, parentHwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(form.id)),
                                GetModuleHandleW(nullptr), nullptr);
        subclassed_ = hwnd_ != nullptr &&
                      SetWindowSubclass(hwnd_, controlProc, kSubclassId,
                                        reinterpret_cast<DWORD_PTR>(&control_));
    }
    creating = outer;
    if (hwnd_ == nullptr) {
        reportCreationFailure();
        return false;
    }
    control_.nativeCreated(hwnd_);
    return true;
}

// The control hears nothing of its window's destruction: it is on its way
// out itself, or about to make a new window.
void ControlPeer::destroy() {
    if (hwnd_ == nullptr)
        return;
    if (IsWindow(hwnd_)) {
        if (subclassed_)
            RemoveWindowSubclass(hwnd_, controlProc, kSubclassId);
        else
            detachHandler(hwnd_);
    }
    subclassed_ = false;
    ChildPeer::destroy();
}

LRESULT ControlPeer::callDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (isToolkitWindow(hwnd))
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace s::gui::win
