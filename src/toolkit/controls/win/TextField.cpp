#include "toolkit/controls/win/TextField.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/win/WideText.h"
#include "toolkit/controls/win/ControlMessages.h"

#include <vector>

namespace s::gui::win {

TextField::TextField() : Control(1) {
    resetControl();
}

TextField::~TextField() = default;

base::IObject* TextField::newInstance() const {
    return thread::take<TextField>();
}

void TextField::release() {
    thread::giveBack(this);
}

// A field is white like the platform's edit controls.
void TextField::resetControl() {
    password_ = false;
    editable_ = true;
    quiet_ = false;
    showEnd_ = false;
    std::uint32_t window = static_cast<std::uint32_t>(GetSysColor(COLOR_WINDOW));
    setBackground(static_cast<std::uint8_t>(window & 0xFF),
                  static_cast<std::uint8_t>((window >> 8) & 0xFF),
                  static_cast<std::uint8_t>((window >> 16) & 0xFF), false);
}

NativeForm TextField::nativeForm() const {
    DWORD style = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | (editable_ ? 0 : ES_READONLY) |
                  (password_ ? ES_PASSWORD : 0);
    return NativeForm{L"Edit", style, 0, 1001};
}

void TextField::nativeCreated(HWND hwnd) {
    Control::nativeCreated(hwnd);
    if (password_)
        SendMessageW(hwnd, EM_SETPASSWORDCHAR, L'*', 0);
    scrollToEnd(hwnd);
}

// A field that shows the end of its text (a path, say) puts the caret there,
// with as much of the text before it as fits: scrolled from the start, as
// the field scrolls only as far as the caret needs.
void TextField::scrollToEnd(HWND hwnd) {
    if (!showEnd_)
        return;
    const int end = GetWindowTextLengthW(hwnd);
    SendMessageW(hwnd, EM_SETSEL, 0, 0);
    SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
    SendMessageW(hwnd, EM_SETSEL, end, end);
    SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
}

// Made or last scrolled while narrower, the field shows less of the end than
// fits. Not while the user edits in it.
void TextField::boundsChanged() {
    if (HWND hwnd = handle(); hwnd != nullptr && GetFocus() != hwnd)
        scrollToEnd(hwnd);
}

void TextField::measure() {
    setMinimumSize(50, 23);
    setPreferredSize(50, 23);
}

// The platform's own change notification for the new text is not the
// user's; the event, when asked for, is raised here once.
void TextField::setText(const char16_t* text, bool notify) {
    quiet_ = true;
    Control::setText(text);
    quiet_ = false;
    if (HWND hwnd = handle())
        scrollToEnd(hwnd);
    if (notify)
        raise(kChanged, kChanged);
}

void TextField::setPassword(bool on) {
    password_ = on;
    if (HWND hwnd = handle()) {
        SendMessageW(hwnd, EM_SETPASSWORDCHAR, on ? L'*' : 0, 0);
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void TextField::setEditable(bool on) {
    editable_ = on;
    if (HWND hwnd = handle())
        SendMessageW(hwnd, EM_SETREADONLY, on ? FALSE : TRUE, 0);
}

void TextField::focusAndSelectAll() {
    if (HWND hwnd = handle())
        PostMessageW(hwnd, kFocusAndSelectAllMessage, 0, 0);
}

void TextField::readNativeText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    storeText(str::win::fromWide(text.data()));
}

// Each character is typed with redrawing suspended and shown afterwards in
// one repaint.
LRESULT TextField::typeCharacter(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    LRESULT result = ControlPeer::callDefault(hwnd, WM_CHAR, wParam, lParam);
    SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return result;
}

// The platform's margins come from the font (under Wine about half an
// average character on each side), which leaves a 27-pixel time field room
// for one digit: the second scrolled the first out of sight. Every new font
// brings those margins back, so they are set again after each.
void TextField::setNarrowMargins(HWND hwnd) {
    const WPARAM margin = static_cast<WPARAM>(scaleOfWindow(hwnd).px(kMargin));
    SendMessageW(hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

LRESULT TextField::onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                             bool& handled) {
    handled = true;
    switch (message) {
    case WM_KEYDOWN:
        if (wParam != VK_RETURN)
            break;
        raise(kEnter, kEnter);
        return 0;
    case WM_CHAR:
        // The Enter key was the listeners'; its character is not the field's.
        if (wParam == L'\r' || wParam == L'\n')
            return 0;
        return typeCharacter(hwnd, wParam, lParam);
    case kReflectedTextChange:
        readNativeText(hwnd);
        if (!quiet_)
            raise(kChanged, kChanged);
        return 0;
    case WM_SETFONT: {
        LRESULT result = ControlPeer::callDefault(hwnd, message, wParam, lParam);
        setNarrowMargins(hwnd);
        return result;
    }
    case WM_SETFOCUS: {
        // Entered by Tab (or any other way), the field offers its whole text
        // to be typed over.
        LRESULT result = ControlPeer::callDefault(hwnd, message, wParam, lParam);
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
        return result;
    }
    case WM_LBUTTONDOWN: {
        // A click that enters the field selects all of it as well; the
        // platform would put the caret where the click was.
        const bool entering = GetFocus() != hwnd;
        LRESULT result = ControlPeer::callDefault(hwnd, message, wParam, lParam);
        if (entering && GetFocus() == hwnd)
            SendMessageW(hwnd, EM_SETSEL, 0, -1);
        return result;
    }
    case kReflectedFocusLost:
        raise(kFocusLost, kFocusLost);
        return 0;
    case kFocusAndSelectAllMessage:
        SetFocus(hwnd);
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
        return 0;
    default:
        break;
    }
    handled = false;
    return 0;
}

} // namespace s::gui::win
