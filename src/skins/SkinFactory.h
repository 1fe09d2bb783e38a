#pragma once

#include "skins/SkinColours.h"

namespace s::gui::drawer {
class Skinner;
}

namespace s::gui::drawer::skin {

class ThinWindow;

// A pooled ThinWindow the caller releases (or hands to a set), named and
// coloured from 45 components in factory order; components outside
// 0 .. 255 are clamped to the nearer end. Its drawers are built from those
// colours (buildThinDrawers).
ThinWindow* createSkin(const char16_t* name, const SkinComponents& components);

// Makes a skin of the class the set holds and appends it with its name.
// Only a set named "ThinWindow" has a skin class; for any other set nothing
// is added. Answers whether a skin was added.
bool addSkin(Skinner& set, const char16_t* name, const SkinComponents& components);

// The sixteen skins made in code that a new "ThinWindow" set starts with.
void addFallbackSkins(Skinner& set);

} // namespace s::gui::drawer::skin
