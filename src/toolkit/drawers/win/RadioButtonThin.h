#pragma once

#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/drawers/win/FramedText.h"

namespace s::gui::drawer::radiobutton::win {

// A ring, with a green dot when checked, drawn four times as large on a
// scratch surface and reduced with smoothing, since the platform's ellipses
// have no anti-aliasing.
class Thin final : public paint::FramedText<Thin, IThin> {
public:
    static constexpr std::int32_t kScratchSize = 52;
    static constexpr std::int32_t kRingSize = 13;

    const char16_t* getClassName() const override {
        return u"s_gui_drawer_radiobutton_win_Thin";
    }
    void clear() override { clearFramed(); }

    // An unchecked ring on white.
    void paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override {
        paintRadio(surface, nullptr, {left, top, right, bottom}, false, nullptr, nullptr,
                   rgb(255, 255, 255));
    }
    // Without a scratch surface the drawer makes one for the call.
    void paintRadio(void* surface, void* scratchSurface, const Rect& rect, bool checked,
                    const char16_t* text, const gui::win::Font* font,
                    Colour background) override;
    void measure(void* surface, const char16_t* text, const gui::win::Font* font,
                 std::int32_t& width, std::int32_t& height) override {
        measureWithBox(surface, text, font, width, height);
    }
};

} // namespace s::gui::drawer::radiobutton::win
