#pragma once

#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/drawers/win/Surface.h"
#include "toolkit/drawers/win/TextBasic.h"

namespace s::gui::drawer::groupbox::win {

// A 2-pixel frame with rounded corners and the group's title in a gap of its
// top edge.
class Thin final : public paint::PooledDrawer<Thin, IThin> {
public:
    const char16_t* getClassName() const override { return u"s_gui_drawer_groupbox_win_Thin"; }
    void clear() override {
        border_ = rgb(120, 120, 120);
        text_.clear();
    }

    void paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override {
        paintGroup(surface, {left, top, right, bottom}, nullptr, nullptr, 0, 0);
    }
    void paintGroup(void* surface, const Rect& rect, const char16_t* title,
                    const gui::win::Font* font, std::int32_t titleWidth,
                    std::int32_t titleHeight) override;
    void fillFonts(gui::win::FontSetting* title) override {
        text_.fillFonts(title, nullptr, nullptr, nullptr, nullptr);
    }
    void setBorderColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        border_ = rgb(r, g, b);
    }
    Colour getBorderColour() const override { return border_; }
    text::IBasic& textDrawer() override { return text_; }

private:
    Colour border_ = rgb(120, 120, 120);
    text::win::Basic text_;
};

} // namespace s::gui::drawer::groupbox::win
