#pragma once

#include "toolkit/drawers/ControlGeometry.h"
#include "toolkit/drawers/win/Surface.h"
#include "toolkit/drawers/win/TextBasic.h"

namespace s::gui::drawer::paint {

// What the check box, radio button and combo drawers share: the frame colour
// and their own text drawer, whose first two font settings fill a control's
// normal and disabled fonts.
template <class T, class Interface> class FramedText : public PooledDrawer<T, Interface> {
public:
    void setFrameColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        frame_ = rgb(r, g, b);
    }
    Colour getFrameColour() const override { return frame_; }
    text::IBasic& textDrawer() override { return text_; }
    void fillFonts(gui::win::FontSetting* normal, gui::win::FontSetting* disabled) override {
        text_.fillFonts(normal, disabled, nullptr, nullptr, nullptr);
    }
    void paintFocus(void* surface, const Rect& rect) override {
        Fills fills;
        focusMarkRects(rect, frame_, fills);
        fillAll(dcOf(surface), fills);
    }

protected:
    static constexpr Colour kGrey = rgb(120, 120, 120);

    void clearFramed() {
        frame_ = kGrey;
        text_.clear();
    }
    // The text size plus room for a box as high as the text.
    void measureWithBox(void* surface, const char16_t* text, const gui::win::Font* font,
                        std::int32_t& width, std::int32_t& height) {
        text_.measureText(surface, {0, 0, 0x7FFF, 0x7FFF}, text, font, width, height);
        width += height + height / 6;
    }

    Colour frame_ = kGrey;
    text::win::Basic text_;
};

} // namespace s::gui::drawer::paint
