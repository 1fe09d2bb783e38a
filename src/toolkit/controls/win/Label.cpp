#include "toolkit/controls/win/Label.h"

#include "foundation/files/win/Shell.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/win/WideText.h"
#include "toolkit/drawers/Painters.h"
#include "toolkit/win/Font.h"

#include <windowsx.h>

namespace s::gui::win {

namespace {
constexpr UINT_PTR kRestoreTimer = 100;
} // namespace

Label::Label() : Control(1) {
}

Label::~Label() = default;

base::IObject* Label::newInstance() const {
    return thread::take<Label>();
}

void Label::release() {
    thread::giveBack(this);
}

void Label::resetControl() {
    link_.set(u"");
    remembered_.set(u"");
    temporary_ = false;
    held_ = false;
}

void Label::setLink(const char16_t* target) {
    link_.set(target != nullptr ? target : u"");
}

void Label::setDrawer(drawer::IText* painter, bool owned) {
    setPainter(painter, owned);
}

void Label::fillFonts() {
    if (auto* p = static_cast<drawer::IText*>(painter()))
        p->fillFonts(&fonts_[0]);
}

void Label::showTemporaryText(const char16_t* text, std::uint32_t milliseconds) {
    HWND hwnd = handle();
    if (hwnd == nullptr)
        return;
    if (!temporary_) {
        remembered_.set(getText());
        temporary_ = true;
    }
    setText(text);
    SetTimer(hwnd, kRestoreTimer, milliseconds, nullptr);
}

void Label::onRelease(HWND hwnd, LPARAM where) {
    held_ = false;
    ReleaseCapture();
    InvalidateRect(hwnd, nullptr, FALSE);
    POINT release{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    RECT client;
    GetClientRect(hwnd, &client);
    if (!PtInRect(&client, release))
        return;
    file::win::openWithShell(link_.cStr());
    raise(kClicked, kClicked);
}

LRESULT Label::onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                         bool& handled) {
    handled = true;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (link_.length() == 0)
            break;
        held_ = true;
        SetCapture(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONUP:
        if (!held_)
            break;
        onRelease(hwnd, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        held_ = false;
        break;
    case WM_SETCURSOR:
        if (link_.length() == 0)
            break;
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_TIMER:
        if (wParam != kRestoreTimer)
            break;
        KillTimer(hwnd, kRestoreTimer);
        temporary_ = false;
        setText(remembered_.cStr());
        return 0;
    default:
        break;
    }
    handled = false;
    return 0;
}

// A held link shows pressed by moving its text one pixel down and right.
void Label::paint(HDC surface, const RECT& client) {
    fillBackground(surface, client);
    RECT r = client;
    const DisplayScale scale = paintScale();
    if (held_)
        OffsetRect(&r, scale.px(1), scale.px(1));
    if (auto* p = static_cast<drawer::IText*>(painter())) {
        p->drawText(surface, drawer::Rect{r.left, r.top, r.right, r.bottom}, getText(), font(0));
        return;
    }
    Font* f = font(0);
    system::win::Selection selection(surface, f != nullptr ? static_cast<HGDIOBJ>(f->handle())
                                                           : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(surface, TRANSPARENT);
    SetTextColor(surface, isEnabled() ? textColour() : GetSysColor(COLOR_GRAYTEXT));
    InflateRect(&r, -scale.px(2), 0);
    DrawTextW(surface, str::win::wide(getText()), -1, &r,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace s::gui::win
