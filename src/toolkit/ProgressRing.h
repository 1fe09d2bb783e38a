#pragma once

#include "toolkit/Image.h"

#include <cstdint>

namespace s::gui {

// How a ring shows a run: counting, held, or past its end.
enum class RingState { Counting, Paused, Due };

// The icon with a ring along its edge that fills clockwise from twelve
// o'clock as permille (0 .. 1000) grows: the filled part in the state's
// colour, the rest dark and half see-through, both smoothed at their edges.
// The ring is an eighth of the icon's side wide, at least two pixels.
// out is empty when icon is.
void drawProgressRing(const Image& icon, std::int32_t permille, RingState state, Image& out);

} // namespace s::gui
