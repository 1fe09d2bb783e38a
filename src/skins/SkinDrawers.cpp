#include "skins/SkinDrawers.h"

#include "skins/ThinWindow.h"
#include "toolkit/drawers/ThinDrawers.h"

namespace s::gui::drawer::skin {

namespace {

// Calls setter(r, g, b) on target with the components of a role colour.
template <class Target, class Setter>
void apply(Target& target, Setter setter, const SkinColour& c) {
    (target.*setter)(c.r, c.g, c.b);
}

void setFontColour(text::IBasic& text, int index, const SkinColour& c) {
    text.setFontColour(index, c.r, c.g, c.b);
}

} // namespace

void buildThinDrawers(ThinWindow& skin) {
    auto role = [&skin](SkinRole r) { return skin.getRoleColour(r); };
    using R = SkinRole;

    if (window::IThin* d = takeThinWindow()) {
        apply(*d, &window::IThin::setBorderColour, role(R::windowFg));
        apply(*d, &window::IThin::setBackground, role(R::windowBg));
        d->setCorners(0, 0);
        skin.setWindowDrawer(d);
    }
    if (button::IThin* d = takeThinButton()) {
        apply(*d, &button::IThin::setNormalColour, role(R::compFg));
        apply(*d, &button::IThin::setDisabledColour, role(R::compDisabled));
        apply(*d, &button::IThin::setPressedColour, role(R::compFg));
        apply(*d, &button::IThin::setPressedBackground, role(R::listHeaderBg));
        setFontColour(d->textDrawer(), 0, role(R::text));
        setFontColour(d->textDrawer(), 1, role(R::compDisabled));
        setFontColour(d->pressedTextDrawer(), 0, role(R::listHeaderFont));
        skin.setButtonDrawer(d);
    }
    if (text::IBasic* d = takeBasicText()) {
        setFontColour(*d, 0, role(R::text));
        const SkinColour bg = role(R::windowBg), outline = role(R::textOutLineSpecific);
        d->setFontColour2(0, bg.r, bg.g, bg.b);
        d->setFontColour3(0, outline.r, outline.g, outline.b);
        setFontColour(*d, 1, role(R::compDisabled));
        setFontColour(*d, 2, role(R::text));
        setFontColour(*d, 3, role(R::compFg));
        skin.setTextDrawer(d);
    }
    // The check box, radio button and combo box: a frame colour and their
    // normal and disabled text.
    auto framed = [&](IFramedText* d, SkinRole disabledText) {
        apply(*d, &IFramedText::setFrameColour, role(R::compFg));
        setFontColour(d->textDrawer(), 0, role(R::text));
        setFontColour(d->textDrawer(), 1, role(disabledText));
    };
    if (checkbox::IThin* d = takeThinCheckBox()) {
        framed(d, R::compDisabled);
        skin.setCheckboxDrawer(d);
    }
    if (radiobutton::IThin* d = takeThinRadioButton()) {
        framed(d, R::compDisabled);
        skin.setRadioButtonDrawer(d);
    }
    if (combo::IThin* d = takeThinCombo()) {
        framed(d, R::text);
        skin.setComboBoxDrawer(d);
    }
    if (slider::IThin* d = takeThinSlider()) {
        apply(*d, &slider::IThin::setFrameColour, role(R::compFg));
        apply(*d, &slider::IThin::setFillColour, role(R::sliderBg));
        apply(*d, &slider::IThin::setDisabledColour, role(R::compDisabled));
        skin.setSliderDrawer(d);
    }
    if (ICounter* d = takeBasicCounter()) {
        apply(*d, &ICounter::setColour1, role(R::counter01));
        apply(*d, &ICounter::setColour2, role(R::counter02));
        skin.setCounterDrawer(d);
    }
    if (statusbar::IThin* d = takeThinStatusBar()) {
        apply(*d, &statusbar::IThin::setColour, role(R::compFg));
        skin.setStatusBarDrawer(d);
    }
    if (groupbox::IThin* d = takeThinGroupBox()) {
        apply(*d, &groupbox::IThin::setBorderColour, role(R::groupBorder));
        setFontColour(d->textDrawer(), 0, role(R::text));
        setFontColour(d->textDrawer(), 1, role(R::text));
        skin.setGroupBoxDrawer(d);
    }
}

} // namespace s::gui::drawer::skin
