#pragma once

#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/drawers/win/BorderThin.h"
#include "toolkit/drawers/win/Surface.h"
#include "toolkit/drawers/win/TextBasic.h"

namespace s::gui::drawer::button::win {

// Buttons: a shaded border that rises and sinks with the mouse, a filled
// background while toggled, and a glyph or a text inside.
class Thin final : public paint::PooledDrawer<Thin, IThin> {
public:
    const char16_t* getClassName() const override { return u"s_gui_drawer_button_win_Thin"; }
    void clear() override;

    // A plain bordered button without text.
    void paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;
    void paintButton(void* surface, const Rect& rect, std::int32_t hoverState,
                     const char16_t* text, bool bordered, const gui::win::Font* font,
                     bool enabled, bool pressed, bool flat) override;
    bool drawGlyph(void* surface, const Rect& rect, const char16_t* name, std::uint8_t r,
                   std::uint8_t g, std::uint8_t b) override;
    void fillFonts(gui::win::FontSetting* normal, gui::win::FontSetting* disabled) override;
    void paintFocus(void* surface, const Rect& rect) override;
    void fillPressedFont(gui::win::FontSetting* pressed) override;

    void setCornerKind(std::int32_t kind) override { cornerKind_ = kind; }
    void setContentShift(bool on) override { contentShift_ = on; }
    void setNormalColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        normal_ = rgb(r, g, b);
    }
    Colour getNormalColour() const override { return normal_; }
    void setDisabledColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        disabled_ = rgb(r, g, b);
    }
    Colour getDisabledColour() const override { return disabled_; }
    void setPressedColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        pressed_ = rgb(r, g, b);
    }
    Colour getPressedColour() const override { return pressed_; }
    void setPressedBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        pressedBackground_ = rgb(r, g, b);
    }
    Colour getPressedBackground() const override { return pressedBackground_; }
    text::IBasic& textDrawer() override { return text_; }
    text::IBasic& pressedTextDrawer() override { return pressedText_; }

private:
    static constexpr Colour kGrey = rgb(120, 120, 120);

    std::int32_t cornerKind_ = 1;
    bool contentShift_ = false;
    Colour normal_ = kGrey;
    Colour disabled_ = kGrey;
    Colour pressed_ = kGrey;
    Colour pressedBackground_ = kGrey;
    border::win::Thin border_;
    text::win::Basic text_;
    text::win::Basic pressedText_;
};

} // namespace s::gui::drawer::button::win
