#include "toolkit/win/NativePeers.h"

#include "foundation/strings/win/WideText.h"
#include "toolkit/component/IComponent.h"
#include "toolkit/controls/win/ControlPeer.h"
#include "toolkit/win/NativeWindowClass.h"

#include <shellapi.h>

namespace s::gui::win {

namespace {
constexpr UINT kKeepZ = SWP_NOZORDER | SWP_NOACTIVATE;
} // namespace

bool ChildPeer::create(INativePeer* parent) {
    if (hwnd_ != nullptr)
        return true;
    HWND parentHwnd = HwndPeer::handleOf(parent);
    DWORD style = parentHwnd != nullptr ? WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN : WS_POPUP;
    // Tab and arrow keys move between the controls inside a container.
    DWORD exStyle = container_ ? WS_EX_CONTROLPARENT : 0;
    hwnd_ = createToolkitWindow(exStyle, L"", style, 0, 0, 0, 0, parentHwnd, nullptr);
    if (hwnd_ == nullptr) {
        reportCreationFailure();
        return false;
    }
    return true;
}

void ChildPeer::destroy() {
    if (hwnd_ == nullptr)
        return;
    // Gone already when the parent's window was destroyed first.
    if (IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void ChildPeer::place(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, UINT flags,
                      bool show) {
    if (hwnd_ != nullptr)
        SetWindowPos(hwnd_, nullptr, x, y, w, h, flags | kKeepZ | (show ? SWP_SHOWWINDOW : 0));
}

void ChildPeer::move(std::int32_t x, std::int32_t y, bool show) {
    place(x, y, 0, 0, SWP_NOSIZE, show);
}

void ChildPeer::resize(std::int32_t w, std::int32_t h, bool show) {
    place(0, 0, w, h, SWP_NOMOVE, show);
}

void ChildPeer::setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                          bool show) {
    place(x, y, w, h, 0, show);
}

void ChildPeer::show(bool visible) {
    if (hwnd_ != nullptr)
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void ChildPeer::enable(bool enabled) {
    if (hwnd_ != nullptr)
        EnableWindow(hwnd_, enabled);
}

void ChildPeer::repaint() {
    if (hwnd_ != nullptr)
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void ChildPeer::repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    if (hwnd_ == nullptr)
        return;
    RECT r{x, y, x + w, y + h};
    RedrawWindow(hwnd_, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool ChildPeer::screenPosition(std::int32_t& x, std::int32_t& y) {
    RECT r;
    if (hwnd_ == nullptr || !GetWindowRect(hwnd_, &r))
        return false;
    x = r.left;
    y = r.top;
    return true;
}

void ChildPeer::setText(const char16_t* text) {
    if (hwnd_ != nullptr)
        SetWindowTextW(hwnd_, str::win::wide(text != nullptr ? text : u""));
}

void ChildPeer::setAcceptFiles(bool accept) {
    if (hwnd_ != nullptr)
        DragAcceptFiles(hwnd_, accept);
}

std::unique_ptr<INativePeer> WindowsPeerFactory::makePeer(IComponent& component) {
    if (auto* control = dynamic_cast<INativeControl*>(&component))
        return std::make_unique<ControlPeer>(*control);
    return std::make_unique<ChildPeer>(component.isContainer());
}

// GetSysColor's COLORREF keeps red in the low byte, as the toolkit does.
std::uint32_t WindowsPeerFactory::systemColour(SystemColour which) {
    int index = which == SystemColour::ButtonFace ? COLOR_BTNFACE : COLOR_INACTIVECAPTIONTEXT;
    return static_cast<std::uint32_t>(GetSysColor(index));
}

WindowsPeerFactory& WindowsPeerFactory::shared() {
    static WindowsPeerFactory factory;
    return factory;
}

void installWindowsPeerFactory() {
    if (nativePeerFactory() == nullptr)
        installNativePeerFactory(&WindowsPeerFactory::shared());
}

} // namespace s::gui::win
