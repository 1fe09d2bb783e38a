// The message procedure of a component's child window: painting, and for a
// box the mouse (hover, click, wheel, the click-through hit test), dropped
// files and key presses.

#include "toolkit/win/NativePeers.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"
#include "foundation/strings/win/WideText.h"
#include "toolkit/box/Box.h"

#include <shellapi.h>
#include <windowsx.h>

namespace s::gui::win {

LRESULT ChildPeer::handleMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    switch (message) {
    case WM_ERASEBKGND:
        // The paint covers the whole client area; erasing first would flicker.
        return 1;
    case WM_PAINT:
        paint();
        return 0;
    case WM_PRINTCLIENT:
        paintInto(reinterpret_cast<HDC>(wParam));
        return 0;
    default:
        break;
    }
    if (box_ != nullptr) {
        switch (message) {
        case WM_NCHITTEST:
            return onHitTest(lParam);
        case WM_MOUSEMOVE:
            onMouseMove();
            return 0;
        case WM_MOUSELEAVE:
            onMouseLeave();
            return 0;
        case WM_LBUTTONDOWN:
            box_->raiseEvent(Box::kClicked);
            return 0;
        case WM_MOUSEWHEEL:
            onWheel(wParam, lParam);
            return 0;
        case WM_DROPFILES:
            onDropFiles(wParam);
            return 0;
        case WM_KEYDOWN:
            // The key belongs to the window the box lies in.
            if (HWND parent = GetParent(hwnd_))
                return SendMessageW(parent, message, wParam, lParam);
            break;
        default:
            break;
        }
    }
    handled = false;
    return 0;
}

namespace {
// Only a hover colour or a paint listener shows the hover state.
void repaintHover(Box& box, HWND hwnd) {
    if (box.isHoverColourOn() || box.hasListeners(Box::kPainting))
        InvalidateRect(hwnd, nullptr, FALSE);
}
} // namespace

// The platform reports the leave once the cursor is off the client area
// (or over a child window); only the change of state repaints. The mouse
// is not captured: a capture would take the clicks from the box's children.
void ChildPeer::onMouseMove() {
    if (box_->isClickThrough() || box_->isHovering())
        return;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
    TrackMouseEvent(&track);
    box_->setHovering(true);
    repaintHover(*box_, hwnd_);
}

void ChildPeer::onMouseLeave() {
    if (!box_->isHovering())
        return;
    box_->setHovering(false);
    repaintHover(*box_, hwnd_);
}

bool offerWheelToChildren(IComponent& container, WPARAM wParam, LPARAM lParam) {
    POINT cursor{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    for (std::int32_t i = 0; i < container.getComponentCount(); ++i) {
        IComponent* child = container.getComponent(i);
        if (!child->isContainer() || !child->isShowing())
            continue;
        // The child's window as shown, in the screen's pixels at any scale;
        // its edges count as inside, as for containsScreenPoint.
        HWND target = HwndPeer::handleOf(peerOf(child));
        RECT r{};
        if (target == nullptr || !GetWindowRect(target, &r) || cursor.x < r.left ||
            cursor.x > r.right || cursor.y < r.top || cursor.y > r.bottom)
            continue;
        SendMessageW(target, WM_MOUSEWHEEL, wParam, lParam);
        return true;
    }
    return false;
}

std::int32_t wheelLinesOf(WPARAM wParam) {
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    auto signedLines = static_cast<std::int32_t>(lines);
    return GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? -signedLines : signedLines;
}

// The first child box under the cursor takes the step; else the box's own
// wheel listeners; else the window the box lies in.
void ChildPeer::onWheel(WPARAM wParam, LPARAM lParam) {
    if (offerWheelToChildren(*box_, wParam, lParam))
        return;
    if (box_->hasListeners(Box::kWheel)) {
        box_->setWheelLines(wheelLinesOf(wParam));
        box_->raiseEvent(Box::kWheel);
        return;
    }
    if (HWND window = GetAncestor(hwnd_, GA_ROOT); window != nullptr && window != hwnd_)
        SendMessageW(window, kWheelPassedUpMessage, wParam, lParam);
}

// A box that does nothing with a press lets it fall to the window below it
// (its parent, and so up to the top-level window, which may start an easy
// drag or a frame resize), except over an enabled child button, which keeps
// its clicks. The platform asks the windows under the cursor from the
// deepest child up and skips each that answers transparent.
LRESULT ChildPeer::onHitTest(LPARAM lParam) {
    LRESULT answer = DefWindowProcW(hwnd_, WM_NCHITTEST, 0, lParam);
    if (box_->keepsPresses() || answer != HTCLIENT)
        return answer;
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(hwnd_, &p);
    HWND child = ChildWindowFromPointEx(hwnd_, p, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (child != nullptr && child != hwnd_) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (lstrcmpiW(className, L"Button") == 0)
            return HTCLIENT;
    }
    return HTTRANSPARENT;
}

// Each path is kept to the platform's 260 characters.
void ChildPeer::onDropFiles(WPARAM wParam) {
    auto drop = reinterpret_cast<HDROP>(wParam);
    str::StrArray* files = box_->getDroppedFiles();
    files->clear();
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        wchar_t path[MAX_PATH] = {};
        if (DragQueryFileW(drop, i, path, MAX_PATH) == 0)
            continue;
        auto* text = thread::take<str::StrBuffer>();
        text->set(str::win::fromWide(path));
        files->add(text);
    }
    DragFinish(drop);
    if (box_->acceptsFiles())
        box_->raiseEvent(Box::kFilesDropped);
}

} // namespace s::gui::win
