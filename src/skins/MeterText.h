#pragma once

#include "skins/SkinColours.h"

#include <cstdint>

namespace s::gui::drawer {

class ISkin;

// The contrast ratio of two colours, 1 (equal) to 21 (black and white), from
// their relative luminance in the sRGB space.
double contrastRatio(SkinColour a, SkinColour b);

// How the texts over a progress meter are drawn: the remaining time stands
// on the meter's bar (counter01) where the count has got to and on the
// window's colour beyond it, so both must stand apart from the text. Where
// plain text does not, it is outlined (text painter style 1 or 7) in the
// skin colour that stands furthest from it, or in black or white when no
// skin colour does.
struct MeterTextLook {
    std::int32_t style = 0;
    // The outline's colour (style 1's second or style 7's third font colour).
    SkinColour outline;
    // The contrast the reader gets: of the text against the meter and the
    // window when plain, of the text against its outline when outlined.
    double contrast = 1.0;
};

inline constexpr double kReadableContrast = 3.0;

MeterTextLook meterTextLook(const ISkin& skin);

} // namespace s::gui::drawer
