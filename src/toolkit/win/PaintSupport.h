#pragma once

#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <cstdint>
#include <optional>

namespace s::gui {
class IComponent;
}

namespace s::gui::win {

// Takes the rectangles of the container's showing children out of dc's
// clipping, so that a copy to the screen leaves them alone: they paint
// themselves. parent is the container's native window.
void excludeChildren(IComponent& container, HWND parent, HDC dc);

// Fills (0, 0, width, height) with a colour packed as the toolkit packs
// them (red in the low byte), without making a brush.
void fillColour(HDC dc, std::int32_t width, std::int32_t height, std::uint32_t colour);

// Paints the component's window, and the showing windows under it, where
// area (in screen coordinates) touches them, parents before children,
// straight into device contexts clipped to it: what changed is shown at
// once without making, finding and validating update regions, each a round
// trip to the window server. Children of the window's own class without
// windows of their own share its context.
void paintNow(IComponent& component, HRGN area);

// The paint of a child window that paints its whole client area itself
// and has no caret: the update region is taken and validated, and dc()
// draws clipped to it until the end of the scope. BeginPaint does that and
// more for any window (it hides and shows the caret, and asks for the frame
// and the background to be painted), each step a round trip to the window
// server; a window with a frame is painted through it still.
class ChildPaint {
public:
    explicit ChildPaint(HWND hwnd);
    ~ChildPaint();
    ChildPaint(const ChildPaint&) = delete;
    ChildPaint& operator=(const ChildPaint&) = delete;

    // Null when there is nothing to paint.
    HDC dc() const;

private:
    HWND hwnd_;
    // Through BeginPaint (a window with a frame), or a clipped context.
    bool begun_ = false;
    PAINTSTRUCT ps_{};
    std::optional<system::win::WindowDc> clipped_;
};

} // namespace s::gui::win
