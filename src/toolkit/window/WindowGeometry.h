#pragma once

#include "toolkit/scale/DisplayScale.h"

#include <cstdint>

// The arithmetic of a top-level window that does not need the platform: the
// hit test of a hand-painted frame, the limits applied while the user sizes
// the window, keeping it inside the screen, whether a window can still be
// reached, the opacity as an alpha value and what a tray click does.
namespace s::gui::win::geometry {

// A rectangle in screen pixels, right and bottom exclusive.
struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;

    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

// The platform's hit-test answers (WM_NCHITTEST), by their values.
enum class Hit : std::int32_t {
    Default = -1, // no frame part: the default processing stands
    Client = 1,
    Caption = 2,
    Left = 10,
    Right = 11,
    Top = 12,
    TopLeft = 13,
    TopRight = 14,
    Bottom = 15,
    BottomLeft = 16,
    BottomRight = 17,
};

// The frame a frame drawer paints: a 5-pixel border whose corners reach 30
// pixels along each edge, both in toolkit pixels and so scaled with the
// display. x and y are relative to the window's top-left corner, width and
// height the window's size, all in platform pixels.
inline constexpr std::int32_t kFrameBorder = 5;
inline constexpr std::int32_t kFrameCorner = 30;
Hit frameHit(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             DisplayScale scale = {});

// The edge being sized, numbered as the window reports it to its sizing
// listeners (the platform's WMSZ_ values are converted to these).
enum Edge : std::int32_t {
    kNoEdge = 0,
    kLeft = 1,
    kRight = 2,
    kTop = 3,
    kBottom = 4,
    kTopLeft = 5,
    kTopRight = 6,
    kBottomLeft = 7,
    kBottomRight = 8,
};

// A sizing rectangle no taller than the work area: the bottom side gives way
// when a bottom edge is dragged, the top side otherwise.
void limitToWorkHeight(Rect& r, std::int32_t edge, std::int32_t workHeight);

// A sizing rectangle not smaller than the minimum on the axes asked for: the
// side being dragged moves, the opposite one stays.
void keepMinimum(Rect& r, std::int32_t edge, std::int32_t minimumWidth, std::int32_t minimumHeight,
                 bool onWidth, bool onHeight);

// The window moved inside bounds: back from the right and bottom first, then
// from the left and top, so that a window larger than the bounds keeps its
// top-left corner inside. Applied to every pending position change while the
// window keeps inside the screen, a resize past the right or bottom bound
// becomes a move that keeps the new size inside.
Rect movedInside(const Rect& window, const Rect& bounds);

// Whether at least 10 pixels of a window larger than 10 × 10 lie inside the
// virtual screen on each axis.
bool isReachable(const Rect& window, const Rect& virtualScreen);

// The window's rectangle centred in the work area, never left of or above
// its top-left corner.
Rect centredIn(const Rect& window, const Rect& workArea);

// The size of the off-screen image a client area of clientWidth ×
// clientHeight is painted through, given the image's current size (0 × 0
// when there is none): kept while it holds the client area without wasting
// more than 30 % of its own, replaced by one of exactly the client's size
// when it wastes more, and enlarged on the axis where it is too small.
struct Size {
    std::int32_t width = 0, height = 0;
    bool operator==(const Size&) const = default;
};
Size backBufferSize(Size current, Size client);

// The layered window's alpha for an opacity in percent.
std::uint8_t alphaOf(std::int32_t percent);

// What a left click on the tray icon does. A click on the icon takes the
// activation from the window first, so a window that lost it within the last
// 150 ms counts as active: the click hides it rather than bringing it back.
enum class TrayClick { Restore, Iconize, Activate };
inline constexpr std::int64_t kTrayClickGraceMs = 150;
TrayClick trayClick(bool iconized, bool active, std::int64_t nowMs, std::int64_t deactivatedAtMs);

} // namespace s::gui::win::geometry
