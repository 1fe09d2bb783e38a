#include "skins/MeterText.h"

#include "skins/ISkin.h"

#include <algorithm>
#include <cmath>

namespace s::gui::drawer {

namespace {

double linear(std::uint8_t component) {
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(SkinColour c) {
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

} // namespace

double contrastRatio(SkinColour a, SkinColour b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

MeterTextLook meterTextLook(const ISkin& skin) {
    const SkinColour text = skin.getRoleColour(SkinRole::text);
    const SkinColour window = skin.getRoleColour(SkinRole::windowBg);
    MeterTextLook look;
    look.contrast = std::min(contrastRatio(text, skin.getRoleColour(SkinRole::counter01)),
                             contrastRatio(text, window));
    if (look.contrast >= kReadableContrast)
        return look;
    // Style 1 outlines in the window's colour, style 7 in the skin's own
    // outline colour; whichever stands further from the text.
    const SkinColour specific = skin.getRoleColour(SkinRole::textOutLineSpecific);
    const double byWindow = contrastRatio(text, window);
    const double bySpecific = contrastRatio(text, specific);
    if (std::max(byWindow, bySpecific) >= kReadableContrast) {
        const bool windowWins = byWindow >= bySpecific;
        look.style = windowWins ? 1 : 7;
        look.outline = windowWins ? window : specific;
        look.contrast = std::max(byWindow, bySpecific);
        return look;
    }
    // Black or white stands at least 4.5 : 1 from any colour.
    const SkinColour black{0, 0, 0}, white{255, 255, 255};
    const double byBlack = contrastRatio(text, black), byWhite = contrastRatio(text, white);
    look.style = 1;
    look.outline = byBlack >= byWhite ? black : white;
    look.contrast = std::max(byBlack, byWhite);
    return look;
}

} // namespace s::gui::drawer
