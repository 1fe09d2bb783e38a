// The frame: the hit test of easy drag and of a painted frame, the limits
// applied while the user sizes the window, keeping it inside the screen, and
// what the window does after it moved or changed size.

#include "toolkit/win/Window.h"

#include "toolkit/IWindowState.h"
#include "toolkit/win/DisplayScales.h"
#include "toolkit/win/ScreenAreas.h"

#include <windowsx.h>

namespace s::gui::win {

namespace {
// The platform's WMSZ_ edges in the order the window numbers its own.
std::int32_t edgeOf(WPARAM wmsz) {
    switch (wmsz) {
    case WMSZ_LEFT: return geometry::kLeft;
    case WMSZ_RIGHT: return geometry::kRight;
    case WMSZ_TOP: return geometry::kTop;
    case WMSZ_BOTTOM: return geometry::kBottom;
    case WMSZ_TOPLEFT: return geometry::kTopLeft;
    case WMSZ_TOPRIGHT: return geometry::kTopRight;
    case WMSZ_BOTTOMLEFT: return geometry::kBottomLeft;
    case WMSZ_BOTTOMRIGHT: return geometry::kBottomRight;
    default: return geometry::kNoEdge;
    }
}
// Every component makes its fonts again and goes back to its place in the
// toolkit's pixels, which are other platform pixels now.
void rescale(IComponent& container) {
    for (std::int32_t i = 0; i < container.getComponentCount(); ++i) {
        IComponent* child = container.getComponent(i);
        if (auto* scaled = dynamic_cast<IDisplayScaled*>(child))
            scaled->displayScaleChanged();
        if (child->isContainer())
            rescale(*child);
        child->setBounds(child->getX(), child->getY(), child->getWidth(), child->getHeight());
    }
}
} // namespace

// The window moved to a monitor of another scale: it takes the rectangle the
// platform suggests, which keeps it where the user dropped it at the new
// scale, and lays itself out again with fonts and sizes of that scale.
void Window::onDpiChanged(const RECT* suggested) {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return;
    rescale(*this);
    if (applicationIcons_)
        loadApplicationIcons();
    if (IComponent* bar = statusBar_) {
        if (auto* scaled = dynamic_cast<IDisplayScaled*>(bar))
            scaled->displayScaleChanged();
        rescale(*bar);
    }
    if (suggested != nullptr)
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    doLayout();
    placeStatusBar();
    if (frameDrawer_ != nullptr)
        applyRegion();
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT Window::onHitTest(WPARAM wParam, LPARAM lParam) {
    HWND hwnd = hwnd_;
    LRESULT answer = DefWindowProcW(hwnd, WM_NCHITTEST, wParam, lParam);
    if (frameDrawer_ != nullptr) {
        geometry::Rect r = windowRect();
        geometry::Hit hit = geometry::frameHit(GET_X_LPARAM(lParam) - r.left,
                                               GET_Y_LPARAM(lParam) - r.top, r.width(), r.height(),
                                               scale());
        if (hit != geometry::Hit::Default)
            answer = static_cast<LRESULT>(hit);
    }
    // The caption answer lets the platform move the window while the left
    // button drags anywhere in it; with the right button held the client
    // area stays a client area.
    if (easyDrag_ && answer == HTCLIENT && (GetKeyState(VK_RBUTTON) & 0x8000) == 0)
        answer = HTCAPTION;
    return answer;
}

void Window::onSizing(WPARAM edge, RECT* rect) {
    sizingEdge_ = edgeOf(edge);
    sizing_ = {rect->left, rect->top, rect->right, rect->bottom};
    geometry::limitToWorkHeight(sizing_, sizingEdge_, workAreaOfWindow().height());
    raise(kSizing);
    geometry::keepMinimum(sizing_, sizingEdge_, scale().px(getMinimumWidth()),
                          scale().px(getMinimumHeight()),
                          keepMinWidth_, keepMinHeight_);
    *rect = {sizing_.left, sizing_.top, sizing_.right, sizing_.bottom};
    if (sizingEdge_ != geometry::kTop && sizingEdge_ != geometry::kBottom)
        widthChosen_ = sizing_.width() > scale().px(getMinimumWidth());
}

// A minimized or maximized window is placed by the platform and left alone.
void Window::onPositionChanging(WINDOWPOS* pos) {
    raise(kPositionChanging);
    HWND hwnd = hwnd_;
    if (!keepInScreen_ || hwnd == nullptr || IsIconic(hwnd) || IsZoomed(hwnd))
        return;
    if ((pos->flags & SWP_NOMOVE) != 0 && (pos->flags & SWP_NOSIZE) != 0)
        return;
    geometry::Rect now = windowRect();
    std::int32_t x = (pos->flags & SWP_NOMOVE) != 0 ? now.left : pos->x;
    std::int32_t y = (pos->flags & SWP_NOMOVE) != 0 ? now.top : pos->y;
    std::int32_t w = (pos->flags & SWP_NOSIZE) != 0 ? now.width() : pos->cx;
    std::int32_t h = (pos->flags & SWP_NOSIZE) != 0 ? now.height() : pos->cy;
    geometry::Rect inside = geometry::movedInside({x, y, x + w, y + h}, screen::keepInsideBounds());
    if (inside.left == x && inside.top == y)
        return;
    pos->x = inside.left;
    pos->y = inside.top;
    pos->flags &= ~static_cast<UINT>(SWP_NOMOVE);
}

void Window::setKeepInScreen(bool on) {
    keepInScreen_ = on;
    if (!on || !visible_ || hwnd_ == nullptr)
        return;
    moveInside(screen::keepInsideBounds());
}

bool Window::isReachable() {
    if (!checkReachableOnShow_)
        return true;
    return geometry::isReachable(windowRect(), screen::virtualScreen());
}

void Window::moveIntoScreen() {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr || IsZoomed(hwnd))
        return;
    moveInside(screen::virtualScreen());
}

void Window::moveInside(const geometry::Rect& bounds) {
    geometry::Rect now = windowRect();
    geometry::Rect inside = geometry::movedInside(now, bounds);
    if (inside.left != now.left || inside.top != now.top)
        SetWindowPos(hwnd_, nullptr, inside.left, inside.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A window back from maximized or minimized is restored; a plain resize
// arrives as a restored size too and only lays out again.
void Window::onSize(WPARAM kind) {
    if (kind == SIZE_MAXIMIZED) {
        wasMaximized_ = true;
        doLayout();
        if (state_ != nullptr) {
            state_->setMaximized(true);
            reportBounds(normalX_, normalY_, normalWidth_, normalHeight_);
        }
    } else if (kind == SIZE_MINIMIZED) {
        wasMaximized_ = false;
        if (state_ != nullptr) {
            state_->setMaximized(false);
            reportBounds(normalX_, normalY_, normalWidth_, normalHeight_);
        }
    } else if (kind == SIZE_RESTORED) {
        bool comingBack = wasMaximized_ || lastSizeKind_ == SIZE_MINIMIZED;
        if (wasMaximized_) {
            wasMaximized_ = false;
            saveState(false);
        }
        doLayout();
        recordNormalBounds();
        if (comingBack && fitPending_)
            fitToMinimumSize();
        if (comingBack)
            raise(kRestored);
    }
    lastSizeKind_ = kind;
    if (frameDrawer_ != nullptr && kind != SIZE_MINIMIZED) {
        // The painted frame follows the edges: the whole window is painted
        // again, and takes the shape the drawer gives this size.
        applyRegion();
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    raise(kResized);
}

void Window::onMoved() {
    recordNormalBounds();
    raise(IWindow::kMoved);
}

void Window::recordNormalBounds() {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr || IsIconic(hwnd) || IsZoomed(hwnd))
        return;
    geometry::Rect r = windowRect();
    normalX_ = r.left;
    normalY_ = r.top;
    normalWidth_ = scale().toToolkit(r.width());
    normalHeight_ = scale().toToolkit(r.height());
}

} // namespace s::gui::win
