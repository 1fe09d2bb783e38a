#include "toolkit/win/NativeWindowClass.h"

#include "foundation/system/Platform.h"

#include <commctrl.h>

namespace s::gui::win {

namespace {

// A control's notification comes to its parent; it goes back to the
// control, which is the one that knows what to do with it.
LRESULT reflectToControl(UINT message, WPARAM wParam, LPARAM lParam, bool& reflected) {
    HWND control = nullptr;
    if (message == WM_COMMAND)
        control = reinterpret_cast<HWND>(lParam);
    else if (message == WM_NOTIFY && lParam != 0)
        control = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    reflected = false;
    if (control == nullptr)
        return 0;
    auto* handler =
        reinterpret_cast<INativeWindowHandler*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    // Only the toolkit's own windows carry a handler in their user data.
    if (handler == nullptr || lstrcmpW(className, kToolkitClassName) != 0)
        return 0;
    return handler->handleMessage(control, message, wParam, lParam, reflected);
}

LRESULT CALLBACK toolkitProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* handler = reinterpret_cast<INativeWindowHandler*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    bool handled = false;
    if (handler != nullptr) {
        LRESULT result = handler->handleMessage(hwnd, message, wParam, lParam, handled);
        if (handled)
            return result;
    }
    if (message == WM_COMMAND || message == WM_NOTIFY) {
        LRESULT result = reflectToControl(message, wParam, lParam, handled);
        if (handled)
            return result;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

struct Registration {
    platform::CriticalSection lock;
    bool tried = false;
    bool registered = false;
};

Registration& registration() {
    static Registration shared;
    return shared;
}

void warn(const wchar_t* text) {
    MessageBoxW(nullptr, text, L"Error!", MB_ICONEXCLAMATION | MB_OK);
}

} // namespace

bool registerToolkitClass() {
    Registration& shared = registration();
    platform::CriticalSectionGuard guard(shared.lock);
    if (shared.tried)
        return shared.registered;
    shared.tried = true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // A global class, so that every module of the process finds it.
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = toolkitProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kToolkitClassName;
    shared.registered = RegisterClassExW(&wc) != 0;
    if (!shared.registered)
        warn(L"Window Registration Failed!");
    return shared.registered;
}

HWND createToolkitWindow(DWORD exStyle, const wchar_t* title, DWORD style, int x, int y, int width,
                         int height, HWND parent, INativeWindowHandler* handler) {
    if (!registerToolkitClass())
        return nullptr;
    return CreateWindowExW(exStyle, kToolkitClassName, title, style, x, y, width, height, parent,
                           nullptr, GetModuleHandleW(nullptr), handler);
}

void detachHandler(HWND hwnd) {
    if (hwnd != nullptr)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
}

void reportCreationFailure() {
    warn(L"Window Creation Failed!");
}

} // namespace s::gui::win
