#pragma once

#include "toolkit/counter/CounterBars.h"
#include "toolkit/drawers/Painters.h"

#include <cstdint>

namespace s::gui::drawer::counter::win {

// The counter painter: fills the bars CounterBars computes in colour1 and
// colour2 (the skin's counter01 and counter02), over its background unless
// that is transparent. Pooled; releasing one restores its defaults.
class Basic final : public ICounter {
public:
    Basic() = default;

    const char16_t* getClassName() const override { return u"s_gui_drawer_counter_win_Basic"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    // Fills the rectangle with the background unless it is transparent.
    void paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;

    void setBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
    Colour getBackground() const override { return background_; }
    std::uint8_t getBackgroundRed() const { return redOf(background_); }
    std::uint8_t getBackgroundGreen() const { return greenOf(background_); }
    std::uint8_t getBackgroundBlue() const { return blueOf(background_); }
    bool isBackgroundTransparent() const override { return transparent_; }
    void setColour1(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
    Colour getColour1() const override { return palette_.colour1; }
    void setColour2(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
    Colour getColour2() const override { return palette_.colour2; }
    void draw(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
              std::int32_t bottom, std::int32_t graphType, gui::counter::CounterData* series1,
              gui::counter::CounterData* series2, bool swapColours) override;

private:
    Colour background_ = 0;
    bool transparent_ = true;
    gui::counter::BarPalette palette_;
    gui::counter::CounterBars bars_;
};

} // namespace s::gui::drawer::counter::win
