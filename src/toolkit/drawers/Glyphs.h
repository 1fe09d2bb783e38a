#pragma once

#include "toolkit/drawers/Fills.h"

namespace s::gui::drawer {

// The solid rectangles of the glyph a button shows for a text beginning with
// "#" ("#Stop", "#Up", "#Color-00FF0000", ...) inside rect, in colour.
// Answers false, adding nothing, for a text that names no glyph; a glyph too
// small for its box is still a glyph and may add nothing.
bool glyphRects(const char16_t* name, const Rect& rect, Colour colour, Fills& out);

} // namespace s::gui::drawer
