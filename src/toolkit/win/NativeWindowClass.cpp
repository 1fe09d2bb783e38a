#include "toolkit/win/NativeWindowClass.h"

#include "foundation/system/Platform.h"
#include "toolkit/controls/win/ControlMessages.h"
#include "toolkit/controls/win/ControlPeer.h"

#include <commctrl.h>

namespace s::gui::win {

namespace {

bool isToolkitClass(HWND hwnd, wchar_t (&className)[32]) {
    className[0] = 0;
    GetClassNameW(hwnd, className, 32);
    return lstrcmpW(className, kToolkitClassName) == 0;
}

// A notification from a child of the toolkit's class goes to its handler as
// it came.
LRESULT passToToolkitChild(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                           bool& reflected) {
    auto* handler =
        reinterpret_cast<INativeWindowHandler*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    if (handler == nullptr)
        return 0;
    return handler->handleMessage(control, message, wParam, lParam, reflected);
}

LRESULT reflectCommand(HWND parent, WPARAM wParam, LPARAM lParam, bool& reflected) {
    auto control = reinterpret_cast<HWND>(lParam);
    // Menus and accelerators have no control; only own children count.
    if (control == nullptr || GetParent(control) != parent)
        return 0;
    wchar_t className[32];
    if (isToolkitClass(control, className))
        return passToToolkitChild(control, WM_COMMAND, wParam, lParam, reflected);
    UINT message = reflectedCommand(className, HIWORD(wParam));
    if (message == 0)
        return 0;
    reflected = true;
    return SendMessageW(control, message, wParam, lParam);
}

LRESULT reflectNotify(WPARAM wParam, LPARAM lParam, bool& reflected) {
    if (lParam == 0)
        return 0;
    HWND control = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    wchar_t className[32];
    if (control == nullptr || !isToolkitClass(control, className))
        return 0;
    return passToToolkitChild(control, WM_NOTIFY, wParam, lParam, reflected);
}

// Colour requests: a control that answers them gives a brush; one that does
// not gets the default colours.
LRESULT reflectColours(WPARAM wParam, LPARAM lParam, bool& reflected) {
    auto control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr)
        return 0;
    LRESULT brush = SendMessageW(control, kReflectedColours, wParam, lParam);
    reflected = brush != 0;
    return brush;
}

// Owner-drawn items of a control are drawn and measured by the control.
// Menus are their owners' business. An item measured while a control is
// being created is that control's: its window is not subclassed yet, and
// controls of one kind share an id, so the id alone may name another.
LRESULT reflectItem(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, bool& reflected) {
    if (lParam == 0)
        return 0;
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU || item->hwndItem == nullptr)
            return 0;
        reflected = true;
        return SendMessageW(item->hwndItem, message, wParam, lParam);
    }
    const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
    if (item->CtlType == ODT_MENU)
        return 0;
    if (INativeWindowHandler* creating = controlBeingCreated())
        return creating->handleMessage(nullptr, message, wParam, lParam, reflected);
    HWND control = GetDlgItem(parent, static_cast<int>(item->CtlID));
    if (control == nullptr)
        return 0;
    reflected = true;
    return SendMessageW(control, message, wParam, lParam);
}

// A track bar tells its parent of every move of its thumb by a scroll
// message; the slider around it wants to know.
LRESULT reflectScroll(UINT message, WPARAM wParam, LPARAM lParam, bool& reflected) {
    auto control = reinterpret_cast<HWND>(lParam);
    wchar_t className[32];
    if (control == nullptr || isToolkitClass(control, className) ||
        lstrcmpiW(className, TRACKBAR_CLASSW) != 0)
        return 0;
    reflected = true;
    return SendMessageW(control, message, wParam, lParam);
}

} // namespace

LRESULT reflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                         bool& reflected) {
    reflected = false;
    switch (message) {
    case WM_COMMAND:
        return reflectCommand(parent, wParam, lParam, reflected);
    case WM_NOTIFY:
        return reflectNotify(wParam, lParam, reflected);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        return reflectColours(wParam, lParam, reflected);
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return reflectItem(parent, message, wParam, lParam, reflected);
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reflectScroll(message, wParam, lParam, reflected);
    default:
        return 0;
    }
}

namespace {

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
    LRESULT reflected = reflectToControl(hwnd, message, wParam, lParam, handled);
    if (handled)
        return reflected;
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
