#pragma once

#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/drawers/win/Surface.h"

namespace s::gui::drawer::border::win {

// Borders of one colour, shaded per edge to look raised, flat or sunken.
class Thin final : public paint::PooledDrawer<Thin, IThin> {
public:
    const char16_t* getClassName() const override { return u"s_gui_drawer_border_win_Thin"; }
    void clear() override { shading_ = true; }

    // A normal border with cut corners in grey.
    void paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;
    void setShading(bool on) override { shading_ = on; }
    bool isShading() const override { return shading_; }
    void drawBorder(void* surface, const Rect& rect, std::int32_t mode, std::int32_t cornerKind,
                    std::uint8_t r, std::uint8_t g, std::uint8_t b) override;

private:
    bool shading_ = true;
};

} // namespace s::gui::drawer::border::win
