#pragma once

#include "toolkit/window/WindowGeometry.h"

#include <windows.h>

// The screen's areas as the windows need them, in screen pixels.
namespace s::gui::win::screen {

// The work area of the primary monitor (the screen less the taskbar).
geometry::Rect primaryWorkArea();

// The work area of the monitor that holds the window, or of the nearest one;
// the primary work area for a null window.
geometry::Rect workAreaOf(HWND hwnd);

// The rectangle spanning every monitor.
geometry::Rect virtualScreen();

// Where windows that keep inside the screen must stay: the virtual screen
// when there are two monitors or more, the primary work area otherwise.
geometry::Rect keepInsideBounds();

} // namespace s::gui::win::screen
