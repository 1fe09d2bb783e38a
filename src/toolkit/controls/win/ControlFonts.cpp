// The font operations every control forwards to its font settings.

#include "toolkit/controls/win/Control.h"

namespace s::gui::win {

FontSetting& Control::getFont(std::int32_t state) {
    return fonts_[state >= 0 && state < fontCount_ ? state : 0];
}

void Control::setSizeCode(std::int32_t code) {
    changeFonts([&](FontSetting& f) { f.setSizeCode(code); });
}

void Control::setFaceName(const char16_t* name) {
    changeFonts([&](FontSetting& f) { f.setFaceName(name); });
}

void Control::setColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    colourChosen_ = true;
    changeFonts([&](FontSetting& f) { f.setColour(r, g, b); });
}

void Control::setColour2(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    changeFonts([&](FontSetting& f) { f.setColour2(r, g, b); });
}

void Control::setColour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    changeFonts([&](FontSetting& f) { f.setColour3(r, g, b); });
}

void Control::setFontHeight(std::int32_t h) {
    changeFonts([&](FontSetting& f) { f.setHeight(h); });
}

void Control::setFontWidth(std::int32_t w) {
    changeFonts([&](FontSetting& f) { f.setWidth(w); });
}

void Control::setBold(bool on) {
    changeFonts([&](FontSetting& f) { f.setBold(on); });
}

void Control::setItalic(bool on) {
    changeFonts([&](FontSetting& f) { f.setItalic(on); });
}

void Control::setUnderline(bool on) {
    changeFonts([&](FontSetting& f) { f.setUnderline(on); });
}

void Control::setStrikeOut(bool on) {
    changeFonts([&](FontSetting& f) { f.setStrikeOut(on); });
}

void Control::setWeight(std::int32_t weight) {
    changeFonts([&](FontSetting& f) { f.setWeight(weight); });
}

} // namespace s::gui::win
