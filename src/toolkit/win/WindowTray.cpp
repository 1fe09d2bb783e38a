// The notification-area icon: adding, removing and updating it, and what a
// click on it does.

#include "toolkit/win/Window.h"

#include "foundation/strings/win/WideText.h"
#include "foundation/system/Seams.h"
#include "toolkit/menu/IPopupMenu.h"

#include <shellapi.h>

#include <cwchar>

namespace s::gui::win {

namespace {
constexpr UINT kTrayIconId = 0;

template <std::size_t N> void copyClipped(wchar_t (&to)[N], const char16_t* from) {
    const wchar_t* text = str::win::wide(from);
    std::size_t n = std::wcslen(text);
    if (n >= N)
        n = N - 1;
    std::wmemcpy(to, text, n);
    to[n] = L'\0';
}

NOTIFYICONDATAW trayRecord(HWND hwnd, HICON icon, const char16_t* tip) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = hwnd;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = Window::kTrayMessage;
    data.hIcon = icon;
    copyClipped(data.szTip, tip);
    return data;
}
} // namespace

bool Window::addTrayIcon() {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return false;
    NOTIFYICONDATAW data = trayRecord(hwnd, trayIcon(), title_.cStr());
    if (!Shell_NotifyIconW(NIM_ADD, &data))
        return false;
    trayIconShown_ = true;
    return true;
}

// A new shell knows no icon of ours: the one that was shown is added again.
// A shell that kept it would refuse it twice, so it is deleted first.
void Window::onTaskbarCreated() {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr || !trayIconShown_)
        return;
    NOTIFYICONDATAW data = trayRecord(hwnd, nullptr, u"");
    Shell_NotifyIconW(NIM_DELETE, &data);
    trayIconShown_ = false;
    addTrayIcon();
}

bool Window::removeTrayIcon() {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr || trayIconPinned_ || !trayIconShown_)
        return false;
    NOTIFYICONDATAW data = trayRecord(hwnd, nullptr, u"");
    Shell_NotifyIconW(NIM_DELETE, &data);
    trayIconShown_ = false;
    return true;
}


bool Window::showTrayBalloon(const char16_t* title, const char16_t* text) {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr || !trayIconShown_)
        return false;
    if (auto replaced = seams::trayBalloon()) {
        replaced(title, text);
        return true;
    }
    NOTIFYICONDATAW data = trayRecord(hwnd, trayIcon(), title_.cStr());
    data.uFlags |= NIF_INFO;
    data.dwInfoFlags = NIIF_INFO;
    copyClipped(data.szInfoTitle, title);
    copyClipped(data.szInfo, text);
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void Window::modifyTrayTip() {
    updateTrayIcon();
}

void Window::updateTrayIcon() {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr || !trayIconShown_)
        return;
    NOTIFYICONDATAW data = trayRecord(hwnd, trayIcon(), title_.cStr());
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void Window::setTrayImage(HICON icon) {
    if (icon == trayImage_.get())
        return;
    // The shell draws from its own copy, so the previous icon may go as soon
    // as the shell was given the new one.
    system::win::Icon previous(trayImage_.detach());
    trayImage_.reset(icon);
    updateTrayIcon();
}

std::int32_t Window::trayIconSize() const {
    return scale().px(16);
}

void Window::setTrayIcon(bool on) {
    if (on) {
        if (!trayIconShown_)
            addTrayIcon();
    } else {
        removeTrayIcon();
    }
}

void Window::setTrayIconPinned(bool on) {
    if (on) {
        if (!trayIconShown_)
            addTrayIcon();
        trayIconPinned_ = true;
        return;
    }
    trayIconPinned_ = false;
    if (!iconized_)
        removeTrayIcon();
}

void Window::setTrayIconKept(bool on) {
    trayIconKept_ = on;
    if (on && !trayIconShown_)
        addTrayIcon();
    else if (!on && trayIconShown_ && !iconized_)
        removeTrayIcon();
}

void Window::onTrayMessage(LPARAM lParam) {
    UINT mouse = LOWORD(lParam);
    if (mouse == WM_LBUTTONDOWN) {
        if (trayClickToggles_) {
            switch (geometry::trayClick(iconized_, active_, nowMs(), deactivatedAt_)) {
            case geometry::TrayClick::Restore:
                restore();
                break;
            case geometry::TrayClick::Iconize:
                iconize();
                break;
            case geometry::TrayClick::Activate:
                activate(true);
                if (isMinimized())
                    restore();
                break;
            }
        }
        raise(kTrayLeftClick);
    } else if (mouse == WM_RBUTTONDOWN && trayMenu_ != nullptr) {
        raise(kTrayRightClick);
        if (trayMenu_ == nullptr)
            return;
        // A menu opened for a window that is not in the foreground stays
        // open when the user clicks elsewhere.
        SetForegroundWindow(hwnd_);
        POINT cursor;
        GetCursorPos(&cursor);
        trayMenu_->openAbove(cursor.x, cursor.y, this);
        SetForegroundWindow(hwnd_);
    }
}

} // namespace s::gui::win
