#pragma once

#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/drawers/win/ButtonThin.h"
#include "toolkit/drawers/win/FramedText.h"

namespace s::gui::drawer::combo::win {

// A closed combo box: a bordered button with the selected text, a separator
// and a drop arrow.
class Thin final : public paint::FramedText<Thin, IThin> {
public:
    const char16_t* getClassName() const override { return u"s_gui_drawer_combo_win_Thin"; }
    void clear() override {
        clearFramed();
        button_.clear();
    }

    void paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override {
        paintCombo(surface, {left, top, right, bottom}, kHoverNone, nullptr, nullptr, true);
    }
    void paintCombo(void* surface, const Rect& rect, std::int32_t hoverState,
                    const char16_t* text, const gui::win::Font* font, bool enabled) override;

private:
    button::win::Thin button_;
};

} // namespace s::gui::drawer::combo::win
