#pragma once

#include "toolkit/Image.h"
#include "toolkit/ProgressRing.h"

#include <windows.h>

#include <cstdint>

namespace s::gui::win {

// A module's icon with a run's progress ring (ProgressRing.h), made as a
// native icon only when its pixels differ from the last one made.
class ProgressIcon {
public:
    // The icon group iconId of module at size pixels with the ring; null
    // when the drawing is the one made last or cannot be made. The caller
    // owns the icon.
    HICON make(HINSTANCE module, int iconId, std::int32_t size, std::int32_t permille,
               RingState state);
    // The next make draws anew: the icon made last is no longer shown.
    void forget() { last_.clear(); }

private:
    // The pictures, not the control of the same name in this namespace.
    gui::Image base_;
    std::int32_t baseSize_ = 0;
    gui::Image last_;
};

} // namespace s::gui::win
