#pragma once

#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/drawers/win/Surface.h"

namespace s::gui::drawer::window::win {

// A window's background and its 1-pixel border with square, small or large
// rounded corners; the rounded shape itself is the window's region.
class Thin final : public paint::PooledDrawer<Thin, IThin> {
public:
    const char16_t* getClassName() const override { return u"s_gui_drawer_window_win_Thin"; }
    void clear() override;

    void paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;
    void setBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
    Colour getBackground() const override { return background_; }
    bool isTransparent() const override { return transparent_; }
    void setBorderColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        border_ = rgb(r, g, b);
    }
    Colour getBorderColour() const override { return border_; }
    void setCorners(std::int32_t top, std::int32_t bottom) override;
    void* createRegion(std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) const override;

private:
    bool transparent_ = true;
    Colour background_ = rgb(255, 255, 255);
    Colour border_ = rgb(120, 120, 120);
    std::int32_t topCorners_ = 0;
    std::int32_t bottomCorners_ = 0;
};

} // namespace s::gui::drawer::window::win
