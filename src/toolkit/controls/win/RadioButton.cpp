#include "toolkit/controls/win/RadioButton.h"

#include "foundation/objects/Pools.h"
#include "toolkit/drawers/ControlGeometry.h"
#include "toolkit/drawers/Painters.h"
#include "toolkit/win/DisplayScales.h"

namespace s::gui::win {

RadioButton::RadioButton() : CheckControl(2) {
}

RadioButton::~RadioButton() = default;

base::IObject* RadioButton::newInstance() const {
    return thread::take<RadioButton>();
}

void RadioButton::release() {
    thread::giveBack(this);
}

void RadioButton::resetControl() {
    CheckControl::resetControl();
    groupStart_ = false;
}

NativeForm RadioButton::nativeForm() const {
    DWORD style = WS_TABSTOP | BS_AUTORADIOBUTTON | BS_NOTIFY | (groupStart_ ? WS_GROUP : 0);
    return NativeForm{L"Button", style, 0, 1003};
}

void RadioButton::setDrawer(drawer::IRadioButton* painter, bool owned) {
    setPainter(painter, owned);
}

void RadioButton::fillFonts() {
    if (auto* p = static_cast<drawer::IRadioButton*>(painter()))
        p->fillFonts(&fonts_[0], &fonts_[1]);
}

void RadioButton::checkChanged(bool) {
    raise(isChecked() ? kCheckedList : kUncheckedList, 0);
}

// The text follows a ring as high as the control.
std::int32_t RadioButton::textRoom(const RECT& client) const {
    const DisplayScale scale = scaleOfWindow(handle());
    return client.right - client.left -
           scale.px(drawer::checkTextOffset(scale.toToolkit(client.bottom - client.top)));
}

// The painter draws over the parent's colour; its scratch surface is the
// one being painted.
void RadioButton::paint(HDC surface, const RECT& client) {
    fillBackground(surface, client);
    std::uint32_t background = getBackground();
    if (isBackgroundTransparent())
        parentBackground(background);
    // No scratch surface of ours: the painter draws its large ring on one of
    // its own before shrinking it onto ours.
    if (auto* p = static_cast<drawer::IRadioButton*>(painter())) {
        const drawer::Rect rect{client.left, client.top, client.right, client.bottom};
        p->paintRadio(surface, nullptr, rect, isChecked(), getText(), font(isEnabled() ? 0 : 1),
                      background);
        if (GetFocus() == handle())
            p->paintFocus(surface, rect);
    }
}

} // namespace s::gui::win
