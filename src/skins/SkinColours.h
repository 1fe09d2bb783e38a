#pragma once

#include <array>
#include <cstdint>

namespace s::gui::drawer {

// The colour roles of a skin, in the order a skin set file lists them.
enum class SkinRole : std::uint8_t {
    windowBg,
    windowFg,
    compFg,
    compDisabled,
    groupBorder,
    text,
    textOutLineSpecific,
    sliderBg,
    listHeaderBg,
    listHeaderFont,
    listBg,
    listFont,
    listAlternate,
    counter01,
    counter02,
};

inline constexpr int kSkinRoleCount = 15;

// The element name of a role in a skin set file ("windowBg", ...).
const char16_t* skinRoleName(SkinRole role);

struct SkinColour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const SkinColour&) const = default;
};

// The 45 components (R, G, B per role) a skin is made from, in the order
// the skin factory takes them: the file order with compDisabled before
// compFg.
using SkinComponents = std::array<std::int32_t, 3 * kSkinRoleCount>;

// The role at each position of the factory order.
inline constexpr std::array<SkinRole, kSkinRoleCount> kFactoryOrder = {
    SkinRole::windowBg,
    SkinRole::windowFg,
    SkinRole::compDisabled,
    SkinRole::compFg,
    SkinRole::groupBorder,
    SkinRole::text,
    SkinRole::textOutLineSpecific,
    SkinRole::sliderBg,
    SkinRole::listHeaderBg,
    SkinRole::listHeaderFont,
    SkinRole::listBg,
    SkinRole::listFont,
    SkinRole::listAlternate,
    SkinRole::counter01,
    SkinRole::counter02,
};

// A component as a colour holds it: below 0 is 0, above 255 is 255.
inline std::uint8_t clampComponent(std::int64_t value) {
    return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

} // namespace s::gui::drawer
