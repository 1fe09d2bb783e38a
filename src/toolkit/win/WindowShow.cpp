// The window's place on the screen and its state: bounds and sizes, showing
// and hiding, activation, minimize, maximize, restore and iconize, keeping on
// top, transparency and the frame styles.

#include "toolkit/win/Window.h"

#include "foundation/system/Platform.h"
#include "toolkit/win/MessageBox.h"
#include "toolkit/IWindowState.h"
#include "toolkit/win/DisplayScales.h"
#include "toolkit/win/ScreenAreas.h"

#include <algorithm>

#undef MessageBox

namespace s::gui::win {

namespace {
constexpr UINT kNoMoveSizeZ = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

platform::CriticalSection& trimLock() {
    static platform::CriticalSection lock;
    return lock;
}

using SetLayeredAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Looked up once, by name: the function came late to user32.
struct LayeredFunction {
    bool loaded = false;
    DWORD error = 0;
    SetLayeredAttributes function = nullptr;
};

const LayeredFunction& layeredFunction() {
    static const LayeredFunction found = [] {
        LayeredFunction f;
        HMODULE user32 = LoadLibraryW(L"user32.dll");
        if (user32 == nullptr) {
            f.error = GetLastError();
            return f;
        }
        f.loaded = true;
        f.function = reinterpret_cast<SetLayeredAttributes>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
        return f;
    }();
    return found;
}
} // namespace

geometry::Rect Window::windowRect() const {
    RECT r{};
    if (HWND hwnd = hwnd_)
        GetWindowRect(hwnd, &r);
    return {r.left, r.top, r.right, r.bottom};
}

DisplayScale Window::scale() const {
    return scaleOfWindow(hwnd_);
}

geometry::Rect Window::workAreaOfWindow() const {
    return screen::workAreaOf(hwnd_);
}

std::int32_t Window::getScreenX() {
    return windowRect().left;
}

std::int32_t Window::getScreenY() {
    return windowRect().top;
}

bool Window::containsScreenPoint(std::int32_t sx, std::int32_t sy) {
    if (!isShowing())
        return false;
    geometry::Rect r = windowRect();
    return r.left <= sx && sx <= r.right && r.top <= sy && sy <= r.bottom;
}

std::int32_t Window::getWidth() const {
    return hwnd_ != nullptr ? scale().toToolkit(windowRect().width()) : Component::getWidth();
}

std::int32_t Window::getHeight() const {
    return hwnd_ != nullptr ? scale().toToolkit(windowRect().height()) : Component::getHeight();
}

std::int32_t Window::getInnerWidth() const {
    RECT r{};
    if (HWND hwnd = hwnd_; hwnd != nullptr && GetClientRect(hwnd, &r))
        return scale().toToolkit(r.right);
    return Component::getWidth();
}

std::int32_t Window::getInnerHeight() const {
    RECT r{};
    if (HWND hwnd = hwnd_; hwnd != nullptr && GetClientRect(hwnd, &r))
        return std::max<std::int32_t>(0, scale().toToolkit(r.bottom) - statusBarHeight());
    return Component::getHeight();
}

std::int32_t Window::getFrameWidth() {
    return getWidth() - getInnerWidth();
}

std::int32_t Window::getFrameHeight() {
    return getHeight() - getInnerHeight();
}

void Window::placeNative(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                         UINT flags) {
    if (HWND hwnd = hwnd_)
        SetWindowPos(hwnd, nullptr, x, y, scale().px(w), scale().px(h),
                     flags | SWP_NOZORDER | SWP_NOACTIVATE | (visible_ ? SWP_SHOWWINDOW : 0));
}

void Window::setLocation(std::int32_t x, std::int32_t y) {
    Component::setLocation(x, y);
    placeNative(x, y, 0, 0, SWP_NOSIZE);
}

void Window::setSize(std::int32_t w, std::int32_t h) {
    Component::setSize(w, h);
    placeNative(0, 0, w, h, SWP_NOMOVE);
}

void Window::setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    Component::setBounds(x, y, w, h);
    placeNative(x, y, w, h, 0);
}

void Window::setSizeWithinLimits(std::int32_t w, std::int32_t h) {
    std::int32_t width = std::max(getMinimumWidth(), std::min(w, getPreferredWidth()));
    std::int32_t height = std::max(getMinimumHeight(), std::min(h, getPreferredHeight()));
    setSize(width, height);
    doLayout();
}

// The children's largest minimum width, or the sum of their minimum
// heights, as the vertical layout stacks them.
std::int32_t Window::getMinimumInnerWidth() const {
    std::int32_t widest = 0;
    for (std::int32_t i = 0; i < getComponentCount(); ++i)
        widest = std::max(widest, getComponent(i)->getMinimumWidth());
    return widest;
}

std::int32_t Window::getMinimumInnerHeight() const {
    std::int32_t sum = 0;
    for (std::int32_t i = 0; i < getComponentCount(); ++i)
        sum += getComponent(i)->getMinimumHeight();
    return sum;
}

std::int32_t Window::getMinimumWidth() const {
    if (minimumWidth_ >= 0)
        return minimumWidth_;
    if (fixedWidth_ >= 0)
        return fixedWidth_;
    return getMinimumInnerWidth() + (getWidth() - getInnerWidth());
}

std::int32_t Window::getMinimumHeight() const {
    if (minimumHeight_ >= 0)
        return minimumHeight_;
    if (fixedHeight_ >= 0)
        return fixedHeight_;
    return getMinimumInnerHeight() + (getHeight() - getInnerHeight());
}

std::int32_t Window::getPreferredWidth() const {
    return fixedWidth_ >= 0 ? fixedWidth_ : scale().toToolkit(workAreaOfWindow().width());
}

std::int32_t Window::getPreferredHeight() const {
    return fixedHeight_ >= 0 ? fixedHeight_ : scale().toToolkit(workAreaOfWindow().height());
}

std::int32_t Window::getPreferredInnerWidth() const {
    return std::max(getPreferredWidth() - (getWidth() - getInnerWidth()), 0);
}

std::int32_t Window::getPreferredInnerHeight() const {
    return std::max(getPreferredHeight() - (getHeight() - getInnerHeight()), 0);
}

void Window::setFixedWidth(std::int32_t w) {
    fixedWidth_ = w;
    if (w >= 0)
        setWidth(w);
}

void Window::setFixedHeight(std::int32_t h) {
    fixedHeight_ = h;
    if (h >= 0)
        setHeight(h);
}

void Window::setKeepMinimumSize(bool onWidth, bool onHeight) {
    keepMinWidth_ = onWidth;
    keepMinHeight_ = onHeight;
}

void Window::enforceMinimumSize() {
    std::int32_t w = getWidth(), h = getHeight();
    std::int32_t minW = getMinimumWidth(), minH = getMinimumHeight();
    if (w < minW || h < minH)
        setSize(std::max(w, minW), std::max(h, minH));
}

// Keeping the window inside the screen follows from the size change itself
// (onPositionChanging).
void Window::fitToMinimumSize() {
    HWND hwnd = hwnd_;
    if (hwnd != nullptr && (IsIconic(hwnd) || IsZoomed(hwnd))) {
        fitPending_ = IsIconic(hwnd) != FALSE;
        doLayout();
        return;
    }
    fitPending_ = false;
    settleLayout();
    const std::int32_t minW = getMinimumWidth();
    if (widthFromStore_) {
        // A stored width wider than the content needs was the user's choice,
        // where the user can size the window at all.
        widthChosen_ = borderResizable_ && getWidth() > minW;
        widthFromStore_ = false;
    }
    const std::int32_t width = widthChosen_ ? std::max(getWidth(), minW) : minW;
    const bool resized = width != getWidth() || getMinimumHeight() != getHeight();
    setSize(width, getMinimumHeight());
    doLayout();
    // Growing exposes only the new strips; the frame's border drawn along
    // the old edges would stay in the middle of the window.
    if (resized)
        repaint();
}

// The primary work area, not left of or above its top-left corner.
void Window::centerInParent() {
    geometry::Rect centred = geometry::centredIn(windowRect(), screen::primaryWorkArea());
    setLocation(centred.left, centred.top);
}

void Window::repaint() {
    if (HWND hwnd = hwnd_; hwnd != nullptr && visible_)
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Window::paintInvalid() {
    if (HWND hwnd = hwnd_; hwnd != nullptr && visible_)
        RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Window::setVisible(bool visible, bool) {
    show(visible, false);
}

void Window::show(bool visible, bool activateIt) {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return;
    if (visible && !visible_) {
        if (activateIt && taskbarButton_) {
            // Minimizing and restoring once makes the platform create the
            // taskbar button.
            ShowWindow(hwnd, SW_MINIMIZE);
            ShowWindow(hwnd, SW_RESTORE);
        }
        if (!IsZoomed(hwnd) && state_ != nullptr) {
            if (state_->getMaximized()) {
                maximize();
            } else if (!keepInScreen_ && checkReachableOnShow_ &&
                       (!state_->hasPosition() || !isReachable())) {
                geometry::Rect centred =
                    geometry::centredIn(windowRect(), screen::primaryWorkArea());
                SetWindowPos(hwnd, nullptr, centred.left, centred.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        if (activateIt)
            activate(true);
        ShowWindow(hwnd, activateIt ? SW_SHOW : SW_SHOWNA);
        visible_ = true;
        // Showing left the window and its children invalid, frame and all:
        // they are painted now, each once.
        paintInvalid();
        // Then the windows of collapsed boxes, which were not needed to show.
        PostMessageW(hwnd, kDeferredNativesMessage, 0, 0);
    } else if (!visible && visible_) {
        saveState(true);
        ShowWindow(hwnd, SW_HIDE);
        visible_ = false;
    }
    trimWorkingSet();
}

// Showing or hiding is when the small tool gives back the memory it no
// longer touches.
void Window::trimWorkingSet() {
    platform::CriticalSectionGuard guard(trimLock());
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1),
                             static_cast<SIZE_T>(-1));
}

void Window::activate(bool on) {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return;
    if (on) {
        // Into the top-most band and out again brings the window to the front.
        SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        if (!keepOnTop_)
            leaveTopBand(SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(hwnd);
        active_ = true;
        return;
    }
    SendMessageW(hwnd, WM_ACTIVATE, WA_INACTIVE, 0);
    deactivatedAt_ = nowMs();
}

bool Window::isMinimized() {
    HWND hwnd = hwnd_;
    return hwnd != nullptr && IsIconic(hwnd);
}

bool Window::isMaximized() {
    HWND hwnd = hwnd_;
    return hwnd != nullptr && IsZoomed(hwnd);
}

void Window::minimize() {
    if (HWND hwnd = hwnd_)
        ShowWindow(hwnd, SW_MINIMIZE);
}

void Window::maximize() {
    if (HWND hwnd = hwnd_)
        ShowWindow(hwnd, SW_MAXIMIZE);
}

void Window::showNormal() {
    if (HWND hwnd = hwnd_)
        ShowWindow(hwnd, SW_SHOWNORMAL);
}

void Window::restore() {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return;
    if (iconized_) {
        ShowWindow(hwnd, SW_SHOW);
        visible_ = true;
        iconized_ = false;
        if (!trayIconKept_)
            removeTrayIcon();
    }
    ShowWindow(hwnd, SW_RESTORE);
}

void Window::iconize() {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr || iconized_)
        return;
    ShowWindow(hwnd, SW_MINIMIZE);
    ShowWindow(hwnd, SW_HIDE);
    visible_ = false;
    if (!trayIconShown_)
        addTrayIcon();
    iconized_ = true;
}

void Window::leaveTopBand(UINT flags) {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return;
    SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    if ((GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0)
        return;
    // Wine keeps an owned window in the top-most band; without its owner for
    // the moment of the change it leaves it.
    SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, 0);
    SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_.handle()));
}

void Window::setKeepOnTop(bool on) {
    if (HWND hwnd = hwnd_) {
        UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (visible_ ? SWP_SHOWWINDOW : 0);
        if (on)
            SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, flags);
        else
            leaveTopBand(flags);
    }
    keepOnTop_ = on;
    if (state_ != nullptr)
        state_->setKeepOnTop(on);
    if (targetOpacity_ != 100 && transparencyOnlyOnTop_)
        applyOpacity(on ? targetOpacity_ : 100);
}

void Window::setTransparency(std::int32_t percent, bool onlyOnTop) {
    targetOpacity_ = percent;
    transparencyOnlyOnTop_ = onlyOnTop;
    applyOpacity(keepOnTop_ || !onlyOnTop ? percent : 100);
}

void Window::applyOpacity(std::int32_t percent) {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr || percent == currentOpacity_)
        return;
    const LayeredFunction& layered = layeredFunction();
    if (!layered.loaded) {
        str::StrBuffer text(u"Failed to Load user32Dll.dll!!\nError Code - ");
        text.append(static_cast<std::int64_t>(layered.error));
        showInformation(text.cStr());
        return;
    }
    if (layered.function == nullptr)
        return;
    if (currentOpacity_ == 100)
        changeStyle(WS_EX_LAYERED, 0, true);
    layered.function(hwnd, 0, geometry::alphaOf(percent), LWA_ALPHA);
    if (percent == 100)
        changeStyle(0, WS_EX_LAYERED, true);
    currentOpacity_ = percent;
}

void Window::changeStyle(LONG_PTR add, LONG_PTR remove, bool extended) {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return;
    int which = extended ? GWL_EXSTYLE : GWL_STYLE;
    LONG_PTR style = GetWindowLongPtrW(hwnd, which);
    LONG_PTR changed = (style & ~remove) | add;
    if (changed == style)
        return;
    SetWindowLongPtrW(hwnd, which, changed);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kNoMoveSizeZ | SWP_FRAMECHANGED);
}

void Window::setMaximizeBox(bool on) {
    maximizeBox_ = on;
    changeStyle(on ? WS_MAXIMIZEBOX : 0, on ? 0 : WS_MAXIMIZEBOX, false);
}

void Window::setMinimizeBox(bool on) {
    minimizeBox_ = on;
    changeStyle(on ? WS_MINIMIZEBOX : 0, on ? 0 : WS_MINIMIZEBOX, false);
}

void Window::setSystemMenu(bool on) {
    changeStyle(on ? WS_SYSMENU : 0, on ? 0 : WS_SYSMENU, false);
}

void Window::setCaption(bool on) {
    changeStyle(on ? WS_CAPTION : 0, on ? 0 : WS_CAPTION, false);
}

void Window::setToolWindow(bool on) {
    changeStyle(on ? WS_EX_TOOLWINDOW : 0, on ? 0 : WS_EX_TOOLWINDOW, true);
}

void Window::setClientEdge(bool on) {
    changeStyle(on ? WS_EX_CLIENTEDGE : 0, on ? 0 : WS_EX_CLIENTEDGE, true);
}

void Window::setBorderResizable(bool on) {
    borderResizable_ = on;
    changeStyle(on ? WS_THICKFRAME : 0, on ? 0 : WS_THICKFRAME, false);
}

// Off: a frameless pop-up that keeps the system menu and the chosen buttons.
void Window::setStandardFrame(bool on) {
    LONG_PTR buttons = (maximizeBox_ ? WS_MAXIMIZEBOX : 0) | (minimizeBox_ ? WS_MINIMIZEBOX : 0);
    LONG_PTR sizing = borderResizable_ ? WS_THICKFRAME : 0;
    if (on)
        changeStyle(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | sizing | buttons, WS_POPUP, false);
    else
        changeStyle(WS_POPUP | WS_SYSMENU | buttons, WS_CAPTION | WS_THICKFRAME, false);
}

// The platform only picks up the change of the taskbar style while the
// window is hidden.
void Window::setTaskbarButton(bool on) {
    taskbarButton_ = on;
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return;
    bool shown = visible_;
    if (shown)
        ShowWindow(hwnd, SW_HIDE);
    changeStyle(on ? WS_EX_APPWINDOW : 0, on ? 0 : WS_EX_APPWINDOW, true);
    if (shown)
        ShowWindow(hwnd, SW_SHOWNA);
}

void Window::setModalState(bool on) {
    if (HWND hwnd = hwnd_)
        EnableWindow(hwnd, !on);
}

void Window::setFocus() {
    if (HWND hwnd = hwnd_)
        SetFocus(hwnd);
}

void Window::focusNext() {
    if (HWND hwnd = hwnd_) {
        PostMessageW(hwnd, WM_KEYDOWN, VK_TAB, 0);
        PostMessageW(hwnd, WM_KEYUP, VK_TAB, 0);
    }
}

void Window::startDragCapture() {
    if (HWND hwnd = hwnd_) {
        dragCapture_ = true;
        SetCapture(hwnd);
    }
}

void Window::close() {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return;
    if (closeIconizes_ && !iconized_)
        iconized_ = true;
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
}

void Window::waitUntilClosed() {
    if (isWindowThread() || closed_)
        return;
    HANDLE events[2] = {closedEvent_.get(), abort_.get()};
    WaitForMultipleObjects(2, events, FALSE, INFINITE);
}

} // namespace s::gui::win

namespace s::gui::win {

void Window::Peer::repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    HWND hwnd = window_.hwnd_;
    if (hwnd == nullptr)
        return;
    RECT r{x, y, x + w, y + h};
    RedrawWindow(hwnd, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool Window::Peer::screenPosition(std::int32_t& x, std::int32_t& y) {
    geometry::Rect r = window_.windowRect();
    x = r.left;
    y = r.top;
    return window_.hwnd_ != nullptr;
}

} // namespace s::gui::win
