#include "skins/SkinColours.h"

namespace s::gui::drawer {

const char16_t* skinRoleName(SkinRole role) {
    static const char16_t* const kNames[kSkinRoleCount] = {
        u"windowBg",
        u"windowFg",
        u"compFg",
        u"compDisabled",
        u"groupBorder",
        u"text",
        u"textOutLineSpecific",
        u"sliderBg",
        u"listHeaderBg",
        u"listHeaderFont",
        u"listBg",
        u"listFont",
        u"listAlternate",
        u"counter01",
        u"counter02",
    };
    auto index = static_cast<int>(role);
    return index >= 0 && index < kSkinRoleCount ? kNames[index] : u"";
}

} // namespace s::gui::drawer
