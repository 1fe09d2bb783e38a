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

// Where the parent's client area lies in its window's, in toolkit pixels:
// the places of the containers between the component and its window.
void parentOffset(const IComponent* component, std::int32_t& x, std::int32_t& y) {
    x = y = 0;
    if (component == nullptr)
        return;
    for (const IComponent* p = component->getParent(); p != nullptr && p->getParent() != nullptr;
         p = p->getParent()) {
        auto* placed = dynamic_cast<const Component*>(p);
        x += p->getX() + (placed != nullptr ? placed->getOriginX() : 0);
        y += p->getY() + (placed != nullptr ? placed->getOriginY() : 0);
    }
}
} // namespace

ChildPeer::ChildPeer(IComponent& component)
    : container_(component.isContainer()), component_(&component), placed_(&component),
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

// Layout passes place every child again, mostly where it already is; each
// SetWindowPos is a round trip to the window manager even then, and a window
// being built goes through several passes.
bool ChildPeer::alreadyPlaced(std::int32_t left, std::int32_t top, std::int32_t width,
                              std::int32_t height, UINT flags, bool show) const {
    if (show && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) == 0)
        return false;
    RECT now;
    if (!GetWindowRect(hwnd_, &now))
        return false;
    MapWindowPoints(HWND_DESKTOP, GetAncestor(hwnd_, GA_PARENT), reinterpret_cast<POINT*>(&now), 2);
    bool samePlace = (flags & SWP_NOMOVE) != 0 || (now.left == left && now.top == top);
    bool sameSize = (flags & SWP_NOSIZE) != 0 ||
                    (now.right - now.left == width && now.bottom - now.top == height);
    return samePlace && sameSize;
}

// The toolkit's pixels become the platform's here, at the scale of the
// monitor the window is on.
void ChildPeer::place(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, UINT flags,
                      bool show) {
    if (hwnd_ == nullptr)
        return;
    // Each edge is scaled where it lies in the window, not inside its
    // parent: nested boxes then add no rounding of their own, and an edge is
    // never more than half a pixel from its place at the window's scale.
    const DisplayScale scale = scaleOfWindow(hwnd_);
    std::int32_t ox = 0, oy = 0;
    parentOffset(placed_, ox, oy);
    if (!scale.isUnit() && placed_ != nullptr) {
        // A move alone changes where the right and bottom edges round to,
        // and a resize alone needs the place: both are placed whole.
        auto* c = dynamic_cast<Component*>(placed_);
        x = placed_->getX() + (c != nullptr ? c->getOriginX() : 0);
        y = placed_->getY() + (c != nullptr ? c->getOriginY() : 0);
        w = placed_->getWidth();
        h = placed_->getHeight();
        flags &= ~static_cast<UINT>(SWP_NOMOVE | SWP_NOSIZE);
    }
    const std::int32_t left = scale.px(ox + x) - scale.px(ox);
    const std::int32_t top = scale.px(oy + y) - scale.px(oy);
    const std::int32_t width = scale.px(ox + x + w) - scale.px(ox + x);
    const std::int32_t height = scale.px(oy + y + h) - scale.px(oy + y);
    if (alreadyPlaced(left, top, width, height, flags, show))
        return;
    SetWindowPos(hwnd_, nullptr, left, top, width, height,
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

void ChildPeer::orderBefore(INativePeer* sibling) {
    HWND next = handleOf(sibling);
    if (hwnd_ == nullptr || next == nullptr)
        return;
    HWND above = GetWindow(next, GW_HWNDPREV);
    if (above != hwnd_)
        SetWindowPos(hwnd_, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void ChildPeer::show(bool visible) {
    if (hwnd_ != nullptr)
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void ChildPeer::enable(bool enabled) {
    if (hwnd_ != nullptr)
        EnableWindow(hwnd_, enabled);
}

// A window that does not show (hidden itself or inside a hidden parent, as
// the whole tree is while a window is built) is painted whole when it shows;
// invalidating it before is a round trip to the window server for nothing.
void ChildPeer::repaint() {
    if (hwnd_ != nullptr && IsWindowVisible(hwnd_))
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void ChildPeer::repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    if (hwnd_ == nullptr || !IsWindowVisible(hwnd_))
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
