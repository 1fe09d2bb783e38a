#pragma once

#include "toolkit/scale/DisplayScale.h"

#include <windows.h>

namespace s::gui {
class IComponent;
}

namespace s::gui::win {

// A component that keeps something made for its display's scale (a font)
// and makes it again when its window moves to a monitor of another scale.
class IDisplayScaled {
public:
    virtual ~IDisplayScaled() = default;
    virtual void displayScaleChanged() = 0;
};

// The scale of the system: the DPI of the primary monitor as the process
// sees it (96 for a process the platform does not let see it).
DisplayScale systemScale();

// The scale of the monitor the window is on, as the platform tells this
// window; the system's where the platform cannot say per window (before
// Windows 10) and for a null window.
DisplayScale scaleOfWindow(HWND hwnd);

// The scale a component is shown at: its own native window's, else that of
// the nearest container that has one, else the system's.
DisplayScale scaleOf(const IComponent* component);

} // namespace s::gui::win
