#pragma once

#include "foundation/system/win/Handles.h"
#include "toolkit/win/DisplayScales.h"
#include "toolkit/win/MemDC.h"
#include "toolkit/win/PaintSupport.h"

#include <windows.h>

namespace s::gui::win {

// Paints a window whole into the thread's off-screen surface with
// paint(surface, client) and copies its client part to target in one step.
template <class Paint> void paintOffScreen(HWND hwnd, HDC target, Paint paint) {
    RECT client{};
    if (!GetClientRect(hwnd, &client) || client.right <= 0 || client.bottom <= 0)
        return;
    PaintSurface surface(hwnd, client.right, client.bottom);
    if (!surface)
        return;
    PaintScale scale(scaleOfWindow(hwnd));
    // The surface is shared: whatever a painter selects or sets (font, clip,
    // colours, modes) ends with its paint.
    int saved = SaveDC(surface.dc());
    paint(surface.dc(), client);
    RestoreDC(surface.dc(), saved);
    BitBlt(target, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
}

// Answers the background, paint and print requests of a window that paints
// itself whole that way; false for any other message.
template <class Paint>
bool answerPaintMessage(HWND hwnd, UINT message, WPARAM wParam, Paint paint, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_PAINT: {
        ChildPaint painting(hwnd);
        if (HDC dc = painting.dc())
            paintOffScreen(hwnd, dc, paint);
        return true;
    }
    case WM_PRINTCLIENT:
        paintOffScreen(hwnd, reinterpret_cast<HDC>(wParam), paint);
        return true;
    default:
        return false;
    }
}

} // namespace s::gui::win
