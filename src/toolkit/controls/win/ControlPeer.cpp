#include "toolkit/controls/win/ControlPeer.h"

#include "foundation/strings/win/WideText.h"

namespace s::gui::win {

namespace {

thread_local INativeWindowHandler* creating = nullptr;

// A control's window is subclassed through its window procedure, with its
// peer in the window's user data. The platform's subclass helpers would keep
// their record in a window property instead, and under Wine every look-up of
// a property is a round trip to the window server, on every message.
ControlPeer* peerOf(HWND hwnd) {
    return reinterpret_cast<ControlPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool isToolkitWindow(HWND hwnd) {
    wchar_t className[32] = {};
    GetClassNameW(hwnd, className, 32);
    return lstrcmpW(className, kToolkitClassName) == 0;
}

} // namespace

LRESULT CALLBACK ControlPeer::controlProc(HWND hwnd, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    ControlPeer* peer = peerOf(hwnd);
    if (peer == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    WNDPROC previous = peer->previousProc_;
    if (message == WM_NCDESTROY) {
        peer->unsubclass();
        return CallWindowProcW(previous, hwnd, message, wParam, lParam);
    }
    bool handled = false;
    LRESULT result = peer->control_.handleMessage(hwnd, message, wParam, lParam, handled);
    return handled ? result : CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

void ControlPeer::subclass() {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previousProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&controlProc)));
    if (previousProc_ == nullptr)
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

// The window goes back to the procedure it had, and no longer names this peer.
void ControlPeer::unsubclass() {
    if (previousProc_ == nullptr)
        return;
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    previousProc_ = nullptr;
}

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
    ::s::gui::win::INativeWindowHandler* outer = creating;
    creating = &control_;
    if (form.className == nullptr) {
        hwnd_ = createToolkitWindow(form.exStyle, text, style, 0, 0, 0, 0, parentHwnd, &control_);
    } else {
        // The id goes where a child's menu would.
        hwnd_ = CreateWindowExW(form.exStyle, form.className, text, style, 0, 0, 0, 0, parentHwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(form.id)),
                                GetModuleHandleW(nullptr), nullptr);
        if (hwnd_ != nullptr)
            subclass();
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
        if (previousProc_ != nullptr)
            unsubclass();
        else
            detachHandler(hwnd_);
    }
    previousProc_ = nullptr;
    ChildPeer::destroy();
}

LRESULT ControlPeer::callDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (isToolkitWindow(hwnd))
        return DefWindowProcW(hwnd, message, wParam, lParam);
    ControlPeer* peer = peerOf(hwnd);
    if (peer == nullptr || peer->previousProc_ == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return CallWindowProcW(peer->previousProc_, hwnd, message, wParam, lParam);
}

} // namespace s::gui::win
