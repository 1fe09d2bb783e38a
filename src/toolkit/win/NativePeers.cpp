#include "toolkit/win/NativePeers.h"

#include "foundation/strings/win/WideText.h"
#include "toolkit/box/Box.h"
#include "toolkit/component/IComponent.h"
#include "toolkit/controls/win/ControlPeer.h"
#include "toolkit/win/DisplayScales.h"
#include "toolkit/win/NativeWindowClass.h"
#include "toolkit/win/UrlDropTarget.h"

#include <shellapi.h>

namespace s::gui::win {

namespace {
constexpr UINT kKeepZ = SWP_NOZORDER | SWP_NOACTIVATE;
} // namespace

ChildPeer::ChildPeer(IComponent& component)
    : container_(component.isContainer()), component_(&component),
      box_(dynamic_cast<Box*>(&component)) {
}

bool ChildPeer::create(INativePeer* parent) {
    if (hwnd_ != nullptr)
        return true;
    HWND parentHwnd = HwndPeer::handleOf(parent);
    DWORD style = parentHwnd != nullptr ? WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN : WS_POPUP;
    // Tab and arrow keys move between the controls inside a container.
    DWORD exStyle = container_ ? WS_EX_CONTROLPARENT : 0;
    INativeWindowHandler* handler = component_ != nullptr ? this : nullptr;
    hwnd_ = createToolkitWindow(exStyle, L"", style, 0, 0, 0, 0, parentHwnd, handler);
    if (hwnd_ == nullptr) {
        reportCreationFailure();
        return false;
    }
    return true;
}

void ChildPeer::destroy() {
    backBuffer_.release();
    setAcceptUrls(false);
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    // Gone already when the parent's window was destroyed first.
    if (hwnd == nullptr || !IsWindow(hwnd))
        return;
    if (component_ != nullptr) {
        // A handle that no longer carries this peer names another window by
        // now; it is not this peer's to destroy.
        auto* mine = static_cast<INativeWindowHandler*>(this);
        if (GetWindowLongPtrW(hwnd, GWLP_USERDATA) != reinterpret_cast<LONG_PTR>(mine))
            return;
        detachHandler(hwnd);
    }
    DestroyWindow(hwnd);
}

// The toolkit's pixels become the platform's here, at the scale of the
// monitor the window is on.
void ChildPeer::place(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, UINT flags,
                      bool show) {
    if (hwnd_ == nullptr)
        return;
    const DisplayScale scale = scaleOfWindow(hwnd_);
    SetWindowPos(hwnd_, nullptr, scale.px(x), scale.px(y), scale.px(w), scale.px(h),
                 flags | kKeepZ | (show ? SWP_SHOWWINDOW : 0));
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
    const DisplayScale scale = scaleOfWindow(hwnd_);
    RECT r{scale.px(x), scale.px(y), scale.px(x + w), scale.px(y + h)};
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

void ChildPeer::setAcceptUrls(bool accept) {
    if (accept && urlTarget_ == nullptr && hwnd_ != nullptr && box_ != nullptr) {
        urlTarget_ = UrlDropTarget::registerFor(hwnd_, *box_);
    } else if (!accept && urlTarget_ != nullptr) {
        urlTarget_->revoke(hwnd_);
        urlTarget_->Release();
        urlTarget_ = nullptr;
    }
}

std::unique_ptr<INativePeer> WindowsPeerFactory::makePeer(IComponent& component) {
    if (auto* control = dynamic_cast<INativeControl*>(&component))
        return std::make_unique<ControlPeer>(*control);
    return std::make_unique<ChildPeer>(component);
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
