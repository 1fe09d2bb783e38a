#pragma once

#include "toolkit/drawers/Fills.h"

#include <vector>

namespace s::gui::drawer {

// What a button paints for its state, before glyph or text.
struct ButtonPlan {
    std::int32_t state = kHoverNone; // the look: a pressed button swaps none and held
    bool fillBackground = false;     // fill `background` with the pressed background
    Rect background;
    std::int32_t borderMode = -1;    // -1: no border
    Rect content;                    // where the glyph or the text goes
};

ButtonPlan buttonPlan(const Rect& rect, std::int32_t hoverState, bool bordered, bool pressed,
                      bool flat, bool contentShift);

// One pass of a text style: where the whole text is drawn, relative to the
// rectangle, and in which colour.
struct TextPass {
    std::int32_t dx, dy;
    Colour colour;
};

// The passes of a style (0 .. 7; others draw as 0) for a font of these
// colours, the last one in the text's own colour.
std::vector<TextPass> textPasses(std::int32_t style, Colour colour, Colour colour2,
                                 Colour colour3);

// How much a style makes the measured text grow.
struct Growth {
    std::int32_t width, height;
};
Growth textGrowth(std::int32_t style);

// A combo box's text area for the hover state; the separator stands one
// pixel right of it and the drop arrow in the 10 pixels after that.
Rect comboTextArea(const Rect& rect, std::int32_t hoverState);
Rect comboArrowArea(const Rect& rect, std::int32_t hoverState);

// The keyboard focus mark: a dotted 1-pixel frame along the rectangle's
// inner edge, every other pixel, starting at its top-left corner.
void focusMarkRects(const Rect& rect, Colour colour, Fills& out);

// The box of a check box (boxSize at the top left): the 2-pixel frame in
// frameColour, the interior white.
void checkBoxRects(const Rect& rect, std::int32_t boxSize, Colour frameColour, Fills& out);
Rect checkBoxInterior(const Rect& rect, std::int32_t boxSize);
// Where the text of a check box of that box size or of a radio button of
// that height starts.
std::int32_t checkTextOffset(std::int32_t boxSize);

// The pieces of a slider: track before the thumb, thumb, track after it, and
// the limit marker (empty when off). Horizontal sliders grow to the right,
// vertical ones upwards.
struct SliderLayout {
    Rect track;
    Rect before;
    Rect thumb;
    Rect after;
    Rect limit;
    Rect marks[3];
};
constexpr std::int32_t kSliderThumb = 10;
SliderLayout sliderLayout(const Rect& rect, bool framed, const SliderState& state);

} // namespace s::gui::drawer
