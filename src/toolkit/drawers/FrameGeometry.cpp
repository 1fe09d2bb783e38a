#include "toolkit/drawers/FrameGeometry.h"

#include <algorithm>

namespace s::gui::drawer {

Colour shade(Colour colour, std::int32_t percent) {
    auto scale = [percent](std::uint8_t c) {
        return static_cast<std::uint8_t>(std::min<std::int32_t>(255, c * percent / 100));
    };
    return rgb(scale(redOf(colour)), scale(greenOf(colour)), scale(blueOf(colour)));
}

BorderShades borderShades(std::int32_t mode, Colour c, bool shading) {
    auto s = [&](std::int32_t percent) { return shading ? shade(c, percent) : c; };
    const Colour l1 = s(115), l2 = s(105), d1 = s(95), d2 = s(90), d3 = s(85), d4 = s(70),
                 d5 = s(50), d6 = s(45);
    switch (mode) {
    case kRaised:
        return {l1, l2, d4, d5, l1, d1, d6, d6, true};
    case kSunken:
        return {d3, d2, c, l2, d3, c, l2, l2, true};
    case kOpen:
        return {l2, c, d2, c, l2, d2, c, d2, false};
    default:
        return {l2, c, d2, d3, l2, d2, d3, d3, true};
    }
}

void borderRects(const Rect& r, std::int32_t mode, std::int32_t cornerKind, Colour colour,
                 bool shading, Fills& out) {
    if (r.empty())
        return;
    const BorderShades s = borderShades(mode, colour, shading);
    const std::int32_t cut = cornerKind == 0 ? 0 : cornerKind == 2 ? 2 : 1;
    // Top and left first, so that the darker right and bottom edges own the
    // corners they share.
    addFill(out, {r.left + cut, r.top, r.right - cut, r.top + 1}, s.top);
    addFill(out, {r.left, r.top + cut, r.left + 1, r.bottom - cut}, s.left);
    addFill(out, {r.right - 1, r.top + cut, r.right, r.bottom - cut}, s.right);
    if (s.hasBottom)
        addFill(out, {r.left + cut, r.bottom - 1, r.right - cut, r.bottom}, s.bottom);
    if (cut != 2)
        return;
    addFill(out, xywh(r.left + 1, r.top + 1, 1, 1), s.topLeft);
    addFill(out, xywh(r.right - 2, r.top + 1, 1, 1), s.topRight);
    if (s.hasBottom) {
        addFill(out, xywh(r.left + 1, r.bottom - 2, 1, 1), s.bottomLeft);
        addFill(out, xywh(r.right - 2, r.bottom - 2, 1, 1), s.bottomRight);
    }
}

namespace {

// One row of a corner: its distance from the top (or bottom) row, its start
// measured from the left edge (or back from the right edge) and its width.
struct Row {
    std::int32_t dy, inset, width;
};

struct Corner {
    Row topLeft[5], topRight[5], bottomLeft[5], bottomRight[5];
    int rows;
};

// The bottom right corner of the large kind is not quite the mirror of the
// others: its third and fourth rows start one pixel further in.
constexpr Corner kSmallCorner = {{{1, 0, 2}}, {{1, 2, 2}}, {{1, 0, 2}}, {{1, 2, 2}}, 1};
constexpr Corner kLargeCorner = {
    {{1, 0, 5}, {2, 0, 3}, {3, 0, 2}, {4, 0, 2}, {5, 0, 1}},
    {{1, 5, 5}, {2, 3, 3}, {3, 2, 2}, {4, 2, 2}, {5, 1, 1}},
    {{1, 0, 5}, {2, 0, 3}, {3, 0, 2}, {4, 0, 2}, {5, 0, 1}},
    {{1, 5, 5}, {2, 4, 3}, {3, 3, 2}, {4, 2, 2}, {5, 1, 1}},
    5};

void cornerRows(const Rect& r, std::int32_t kind, bool top, Colour colour, Fills& out) {
    const Corner& c = kind == 1 ? kSmallCorner : kLargeCorner;
    const Row* left = top ? c.topLeft : c.bottomLeft;
    const Row* right = top ? c.topRight : c.bottomRight;
    for (int i = 0; i < c.rows; ++i) {
        const std::int32_t yl = top ? r.top + left[i].dy : r.bottom - 1 - left[i].dy;
        const std::int32_t yr = top ? r.top + right[i].dy : r.bottom - 1 - right[i].dy;
        addFill(out, xywh(r.left + left[i].inset, yl, left[i].width, 1), colour);
        addFill(out, xywh(r.right - right[i].inset, yr, right[i].width, 1), colour);
    }
}

} // namespace

void windowFrameRects(const Rect& r, std::int32_t topCorners, std::int32_t bottomCorners,
                      Colour colour, Fills& out) {
    if (r.empty())
        return;
    const std::int32_t w = r.right - r.left, h = r.bottom - r.top;
    addFill(out, xywh(r.left, r.top, w, 1), colour);
    addFill(out, xywh(r.right - 1, r.top, 1, h), colour);
    addFill(out, xywh(r.left, r.bottom - 1, w, 1), colour);
    addFill(out, xywh(r.left, r.top, 1, h - 1), colour);
    if (topCorners == 1 || topCorners == 2)
        cornerRows(r, topCorners, true, colour, out);
    if (bottomCorners == 1 || bottomCorners == 2)
        cornerRows(r, bottomCorners, false, colour, out);
}

WindowShape windowShape(std::int32_t topCorners, std::int32_t bottomCorners) {
    const bool topRound = topCorners == 1 || topCorners == 2;
    const bool bottomRound = bottomCorners == 1 || bottomCorners == 2;
    if (!topRound && !bottomRound)
        return {true, 0, 0};
    const std::int32_t kind = topRound ? topCorners : bottomCorners;
    const std::int32_t ellipse = std::max(topRound ? topCorners : 0,
                                          bottomRound ? bottomCorners : 0) == 2
                                     ? 11
                                     : 5;
    if (topRound && bottomRound)
        return {false, ellipse, 0};
    const std::int32_t rows = kind == 2 ? 6 : 4;
    // The square end is the one that is not rounded.
    return {false, ellipse, topRound ? rows : -rows};
}

Rect groupTitleRect(const Rect& r, std::int32_t titleWidth, std::int32_t titleHeight) {
    return {r.left + 9, r.top, r.left + 9 + titleWidth, r.top + titleHeight};
}

void groupFrameRects(const Rect& r, std::int32_t titleWidth, std::int32_t titleHeight,
                     Colour colour, Fills& out) {
    if (r.empty())
        return;
    const std::int32_t top = r.top + std::max(0, titleHeight / 2 - 1);
    const std::int32_t titleEnd = titleWidth > 0 ? r.left + 9 + titleWidth + 2 : r.left + 7;
    addFill(out, {r.left + 2, top, std::min(r.left + 7, r.right - 2), top + 2}, colour);
    addFill(out, {std::max(titleEnd, r.left + 7), top, r.right - 2, top + 2}, colour);
    addFill(out, {r.left + 2, r.bottom - 2, r.right - 2, r.bottom}, colour);
    addFill(out, {r.left, top + 2, r.left + 2, r.bottom - 2}, colour);
    addFill(out, {r.right - 2, top + 2, r.right, r.bottom - 2}, colour);
    // A square one pixel inside each corner rounds the frame.
    addFill(out, xywh(r.left + 1, top + 1, 2, 2), colour);
    addFill(out, xywh(r.right - 3, top + 1, 2, 2), colour);
    addFill(out, xywh(r.left + 1, r.bottom - 3, 2, 2), colour);
    addFill(out, xywh(r.right - 3, r.bottom - 3, 2, 2), colour);
}

} // namespace s::gui::drawer
