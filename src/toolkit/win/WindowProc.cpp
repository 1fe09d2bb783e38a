// The window's message procedure: native traffic turned into the window's
// events and state, on the window's thread.

#include "toolkit/win/Window.h"

#include "toolkit/menu/IMenuBar.h"
#include "toolkit/menu/IPopupMenu.h"
#include "toolkit/menu/win/PopupMenu.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/NativePeers.h"

#include <windowsx.h>

#include <cstdlib>

namespace s::gui::win {

namespace {
constexpr WPARAM kSystemCommandMask = 0xFFF0;
} // namespace

LRESULT Window::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              bool& handled) {
    handled = true;
    switch (message) {
    case kRequestMessage:
        if (lParam == 0) {
            runNextCall();
            return 0;
        } else {
            // Sent directly with a pointer to the four values.
            const auto* values = reinterpret_cast<const std::intptr_t*>(lParam);
            return deliverRequest(reinterpret_cast<const void*>(values[0]), values[1], values[2],
                                  values[3]);
        }
    case kInformationMessage:
    case kErrorMessage:
    case kYesNoMessage:
        return messageBox(message, reinterpret_cast<const char16_t*>(lParam)) ? 1 : 0;
    case kShowYourselfMessage:
        if (iconized_ || IsIconic(hwnd))
            restore();
        activate(true);
        return 0;
    case kInstanceCallMessage:
        raise(kInstanceCall);
        return 0;
    case kShortcutMessage:
        if (windowListeners_[kShortcutKey - 1].length() == 0)
            return 0;
        lastKey_ = static_cast<std::int32_t>(wParam);
        shortcutFocus_ = reinterpret_cast<HWND>(lParam);
        keyTaken_ = false;
        raise(kShortcutKey);
        return keyTaken_ ? 1 : 0;
    case WM_COPYDATA:
        return onCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
    case kDestroyMessage:
        destroyNativeWindows();
        PostQuitMessage(0);
        return 0;
    case kAttachMessage:
        Box::add(reinterpret_cast<IComponent*>(lParam));
        return 0;
    case kDeferredNativesMessage:
        createDeferredNatives();
        return 0;
    case kTrayMessage:
        onTrayMessage(lParam);
        return 0;
    case WM_CLOSE:
        runCloseSequence();
        return 0;
    case WM_COMMAND:
        // Menu picks carry no control; a control's notification goes back to it.
        if (lParam == 0 && onMenuCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_INITMENUPOPUP:
        if (HWND recorded = PopupMenu::ownerOf(reinterpret_cast<HMENU>(wParam));
            recorded != nullptr && recorded != hwnd && IsWindow(recorded))
            return SendMessageW(recorded, message, wParam, lParam);
        break;
    case WM_SYSCOMMAND:
        if ((wParam & kSystemCommandMask) == SC_CLOSE && closeIconizes_ && !iconized_) {
            iconize();
            return 0;
        }
        break;
    case WM_NCHITTEST:
        if (easyDrag_ || frameDrawer_ != nullptr)
            return onHitTest(wParam, lParam);
        break;
    case WM_NCCALCSIZE:
        // A frame drawer paints the frame inside the window rectangle.
        if (frameDrawer_ != nullptr && wParam != 0)
            return 0;
        break;
    case WM_ERASEBKGND:
        // Painted whole, through the back buffer, with the client.
        return 1;
    case WM_PAINT:
        paintClient(hwnd);
        return 0;
    case WM_NCACTIVATE:
        if (frameDrawer_ != nullptr)
            return TRUE;
        break;
    case WM_SIZING:
        onSizing(wParam, reinterpret_cast<RECT*>(lParam));
        return TRUE;
    case WM_WINDOWPOSCHANGING:
        onPositionChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_SIZE:
        onSize(wParam);
        return 0;
    case kDpiChangedMessage:
        onDpiChanged(reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_MOVE:
        onMoved();
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        break;
    case WM_LBUTTONDOWN:
        raise(kLeftButtonDown);
        break;
    case WM_NCLBUTTONDOWN:
        raise(kLeftButtonDown);
        if (easyDrag_ && wParam == HTCAPTION) {
            onCaptionPress(lParam);
            return 0;
        }
        break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        raise(kLeftButtonUp);
        break;
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK:
        raise(kDoubleClick);
        if (!passDoubleClicks_)
            return 0;
        break;
    case WM_RBUTTONDOWN:
        onRightButtonDown();
        return 0;
    case WM_NCRBUTTONDOWN:
        // Easy drag answers the caption over the client area; a right press
        // there is still one on the client, not the platform's window menu.
        if (easyDrag_ && wParam == HTCAPTION) {
            onRightButtonDown();
            return 0;
        }
        break;
    case WM_RBUTTONUP:
        raise(kRightButtonUp);
        break;
    case WM_NCRBUTTONUP:
        if (easyDrag_ && wParam == HTCAPTION) {
            raise(kRightButtonUp);
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        // A right click on a box or a control comes up from that child as
        // its context-menu request; one on the client itself was a press.
        if (reinterpret_cast<HWND>(wParam) != hwnd) {
            onRightButtonDown();
            return 0;
        }
        break;
    case WM_MBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        onMiddleButtonDown();
        return 0;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        raise(kMouseMove);
        break;
    case WM_MOUSEWHEEL:
        onWheel(wParam, lParam);
        return 0;
    case kWheelPassedUpMessage:
        raiseWheel(wParam);
        return 0;
    case WM_KEYDOWN:
        lastKey_ = static_cast<std::int32_t>(wParam);
        raise(kKeyDown);
        if (wParam == VK_RETURN)
            return 0;
        break;
    case WM_CAPTURECHANGED:
        if (dragCapture_) {
            dragCapture_ = false;
            POINT p;
            GetCursorPos(&p);
            dragEndX_ = p.x;
            dragEndY_ = p.y;
            raise(kDragEnded);
        }
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMSUSPEND)
            suspended_ = true;
        else if (wParam == PBT_APMRESUMESUSPEND || wParam == PBT_APMRESUMEAUTOMATIC)
            suspended_ = false;
        return TRUE;
    case WM_ENDSESSION:
        onEndSession(wParam != 0, lParam);
        return 0;
    default:
        if (message == taskbarCreatedMessage() && message != 0) {
            onTaskbarCreated();
            return 0;
        }
        if (message == taskbarButtonCreatedMessage() && message != 0) {
            raise(kTaskbarButtonCreated);
            return 0;
        }
        break;
    }
    handled = false;
    return 0;
}

// A press on the easy-drag caption moves the window only once the mouse
// has left the platform's drag rectangle with the button held. Handing the
// press straight to the platform's move would start a move at once: under an
// X11 window manager that move takes the pointer, and a mere click would
// leave it in a move that the next click ends, so no double click arrived.
void Window::onCaptionPress(LPARAM lParam) {
    HWND hwnd = hwnd_;
    POINT press{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    POINT at{};
    if (!followsDrag(hwnd, press, at)) {
        raise(kLeftButtonUp);
        return;
    }
    // The platform's move starts from where the cursor is now; the window
    // first catches up with the way it has come.
    RECT r{};
    GetWindowRect(hwnd, &r);
    SetWindowPos(hwnd, nullptr, r.left + at.x - press.x, r.top + at.y - press.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DefWindowProcW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
}

// With the mouse captured: true once it moved out of the drag rectangle
// around press (screen coordinates) with the button down, and where it is
// then; false when the button came up first or the capture was taken away.
// Everything but the mouse goes on meanwhile, as in the platform's own move
// loop: a button held still must not hold up requests, timers or paints.
bool Window::followsDrag(HWND hwnd, POINT press, POINT& at) {
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    const int dx = GetSystemMetrics(SM_CXDRAG), dy = GetSystemMetrics(SM_CYDRAG);
    SetCapture(hwnd);
    bool dragged = false;
    for (;;) {
        MSG msg;
        if (GetCapture() != hwnd)
            break;
        if (PeekMessageW(&msg, nullptr, 0, WM_MOUSEFIRST - 1, PM_REMOVE) ||
            PeekMessageW(&msg, nullptr, WM_MOUSELAST + 1, 0xFFFFFFFF, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            continue;
        }
        if (!PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
            if ((GetAsyncKeyState(button) & 0x8000) == 0)
                break;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_LBUTTONUP)
            break;
        if (msg.message == WM_MOUSEMOVE &&
            (std::abs(msg.pt.x - press.x) > dx || std::abs(msg.pt.y - press.y) > dy)) {
            at = msg.pt;
            dragged = true;
            break;
        }
    }
    if (GetCapture() == hwnd)
        ReleaseCapture();
    return dragged;
}

UINT Window::taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

UINT Window::taskbarButtonCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarButtonCreated");
    return message;
}

void Window::runCloseSequence() {
    if (closed_)
        return;
    closeCancelled_ = false;
    SetEvent(closingEvent_.get());
    raise(kClose);
    ResetEvent(closingEvent_.get());
    if (closeCancelled_)
        return;
    setVisible(false, false);
    if (trayIconShown_) {
        trayIconPinned_ = false;
        removeTrayIcon();
    }
    closed_ = true;
    SetEvent(closedEvent_.get());
}

// The end of the user's session with no flags is a shut-down or restart.
// Telling the application base to shut down waits for the application
// window's reporting side.
void Window::onEndSession(bool ending, LPARAM flags) {
    if (!ending)
        return;
    raise(kSessionEnding);
    if (flags != 0)
        return;
    shuttingDown_ = true;
    if (!closed_)
        runCloseSequence();
}

void Window::onRightButtonDown() {
    raise(kRightButtonDown);
    if (contextMenu_ == nullptr)
        return;
    raise(kRightClickMenu);
    // A listener of the event may have taken the menu away.
    if (contextMenu_ == nullptr)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    contextMenu_->open(cursor.x, cursor.y, this);
}

// The menu bar first, then the tray menu, then the context menu: the first
// that holds the command runs it.
bool Window::onMenuCommand(std::int32_t commandId) {
    if (menuBar_ != nullptr && menuBar_->hasItem(commandId)) {
        menuBar_->runCommand(commandId);
        return true;
    }
    for (IPopupMenu* menu : {trayMenu_, contextMenu_}) {
        if (menu != nullptr && menu->hasItem(commandId)) {
            menu->runCommand(commandId);
            return true;
        }
    }
    return false;
}

void Window::onMiddleButtonDown() {
    raise(kMiddleButtonDown);
    if (middleClickAction_ == kMiddleClose)
        close();
    else if (middleClickAction_ == kMiddleIconize)
        iconize();
}

void Window::onWheel(WPARAM wParam, LPARAM lParam) {
    if (!offerWheelToChildren(*this, wParam, lParam))
        raiseWheel(wParam);
}

bool Window::onCopyData(const COPYDATASTRUCT* data) {
    // Any program may send this: only a block of whole UTF-16 units, ended
    // by a zero and of a size arguments can have, is taken.
    constexpr DWORD kMostBytes = 64 * 1024;
    if (data == nullptr || data->dwData != kArgumentsTag || data->lpData == nullptr ||
        data->cbData == 0 || data->cbData > kMostBytes || data->cbData % sizeof(char16_t) != 0)
        return false;
    const auto* units = static_cast<const char16_t*>(data->lpData);
    std::size_t count = data->cbData / sizeof(char16_t);
    if (units[count - 1] != 0)
        return false;
    handedArguments_.assign(units, count);
    raise(kArgumentsHanded);
    handedArguments_.clear();
    return true;
}

void Window::raiseWheel(WPARAM wParam) {
    if (windowListeners_[IWindow::kWheel - 1].length() == 0)
        return;
    wheelLines_ = wheelLinesOf(wParam);
    raise(IWindow::kWheel);
}

void Window::onActivate(bool on) {
    if (on) {
        // The hidden owner was created with the default, empty size.
        ShowWindow(owner_.handle(), SW_SHOWNA);
        raise(kActivated);
        active_ = true;
        deactivatedAt_ = 0;
        return;
    }
    raise(kDeactivated);
    if (active_) {
        deactivatedAt_ = nowMs();
        active_ = false;
    }
}

} // namespace s::gui::win
