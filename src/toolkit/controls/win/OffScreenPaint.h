#pragma once

#include "foundation/system/win/Handles.h"
#include "toolkit/win/DisplayScales.h"

#include <windows.h>

namespace s::gui::win {

// Paints a window whole into an off-screen surface of its client size with
// paint(surface, client) and copies that to target in one step.
template <class Paint> void paintOffScreen(HWND hwnd, HDC target, Paint paint) {
    RECT client{};
    if (!GetClientRect(hwnd, &client) || client.right <= 0 || client.bottom <= 0)
        return;
    system::win::CreatedDc surface(CreateCompatibleDC(target));
    system::win::Bitmap bitmap(CreateCompatibleBitmap(target, client.right, client.bottom));
    if (!surface || !bitmap)
        return;
    system::win::Selection selection(surface.get(), bitmap.get());
    PaintScale scale(scaleOfWindow(hwnd));
    paint(surface.get(), client);
    BitBlt(target, 0, 0, client.right, client.bottom, surface.get(), 0, 0, SRCCOPY);
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
        PAINTSTRUCT ps;
        if (HDC dc = BeginPaint(hwnd, &ps)) {
            paintOffScreen(hwnd, dc, paint);
            EndPaint(hwnd, &ps);
        }
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
