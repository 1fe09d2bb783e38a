#pragma once

#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/drawers/win/FramedText.h"

namespace s::gui::drawer::checkbox::win {

// A square box, white inside in every skin, with a black check mark.
class Thin final : public paint::FramedText<Thin, IThin> {
public:
    const char16_t* getClassName() const override { return u"s_gui_drawer_checkbox_win_Thin"; }
    void clear() override { clearFramed(); }

    // An unchecked box as high as the rectangle.
    void paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override {
        paintCheckBox(surface, {left, top, right, bottom}, bottom - top, false, nullptr,
                      nullptr);
    }
    void paintCheckBox(void* surface, const Rect& rect, std::int32_t boxSize, bool checked,
                       const char16_t* text, const gui::win::Font* font) override;
    void measure(void* surface, const char16_t* text, const gui::win::Font* font,
                 std::int32_t& width, std::int32_t& height) override {
        measureWithBox(surface, text, font, width, height);
    }
};

} // namespace s::gui::drawer::checkbox::win
