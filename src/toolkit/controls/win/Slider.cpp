#include "toolkit/controls/win/Slider.h"

#include "foundation/objects/Pools.h"
#include "toolkit/controls/ButtonRules.h"

#include <algorithm>

#include <commctrl.h>

namespace s::gui::win {

Slider::Slider() : Control(1) {
}

Slider::~Slider() = default;

base::IObject* Slider::newInstance() const {
    return thread::take<Slider>();
}

void Slider::release() {
    thread::giveBack(this);
}

void Slider::resetControl() {
    state_ = drawer::SliderState{};
    tickFrequency_ = 1;
    ticks_ = false;
}

NativeForm Slider::nativeForm() const {
    DWORD style = WS_TABSTOP | (state_.vertical ? TBS_VERT : TBS_HORZ) |
                  (ticks_ ? TBS_AUTOTICKS : TBS_NOTICKS);
    return NativeForm{TRACKBAR_CLASSW, style, 0, 1040};
}

void Slider::nativeCreated(HWND hwnd) {
    Control::nativeCreated(hwnd);
    applyRange(hwnd);
    applyTicks(hwnd);
}

void Slider::applyRange(HWND hwnd) {
    SendMessageW(hwnd, TBM_SETRANGEMIN, FALSE, state_.minimum);
    SendMessageW(hwnd, TBM_SETRANGEMAX, FALSE, state_.maximum);
    SendMessageW(hwnd, TBM_SETPOS, TRUE, state_.value);
}

void Slider::applyTicks(HWND hwnd) {
    SendMessageW(hwnd, TBM_SETTICFREQ, static_cast<WPARAM>(tickFrequency_), 0);
    SendMessageW(hwnd, TBM_SETPAGESIZE, 0, 10 * tickFrequency_);
    SendMessageW(hwnd, TBM_SETLINESIZE, 0, tickFrequency_);
}

void Slider::measure() {
    if (state_.vertical) {
        setMinimumSize(26, 100);
        setPreferredSize(26, 100);
    } else {
        setMinimumSize(100, 26);
        setPreferredSize(100, 26);
    }
}

void Slider::keepInLimits() {
    state_.value = controls::clampSliderValue(state_.value, state_.minimum, state_.maximum,
                                              state_.limitOn, state_.limit);
    if (HWND hwnd = handle())
        SendMessageW(hwnd, TBM_SETPOS, TRUE, state_.value);
    repaint();
}

void Slider::setRange(std::int32_t minimum, std::int32_t maximum) {
    state_.minimum = std::min(minimum, maximum);
    state_.maximum = std::max(minimum, maximum);
    if (HWND hwnd = handle())
        applyRange(hwnd);
    keepInLimits();
}

void Slider::setValue(std::int32_t v) {
    state_.value = v;
    keepInLimits();
}

void Slider::setLimitOn(bool on) {
    state_.limitOn = on;
    keepInLimits();
}

void Slider::setLimit(std::int32_t v) {
    state_.limit = v;
    keepInLimits();
}

void Slider::setVertical(bool on) {
    if (on == state_.vertical)
        return;
    state_.vertical = on;
    swapAxisSettings();
    if (HWND hwnd = handle()) {
        LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE) & ~(TBS_VERT | TBS_HORZ);
        SetWindowLongPtrW(hwnd, GWL_STYLE, style | (on ? TBS_VERT : TBS_HORZ));
    }
    measure();
    repaint();
}

void Slider::setTickFrequency(std::int32_t n) {
    tickFrequency_ = n > 0 ? n : 1;
    if (HWND hwnd = handle())
        applyTicks(hwnd);
}

void Slider::setTicks(bool on) {
    ticks_ = on;
    if (HWND hwnd = handle()) {
        LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE) & ~(TBS_AUTOTICKS | TBS_NOTICKS);
        SetWindowLongPtrW(hwnd, GWL_STYLE, style | (on ? TBS_AUTOTICKS : TBS_NOTICKS));
        applyTicks(hwnd);
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void Slider::setDrawer(drawer::ISlider* painter, bool owned) {
    setPainter(painter, owned);
}

void Slider::setHighlight(bool on) {
    state_.highlight = on;
    repaint();
}

void Slider::setMarks(std::int32_t a, std::int32_t b, std::int32_t c) {
    state_.marks[0] = a;
    state_.marks[1] = b;
    state_.marks[2] = c;
    repaint();
}

// The thumb may have gone past the limit: it goes back, and only a value
// that really changed is reported.
void Slider::onUserMove(HWND hwnd) {
    auto position = static_cast<std::int32_t>(SendMessageW(hwnd, TBM_GETPOS, 0, 0));
    std::int32_t value = controls::clampSliderValue(position, state_.minimum, state_.maximum,
                                                    state_.limitOn, state_.limit);
    if (value != position)
        SendMessageW(hwnd, TBM_SETPOS, TRUE, value);
    if (value == state_.value)
        return;
    state_.value = value;
    if (painter() != nullptr)
        InvalidateRect(hwnd, nullptr, FALSE);
    raise(0, 0);
}

LRESULT Slider::onMessage(HWND hwnd, UINT message, WPARAM, LPARAM, bool& handled) {
    handled = message == WM_HSCROLL || message == WM_VSCROLL;
    if (handled)
        onUserMove(hwnd);
    return 0;
}

void Slider::paint(HDC surface, const RECT& client) {
    fillBackground(surface, client);
    if (auto* p = static_cast<drawer::ISlider*>(painter())) {
        state_.enabled = isEnabled();
        p->paintSlider(surface, drawer::Rect{client.left, client.top, client.right, client.bottom},
                       state_);
    }
}

} // namespace s::gui::win
