#include "toolkit/controls/win/ControlFonts.h"

#include <algorithm>

namespace s::gui::win {

ControlFonts::ControlFonts(std::int32_t fontCount)
    : fontCount_(std::clamp(fontCount, std::int32_t{1}, kMaxFonts)) {
}

void ControlFonts::resetFonts() {
    for (FontSetting& setting : fonts_)
        setting.reset();
    colourChosen_ = false;
}

FontSetting& ControlFonts::getFont(std::int32_t state) {
    return fonts_[state >= 0 && state < fontCount_ ? state : 0];
}

void ControlFonts::setSizeCode(std::int32_t code) {
    changeFonts([&](FontSetting& f) { f.setSizeCode(code); });
}

void ControlFonts::setFaceName(const char16_t* name) {
    changeFonts([&](FontSetting& f) { f.setFaceName(name); });
}

void ControlFonts::setColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    colourChosen_ = true;
    changeFonts([&](FontSetting& f) { f.setColour(r, g, b); });
}

void ControlFonts::setColour2(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    changeFonts([&](FontSetting& f) { f.setColour2(r, g, b); });
}

void ControlFonts::setColour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    changeFonts([&](FontSetting& f) { f.setColour3(r, g, b); });
}

void ControlFonts::setFontHeight(std::int32_t h) {
    changeFonts([&](FontSetting& f) { f.setHeight(h); });
}

void ControlFonts::setFontWidth(std::int32_t w) {
    changeFonts([&](FontSetting& f) { f.setWidth(w); });
}

void ControlFonts::setBold(bool on) {
    changeFonts([&](FontSetting& f) { f.setBold(on); });
}

void ControlFonts::setItalic(bool on) {
    changeFonts([&](FontSetting& f) { f.setItalic(on); });
}

void ControlFonts::setUnderline(bool on) {
    changeFonts([&](FontSetting& f) { f.setUnderline(on); });
}

void ControlFonts::setStrikeOut(bool on) {
    changeFonts([&](FontSetting& f) { f.setStrikeOut(on); });
}

void ControlFonts::setWeight(std::int32_t weight) {
    changeFonts([&](FontSetting& f) { f.setWeight(weight); });
}

void ControlFonts::setTextStyle(std::int32_t style) {
    changeFonts([&](FontSetting& f) { f.setStyle(style); });
}

} // namespace s::gui::win
