#include "toolkit/controls/win/CheckBox.h"

#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "toolkit/drawers/ControlGeometry.h"
#include "toolkit/drawers/Painters.h"
#include "toolkit/win/DisplayScales.h"
#include "toolkit/win/Font.h"

#include <algorithm>

namespace s::gui::win {

namespace {
constexpr std::int32_t kBoxSize = 13;
} // namespace

CheckBox::CheckBox() : CheckControl(2) {
}

CheckBox::~CheckBox() = default;

base::IObject* CheckBox::newInstance() const {
    return thread::take<CheckBox>();
}

void CheckBox::release() {
    thread::giveBack(this);
}

void CheckBox::resetControl() {
    CheckControl::resetControl();
    multiLine_ = false;
}

NativeForm CheckBox::nativeForm() const {
    DWORD style = WS_TABSTOP | BS_AUTOCHECKBOX | BS_NOTIFY | (multiLine_ ? BS_MULTILINE : 0);
    return NativeForm{L"Button", style, 0, 1003};
}

void CheckBox::setDrawer(drawer::ICheckBox* painter, bool owned) {
    setPainter(painter, owned);
}

void CheckBox::fillFonts() {
    if (auto* p = static_cast<drawer::ICheckBox*>(painter()))
        p->fillFonts(&fonts_[0], &fonts_[1]);
}

void CheckBox::checkChanged(bool changed) {
    if (!changed)
        return;
    if (isChecked())
        raise(kCheckedList, kChecked);
    else
        raise(kUncheckedList, kUnchecked);
}

void CheckBox::measure() {
    auto* p = static_cast<drawer::ICheckBox*>(painter());
    if (p == nullptr) {
        CheckControl::measure();
        return;
    }
    std::int32_t w = 0, h = 0;
    system::win::WindowDc screen(nullptr);
    // In the font as made for 96 DPI, as every control measures for layout.
    thread::Pooled<Font> base(getFont(0).createFont(DisplayScale{}));
    p->measure(screen.get(), getText(), base.get(), w, h);
    // Unless the font as drawn at this scale needs more (see layoutExtent).
    const DisplayScale scale = scaleOf(this);
    if (!scale.isUnit()) {
        std::int32_t drawnW = 0, drawnH = 0;
        p->measure(screen.get(), getText(), font(0), drawnW, drawnH);
        w = std::max(w, scale.toToolkitCeil(drawnW));
        h = std::max(h, scale.toToolkitCeil(drawnH));
    }
    setMinimumSize(w, h);
    setPreferredSize(w, h);
}

std::int32_t CheckBox::textRoom(const RECT& client) const {
    return client.right - client.left -
           scaleOfWindow(handle()).px(drawer::checkTextOffset(kBoxSize));
}

void CheckBox::paint(HDC surface, const RECT& client) {
    fillBackground(surface, client);
    if (auto* p = static_cast<drawer::ICheckBox*>(painter())) {
        const drawer::Rect rect{client.left, client.top, client.right, client.bottom};
        p->paintCheckBox(surface, rect, kBoxSize, isChecked(), getText(),
                         font(isEnabled() ? 0 : 1));
        if (GetFocus() == handle())
            p->paintFocus(surface, rect);
    }
}

} // namespace s::gui::win
