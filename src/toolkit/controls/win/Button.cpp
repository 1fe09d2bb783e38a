#include "toolkit/controls/win/Button.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/win/WideText.h"
#include "toolkit/controls/win/ControlMessages.h"
#include "toolkit/controls/win/SizeGripDrawing.h"
#include "toolkit/drawers/Painters.h"
#include "toolkit/win/Font.h"

namespace s::gui::win {

namespace {
constexpr UINT_PTR kRepeatTimer = 1;
constexpr char16_t kResizerText[] = u"#Resizer";
} // namespace

Button::Button() : Control(3) {
}

Button::~Button() = default;

base::IObject* Button::newInstance() const {
    return thread::take<Button>();
}

void Button::release() {
    thread::giveBack(this);
}

void Button::resetControl() {
    rules_ = controls::ToggleRules{};
    repeat_.stop();
    autoRepeat_ = false;
    bordered_ = true;
    inverted_ = false;
    flat_ = false;
    pressed_ = mouseOver_ = held_ = resizing_ = false;
    tabStop_ = true;
}

// Owner-drawn, so that the platform's every repaint of a state change comes
// to the control as an item to draw.
NativeForm Button::nativeForm() const {
    const DWORD style = (tabStop_ ? DWORD{WS_TABSTOP} : 0) | BS_OWNERDRAW | BS_NOTIFY;
    return NativeForm{L"Button", style, 0, 1000};
}

void Button::setTabStop(bool on) {
    tabStop_ = on;
    if (HWND hwnd = handle()) {
        LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        SetWindowLongPtrW(hwnd, GWL_STYLE, on ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
    }
}

drawer::IButton* Button::buttonPainter() const {
    return static_cast<drawer::IButton*>(painter());
}

void Button::setDrawer(drawer::IButton* painter, bool owned) {
    setPainter(painter, owned);
}

void Button::fillFonts() {
    if (drawer::IButton* p = buttonPainter()) {
        p->fillFonts(&fonts_[kNormalFont], &fonts_[kDisabledFont]);
        p->fillPressedFont(&fonts_[kPressedFont]);
    }
}

void Button::setAutoRepeat(bool on) {
    autoRepeat_ = on;
    if (!on)
        stopRepeating(handle());
}

void Button::setBordered(bool on) {
    bordered_ = on;
    repaint();
}

void Button::setToggle(bool toggle, bool releasable, bool inverted, bool flat) {
    rules_.toggle = toggle;
    rules_.releasable = releasable;
    inverted_ = inverted;
    flat_ = flat;
    repaint();
}

void Button::setPressed(bool on) {
    if (pressed_ == on)
        return;
    pressed_ = on;
    repaint();
}

void Button::setColourSwatch(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    str::StrBuffer text;
    controls::colourSwatchText(rgb(r, g, b), text);
    setText(text.cStr());
}

bool Button::isResizer() const {
    return lstrcmpW(str::win::wide(getText()), str::win::wide(kResizerText)) == 0;
}

bool Button::transparentToHits() const {
    return rules_.transparentToHits(pressed_, isEnabled());
}

void Button::onClick() {
    raise(kAction, kAction);
    pressed_ = rules_.afterClick(pressed_, isEnabled());
    repaint();
    raise(kAfterAction, kAfterAction);
}

void Button::onButtonDown(HWND hwnd) {
    held_ = true;
    raise(kPress, kPress);
    if (autoRepeat_)
        SetTimer(hwnd, kRepeatTimer, repeat_.start(), nullptr);
}

// A tick counts only while the button is still held with the cursor on it.
void Button::onRepeatTimer(HWND hwnd) {
    POINT cursor;
    RECT client;
    GetCursorPos(&cursor);
    ScreenToClient(hwnd, &cursor);
    GetClientRect(hwnd, &client);
    bool held = held_ && (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    bool press = false;
    std::uint32_t next = repeat_.tick(held, PtInRect(&client, cursor) != 0, press);
    if (next == 0)
        KillTimer(hwnd, kRepeatTimer);
    else
        SetTimer(hwnd, kRepeatTimer, next, nullptr);
    if (press)
        raise(kPress, kPress);
}

void Button::stopRepeating(HWND hwnd) {
    repeat_.stop();
    if (hwnd != nullptr)
        KillTimer(hwnd, kRepeatTimer);
}

void Button::onMouseMove(HWND hwnd) {
    POINT cursor;
    RECT client;
    GetCursorPos(&cursor);
    ScreenToClient(hwnd, &cursor);
    GetClientRect(hwnd, &client);
    bool over = PtInRect(&client, cursor) != 0;
    if (over && !mouseOver_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
    }
    if (over != mouseOver_) {
        mouseOver_ = over;
        if (!over)
            stopRepeating(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

void Button::startResize(HWND hwnd) {
    HWND window = GetAncestor(hwnd, GA_ROOT);
    GetCursorPos(&resizeStart_);
    GetWindowRect(window, &resizeFrom_);
    resizing_ = true;
    SetCapture(hwnd);
}

// The window's own sizing rules (minimum size, keeping inside the screen)
// see the rectangle first, as in a drag of its bottom-right corner.
void Button::resizeTo(HWND hwnd) {
    HWND window = GetAncestor(hwnd, GA_ROOT);
    POINT cursor;
    GetCursorPos(&cursor);
    RECT r = resizeFrom_;
    r.right += cursor.x - resizeStart_.x;
    r.bottom += cursor.y - resizeStart_.y;
    SendMessageW(window, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&r));
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Button::onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    switch (message) {
    case kReflectedClick:
    case kReflectedDoubleClick:
        onClick();
        return 0;
    case WM_DRAWITEM:
        paintInto(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hDC);
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (isResizer()) {
            startResize(hwnd);
            return 0;
        }
        onButtonDown(hwnd);
        break;
    case WM_LBUTTONUP:
        if (resizing_) {
            ReleaseCapture();
            return 0;
        }
        held_ = false;
        stopRepeating(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        break;
    case WM_CAPTURECHANGED:
        resizing_ = false;
        held_ = false;
        stopRepeating(hwnd);
        break;
    case WM_MOUSEMOVE:
        if (resizing_) {
            resizeTo(hwnd);
            return 0;
        }
        onMouseMove(hwnd);
        break;
    case WM_MOUSELEAVE:
        mouseOver_ = false;
        if (!held_)
            stopRepeating(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_TIMER:
        if (wParam == kRepeatTimer) {
            onRepeatTimer(hwnd);
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (isResizer()) {
            SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE));
            return TRUE;
        }
        break;
    case WM_MOUSEWHEEL:
        return SendMessageW(GetAncestor(hwnd, GA_ROOT), message, wParam, lParam);
    default:
        break;
    }
    handled = false;
    return 0;
}

// The painter's content rectangle: 2 pixels in on every side.
std::int32_t Button::textRoom(const RECT& client) const {
    return client.right - client.left - scaleOfWindow(handle()).px(4);
}

void Button::paint(HDC surface, const RECT& client) {
    if (!isBackgroundTransparent() || painter() == nullptr)
        fillBackground(surface, client);
    if (isResizer()) {
        paintGrip(surface, client);
        return;
    }
    std::int32_t hover = rules_.hoverState(pressed_, mouseOver_, held_);
    bool shownPressed = pressed_ != inverted_;
    if (drawer::IButton* p = buttonPainter()) {
        drawer::Rect rect{client.left, client.top, client.right, client.bottom};
        // The second font is the painter's disabled text.
        const std::int32_t state = shownPressed ? kPressedFont
                                   : isEnabled() ? kNormalFont
                                                 : kDisabledFont;
        p->paintButton(surface, rect, hover, getText(), bordered_, font(state), isEnabled(),
                       shownPressed, flat_);
        if (GetFocus() == handle()) {
            const std::int32_t inset = paintScale().px(3);
            p->paintFocus(surface, drawer::Rect{client.left + inset, client.top + inset,
                                                client.right - inset, client.bottom - inset});
        }
        return;
    }
    paintPlain(surface, client, hover, shownPressed);
}

void Button::paintGrip(HDC surface, const RECT& client) {
    drawSizeGrip(surface, client.right, client.bottom);
}

// Without a painter: the platform's push button, the text (a glyph name
// without its "#"), or the colour of a swatch.
void Button::paintPlain(HDC surface, const RECT& client, std::int32_t hover, bool shownPressed) {
    RECT r = client;
    UINT state = DFCS_BUTTONPUSH;
    if (hover == 2 || shownPressed)
        state |= DFCS_PUSHED;
    if (!isEnabled())
        state |= DFCS_INACTIVE;
    if (flat_)
        state |= DFCS_FLAT;
    DrawFrameControl(surface, &r, DFC_BUTTON, state);
    const std::int32_t inset = paintScale().px(3);
    InflateRect(&r, -inset, -inset);
    const char16_t* text = getText();
    const wchar_t* wideText = str::win::wide(text);
    if (lstrlenW(wideText) == 15 && wcsncmp(wideText, L"#Color-", 7) == 0) {
        std::uint32_t colour = 0;
        for (std::uint32_t i = 9; i < 15; ++i) {
            char16_t c = text[i];
            std::uint32_t digit = c <= u'9' ? c - u'0' : (c | 0x20) - u'a' + 10;
            colour = (colour << 4) | (digit & 0xF);
        }
        system::win::GdiObject<HBRUSH> swatch(CreateSolidBrush(colour));
        FillRect(surface, &r, swatch.get());
        return;
    }
    if (text[0] == u'#' && text[1] != 0)
        ++text;
    Font* f = font(shownPressed ? kPressedFont : kNormalFont);
    system::win::Selection selection(surface, f != nullptr ? static_cast<HGDIOBJ>(f->handle())
                                                           : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(surface, TRANSPARENT);
    SetTextColor(surface, isEnabled() ? textColour() : GetSysColor(COLOR_GRAYTEXT));
    if (state & DFCS_PUSHED)
        OffsetRect(&r, 1, 1);
    DrawTextW(surface, str::win::wide(text), -1, &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (GetFocus() == handle()) {
        RECT focus = client;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(surface, &focus);
    }
}

} // namespace s::gui::win
