#pragma once

#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/drawers/win/BorderThin.h"
#include "toolkit/drawers/win/Surface.h"

namespace s::gui::drawer::slider::win {

// A filled track with a 10-pixel thumb, an optional sunken frame, a limit
// marker and up to three marks.
class Thin final : public paint::PooledDrawer<Thin, IThin> {
public:
    const char16_t* getClassName() const override { return u"s_gui_drawer_slider_win_Thin"; }
    void clear() override;

    // An enabled slider at its minimum.
    void paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override {
        paintSlider(surface, {left, top, right, bottom}, SliderState{});
    }
    void setFrameStyle(std::int32_t style) override { frameStyle_ = style; }
    void paintSlider(void* surface, const Rect& rect, const SliderState& state) override;

    void setFrameColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        frame_ = rgb(r, g, b);
    }
    Colour getFrameColour() const override { return frame_; }
    void setFillColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        fill_ = rgb(r, g, b);
    }
    Colour getFillColour() const override { return fill_; }
    void setDisabledColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        disabled_ = rgb(r, g, b);
    }
    Colour getDisabledColour() const override { return disabled_; }

private:
    static constexpr Colour kGrey = rgb(120, 120, 120);

    std::int32_t frameStyle_ = 0;
    Colour frame_ = kGrey;
    Colour fill_ = kGrey;
    Colour disabled_ = kGrey;
    border::win::Thin border_;
};

} // namespace s::gui::drawer::slider::win
