#include "toolkit/controls/win/StatusBar.h"

#include "foundation/objects/Pools.h"
#include "foundation/system/win/Handles.h"
#include "toolkit/controls/SizeGrip.h"
#include "toolkit/controls/win/OffScreenPaint.h"
#include "toolkit/controls/win/SizeGripDrawing.h"
#include "toolkit/drawers/IDrawer.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/window/IWindow.h"

#include <windowsx.h>

#include <algorithm>

namespace s::gui::win {

namespace {
constexpr std::int32_t kInset = 2;
} // namespace

StatusBar::StatusBar() {
    resetStatusBar();
}

StatusBar::~StatusBar() {
    // The window goes first: its procedure calls into this bar.
    setParent(nullptr);
}

base::IObject* StatusBar::newInstance() const {
    return thread::take<StatusBar>();
}

void StatusBar::release() {
    thread::giveBack(this);
}

void StatusBar::clear() {
    Box::clear();
    resetStatusBar();
}

void StatusBar::resetStatusBar() {
    setPileLayout();
    setInsets(kInset);
    sizeGrip_ = false;
    overGrip_ = false;
}

std::int32_t StatusBar::getMinimumHeight() const {
    return std::max(Box::getMinimumHeight(), kMinimumHeight);
}

std::int32_t StatusBar::getPreferredHeight() const {
    return std::max(Box::getPreferredHeight(), getMinimumHeight());
}

void StatusBar::setContent(IComponent* component, std::int32_t) {
    removeAll(false);
    if (component != nullptr)
        add(component);
}

// The content keeps clear of the grip.
void StatusBar::setSizeGrip(bool on) {
    sizeGrip_ = on;
    if (!on)
        overGrip_ = false;
    setInsetRight(on ? controls::kGripSize : kInset);
    doLayout();
    repaint();
}

NativeForm StatusBar::nativeForm() const {
    return NativeForm{nullptr, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 0};
}

bool StatusBar::pointInGrip(HWND hwnd, LPARAM clientPoint) const {
    RECT client{};
    return sizeGrip_ && GetClientRect(hwnd, &client) &&
           controls::inGrip(GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint), client.right,
                            client.bottom, scaleOfWindow(hwnd));
}

void StatusBar::paint(HDC surface, const RECT& client) {
    IWindow* window = getWindow();
    std::uint32_t colour = window != nullptr && !window->isBackgroundTransparent()
                               ? window->getBackground()
                               : systemColour(SystemColour::ButtonFace);
    system::win::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(surface, &client, brush.get());
    if (drawer::IDrawer* painter = getDrawer())
        painter->paint(surface, 0, 0, client.right, client.bottom);
    if (sizeGrip_)
        drawSizeGrip(surface, client.right, client.bottom);
}

LRESULT StatusBar::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                 bool& handled) {
    LRESULT result = 0;
    handled = answerPaintMessage(
        hwnd, message, wParam, [this](HDC surface, const RECT& client) { paint(surface, client); },
        result);
    if (handled)
        return result;
    handled = true;
    switch (message) {
    case WM_SETCURSOR: {
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(hwnd, &p);
        overGrip_ = pointInGrip(hwnd, MAKELPARAM(p.x, p.y));
        if (overGrip_) {
            SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE));
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN:
        // The window sizes itself from its corner, as if its own frame had
        // been grabbed there.
        if (pointInGrip(hwnd, lParam)) {
            ReleaseCapture();
            SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, 0);
            return 0;
        }
        break;
    default:
        break;
    }
    handled = false;
    return 0;
}

} // namespace s::gui::win
