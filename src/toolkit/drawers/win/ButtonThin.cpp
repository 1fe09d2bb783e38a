#include "toolkit/drawers/win/ButtonThin.h"

#include "toolkit/drawers/ControlGeometry.h"
#include "toolkit/drawers/Glyphs.h"
#include "toolkit/win/Font.h"

namespace s::gui::drawer::button::win {

void Thin::clear() {
    cornerKind_ = 1;
    contentShift_ = false;
    normal_ = disabled_ = pressed_ = pressedBackground_ = kGrey;
    border_.clear();
    text_.clear();
    pressedText_.clear();
}

void Thin::paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) {
    paintButton(surface, {left, top, right, bottom}, kHoverNone, nullptr, true, nullptr, true,
                false, false);
}

void Thin::paintButton(void* surface, const Rect& rect, std::int32_t hoverState,
                       const char16_t* text, bool bordered, const gui::win::Font* font,
                       bool enabled, bool pressed, bool flat) {
    HDC dc = paint::dcOf(surface);
    if (dc == nullptr || rect.empty())
        return;
    // The plan is the toolkit's; its rectangles are laid onto the button's.
    const ScaleMap map(paintScale(), rect);
    ButtonPlan plan = buttonPlan(map.logical(), hoverState, bordered, pressed, flat, contentShift_);
    plan.background = map.toPlatform(plan.background);
    plan.content = map.toPlatform(plan.content);
    const Colour fg = !enabled ? disabled_ : pressed ? pressed_ : normal_;
    if (plan.fillBackground)
        paint::fillRect(dc, plan.background, pressedBackground_);
    if (plan.borderMode >= 0)
        border_.drawBorder(surface, rect, plan.borderMode, cornerKind_, redOf(fg), greenOf(fg),
                           blueOf(fg));
    if (text == nullptr || text[0] == u'\0')
        return;
    Rect content = plan.content;
    if (!pressed) {
        if (drawGlyph(surface, content, text, redOf(fg), greenOf(fg), blueOf(fg)) ||
            font == nullptr)
            return;
        if (plan.borderMode < 0) {
            const std::int32_t one = map.scale().px(1);
            content = {content.left - one, content.top - one, content.right + one,
                       content.bottom + one};
        }
    } else {
        // A toggled button shows its glyph in its text's colour, which stands
        // on the pressed background. Disabled, it keeps the disabled colour.
        const Colour ink = !enabled ? disabled_
                           : font != nullptr ? font->colour()
                                             : pressedText_.fontSetting(0).getColour();
        if (drawGlyph(surface, content, text, redOf(ink), greenOf(ink), blueOf(ink)))
            return;
    }
    (pressed && font == nullptr ? pressedText_ : text_).drawText(surface, content, text, font);
}

void Thin::paintFocus(void* surface, const Rect& rect) {
    Fills fills;
    focusMarkRects(rect, normal_, fills);
    paint::fillAll(paint::dcOf(surface), fills);
}

bool Thin::drawGlyph(void* surface, const Rect& rect, const char16_t* name, std::uint8_t r,
                     std::uint8_t g, std::uint8_t b) {
    const ScaleMap map(paintScale(), rect);
    Fills fills;
    if (!glyphRects(name, map.logical(), rgb(r, g, b), fills))
        return false;
    map.toPlatform(fills);
    paint::fillAll(paint::dcOf(surface), fills);
    return true;
}

void Thin::fillFonts(gui::win::FontSetting* normal, gui::win::FontSetting* disabled) {
    text_.fillFonts(normal, disabled, nullptr, nullptr, nullptr);
}

void Thin::fillPressedFont(gui::win::FontSetting* pressed) {
    pressedText_.fillFonts(pressed, nullptr, nullptr, nullptr, nullptr);
}

} // namespace s::gui::drawer::button::win
