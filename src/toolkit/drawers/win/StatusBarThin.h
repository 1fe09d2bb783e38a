#pragma once

#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/drawers/win/Surface.h"

namespace s::gui::drawer::statusbar::win {

// The status bar shows its window's background, so its painter draws
// nothing; it keeps the skin's component colour for the bar's own use.
class Thin final : public paint::PooledDrawer<Thin, IThin> {
public:
    const char16_t* getClassName() const override { return u"s_gui_drawer_statusbar_win_Thin"; }
    void clear() override { colour_ = rgb(120, 120, 120); }
    void paint(void*, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void setColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        colour_ = rgb(r, g, b);
    }
    Colour getColour() const override { return colour_; }

private:
    Colour colour_ = rgb(120, 120, 120);
};

} // namespace s::gui::drawer::statusbar::win
