#include "toolkit/drawers/Glyphs.h"

#include <algorithm>
#include <utility>
#include <string_view>

namespace s::gui::drawer {

namespace {

// The measures every glyph is placed by: the inner box (x0, y0, W, H) one
// pixel inside the rectangle, the largest even square S centred in it at
// (sx, sy, sw, sh), and its middle row and column.
struct Box {
    std::int32_t left, top, right, bottom;
    std::int32_t x0, y0, W, H, S, mx, my, sx, sy, sw, sh, ym, xm;
    Colour colour;
    Fills& out;

    Box(const Rect& r, Colour c, Fills& fills)
        : left(r.left), top(r.top), right(r.right), bottom(r.bottom), x0(r.left + 1),
          y0(r.top + 1), W(r.right - r.left - 2), H(r.bottom - r.top - 2),
          S(std::min(W, H) & ~1), mx((W - S) / 2), my((H - S) / 2), sx(x0 + mx), sy(y0 + my),
          sw(W - 2 * mx), sh(H - 2 * my), ym(y0 + H / 2), xm(x0 + W / 2), colour(c), out(fills) {}

    void fill(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
        addFill(out, xywh(x, y, w, h), colour);
    }
    void dot(std::int32_t x, std::int32_t y) { fill(x, y, 2, 2); }
};

std::int32_t ceilHalf(std::int32_t v) { return v >= 0 ? (v + 1) / 2 : v / 2; }

void play(Box& b) {
    for (std::int32_t k = 0; b.sx + 2 * k < b.right - 1 && b.sy + k < b.ym; ++k)
        b.fill(b.sx + 2 * k, b.sy + k, 2, b.sh - 2 * k);
}

void speakerBody(Box& b, std::int32_t bx, std::int32_t by) {
    b.fill(bx, by + 2, 2, 5);
    b.fill(bx + 2, by + 1, 1, 7);
    b.fill(bx + 3, by, 1, 9);
}

std::int32_t minusThickness(const Box& b) {
    return std::max((std::min(b.W, b.H) / 5) & ~1, 1);
}

void minusBar(Box& b, std::int32_t t) {
    const std::int32_t gap = (b.H - t) / 2;
    b.fill(b.sx, b.y0 + gap, b.sw, b.H - 2 * gap);
}

void upright(Box& b, std::int32_t t, std::int32_t y, std::int32_t h) {
    const std::int32_t gap = (b.W - t) / 2;
    b.fill(b.x0 + gap, y, b.W - 2 * gap, h);
}

void fitCorners(Box& b, bool inward) {
    const std::int32_t a = b.W / 3, bb = b.H / 3;
    const std::int32_t j = b.right - 3 - a, jy = b.bottom - 3 - a;
    if (inward) {
        b.fill(b.x0, b.y0 + bb, a + 2, 2);
        b.fill(b.x0 + a, b.y0, 2, bb + 2);
    } else {
        b.fill(b.x0, b.y0, a + 2, 2);
        b.fill(b.x0, b.y0, 2, bb + 2);
    }
    for (std::int32_t k = 0; k <= a && k <= bb; ++k)
        b.dot(b.x0 + k, b.y0 + k);
    if (inward) {
        b.fill(j, jy, a + 2, 2);
        b.fill(j, jy, 2, a + 2);
    } else {
        b.fill(j, b.bottom - 3, a + 2, 2);
        b.fill(b.right - 3, jy, 2, a + 2);
    }
    const std::int32_t shift = b.bottom - b.right;
    for (std::int32_t k = 0; j + k <= b.right - 3 && j + k + shift <= b.bottom - 3; ++k)
        b.dot(j + k, j + k + shift);
}

void palm(Box& b) {
    const std::int32_t m = b.y0 + b.H / 2, f = b.H / 2 - 3;
    const std::int32_t l = b.left, t = b.top;
    b.fill(l + 4, m, b.W - 6, 1);
    b.fill(l + 3, m + 1, b.W - 4, b.bottom - m - 3);
    b.fill(l + 4, b.bottom - 2, b.W - 6, 1);
    b.fill(l + 2, t + 3, 2, 1);
    b.fill(l + 1, t + 4, 3, f);
    b.fill(l + 6, t + 1, 2, 1);
    b.fill(l + 5, t + 2, 4, f);
    b.fill(l + 6, t + b.H / 2 - 1, 2, 1);
    b.fill(l + 10, t + 3, 2, 1);
    b.fill(l + 10, t + 4, 3, f);
}

void keepRatio(Box& b) {
    const std::int32_t h = b.bottom - b.top, l = b.left, r = b.right, t = b.top;
    b.fill(l + 1, t + 4, 1, h - 8);
    b.fill(l + 2, t + 3, 1, h - 6);
    b.dot(l + 3, t + 3);
    b.dot(l + 3, b.bottom - 5);
    b.fill(l + 5, t + 3, 1, h - 6);
    b.fill(l + 6, t + 4, 1, h - 8);
    b.fill(r - 2, t + 4, 1, h - 8);
    b.fill(r - 3, t + 3, 1, h - 6);
    b.dot(r - 5, t + 3);
    b.dot(r - 5, b.bottom - 5);
    b.fill(r - 6, t + 3, 1, h - 6);
    b.fill(r - 7, t + 4, 1, h - 8);
}

void restore(Box& b) {
    const std::int32_t a = b.W - 3, c = b.H - 3;
    const std::int32_t s = std::min(a, c) & ~1;
    const std::int32_t px = (a - s) / 2, py = (c - s) / 2, w = a - 2 * px, h = c - 2 * py;
    b.fill(b.x0 + px, b.top + 4 + py, w, 2);
    b.fill(b.right - px - 5, b.top + 4 + py, 1, h);
    b.fill(b.x0 + px, b.bottom - py - 2, w, 1);
    b.fill(b.x0 + px, b.top + 4 + py, 1, h);
    b.fill(b.left + 4 + px, b.y0 + py, w, 2);
    b.fill(b.right - px - 2, b.y0 + py, 1, h);
    b.fill(b.right - px - 3, b.bottom - py - 5, 1, 1);
}

void transform(Box& b) {
    b.fill(b.x0, b.top + 2, b.W - 1, 2);
    for (std::int32_t i = 0; i < 3; ++i)
        b.fill(b.left + 2 + i, b.top + 2, 1, 3 + i);
    const std::int32_t y = b.top + b.H * 8 / 10;
    b.fill(b.left + 2, y + 1, b.W - 1, 2);
    for (std::int32_t i = 0; i < 3; ++i)
        b.fill(b.right - 3 - i, y - i, 1, 3 + i);
}

void cross(Box& b) {
    for (std::int32_t k = 0; b.sx + k < b.right - 1 && b.sy + k < b.bottom - 2; ++k)
        b.dot(b.sx + k, b.sy + k);
    for (std::int32_t k = 0; b.right - 3 - b.mx - k >= b.x0 && b.sy + k < b.bottom - 2; ++k)
        b.dot(b.right - 3 - b.mx - k, b.sy + k);
}

void checkMark(Box& b) {
    const std::int32_t cx = b.left + (b.right - b.left - 9) / 2;
    const std::int32_t cy = b.top + (b.bottom - b.top - 9) / 2;
    static constexpr std::int32_t kTops[7] = {3, 4, 5, 4, 3, 2, 1};
    for (std::int32_t i = 0; i < 7; ++i)
        b.fill(cx + 1 + i, cy + kTops[i], 1, 3);
}

void next(Box& b) {
    const std::int32_t a = b.left + (b.W - b.S / 3) / 2;
    std::int32_t last = -1;
    for (std::int32_t k = 0; a + k - 1 < b.right - 1 && b.sy + k < b.ym; ++k) {
        b.fill(a - 2 + k, b.sy + k, 2, b.sh - 2 * k);
        last = k;
    }
    if (last >= 0)
        b.fill(a + last + 1, b.sy, 2, b.S);
}

void previous(Box& b) {
    const std::int32_t a = b.right - (b.W - b.S / 3) / 2;
    std::int32_t last = -1;
    for (std::int32_t k = 0; b.x0 < a - k && b.sy + k < b.ym; ++k) {
        b.fill(a - k, b.sy + k, 2, b.sh - 2 * k);
        last = k;
    }
    if (last >= 0)
        b.fill(a - last - 3, b.sy, 2, b.S);
}

// Arrows pointing right and left; doubled ones draw a second arm 6 pixels on.
void horizontalArrow(Box& b, bool right, bool doubled) {
    const std::int32_t mirror = 2 * b.top + b.H;
    const std::int32_t inset = (b.W - b.S / 3) / 2;
    const std::int32_t tip = right ? b.left + inset : b.right - 2 - inset;
    const std::int32_t step = right ? 1 : -1;
    const std::int32_t starts[2] = {doubled ? tip - 3 : tip, tip + 3};
    const int arms = doubled ? 2 : 1;
    for (std::int32_t k = 0; b.sy + k < b.ym; ++k) {
        if (right ? !(tip + k + 1 < b.right - 1) : !(b.x0 < tip - k))
            break;
        for (int i = 0; i < arms; ++i) {
            b.dot(starts[i] + step * k, b.sy + k);
            b.dot(starts[i] + step * k, mirror - b.sy - k);
        }
    }
}

void verticalArrow(Box& b, bool down) {
    const std::int32_t mirror = 2 * b.left + b.W;
    if (down) {
        const std::int32_t y1 = b.y0 + (b.H - b.S / 3) / 2;
        for (std::int32_t k = 0; b.sx + k < b.xm && y1 + k < b.bottom - 1; ++k) {
            b.dot(b.sx + k, y1 + k - 1);
            b.dot(mirror - b.sx - k, y1 + k - 1);
        }
        return;
    }
    const std::int32_t y2 = b.bottom - 2 - (b.H - b.S / 3) / 2;
    for (std::int32_t k = 0; b.sx + k < b.xm && b.y0 < y2 - k; ++k) {
        b.dot(b.sx + k, y2 - k);
        b.dot(mirror - b.sx - k, y2 - k);
    }
}

// "#Color-" and its digits: the colour they give, or false when there are
// none, more than eight, or any that is not hexadecimal.
bool swatchColour(std::u16string_view digits, Colour& colour) {
    if (digits.empty() || digits.size() > 8)
        return false;
    std::uint32_t value = 0;
    for (char16_t c : digits) {
        std::uint32_t d;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        else
            return false;
        value = value << 4 | d;
    }
    // Read as a number the digits give blue, green, red from the high end,
    // which is how a packed colour holds them; a leading pair is ignored.
    colour = value & 0xFFFFFFu;
    return true;
}

bool drawNamed(std::u16string_view n, Box& b) {
    if (n == u"#_") {
        b.fill(b.x0, b.y0 + b.H * 8 / 10, b.W, 2);
    } else if (n == u"#Transform") {
        transform(b);
    } else if (n == u"#.") {
        b.dot(b.right - 3, b.y0 + b.H * 8 / 10);
    } else if (n == u"#X") {
        cross(b);
    } else if (n == u"#\u25A1") {
        b.fill(b.sx, b.sy, b.sw, 3);
        b.fill(b.sx + b.sw - 1, b.sy, 1, b.sh);
        b.fill(b.sx, b.sy + b.sh - 1, b.sw, 1);
        b.fill(b.sx, b.sy, 1, b.sh);
    } else if (n == u"#\u2199") {
        restore(b);
    } else if (n == u"#Play" || n == u"#TreeClosed") {
        play(b);
    } else if (n == u"#Pause") {
        const std::int32_t q = (b.W - b.S / 4) / 2;
        b.fill(b.sx, b.sy, b.x0 + q - b.sx, b.sh);
        b.fill(b.right - 1 - q, b.sy, b.x0 + q - b.sx, b.sh);
    } else if (n == u"#Stop") {
        b.fill(b.sx, b.sy, b.sw, b.sh);
    } else if (n == u"#Speaker" || n == u"#Mute") {
        const std::int32_t bx = b.left + ceilHalf(b.right - b.left - 9);
        const std::int32_t by = b.top + ceilHalf(b.bottom - b.top - 9);
        speakerBody(b, bx, by);
        if (n == u"#Mute") {
            b.fill(bx + 6, by, 2, 9);
        } else {
            b.fill(bx + 7, by, 1, 1);
            b.fill(bx + 6, by + 1, 1, 1);
            b.fill(bx + 5, by + 2, 1, 1);
            b.fill(bx + 5, by + 6, 1, 1);
            b.fill(bx + 6, by + 7, 1, 1);
            b.fill(bx + 7, by + 8, 1, 1);
            b.fill(bx + 5, by + 4, 3, 1);
        }
    } else if (n == u"#Right" || n == u"#RightRight") {
        horizontalArrow(b, true, n == u"#RightRight");
    } else if (n == u"#Left" || n == u"#LeftLeft") {
        horizontalArrow(b, false, n == u"#LeftLeft");
    } else if (n == u"#Down" || n == u"#Up") {
        verticalArrow(b, n == u"#Down");
    } else if (n == u"#ThumbLineV") {
        b.fill(b.x0 + (b.W - 3) / 2, b.y0, 1, b.H);
        b.fill(b.x0 + (b.W - 3) / 2 + 2, b.y0, 1, b.H);
    } else if (n == u"#ThumbLineH") {
        b.fill(b.x0, b.y0 + (b.H - 3) / 2, b.W, 1);
        b.fill(b.x0, b.y0 + (b.H - 3) / 2 + 2, b.W, 1);
    } else if (n == u"#Minus" || n == u"#Plus") {
        const std::int32_t t = minusThickness(b);
        minusBar(b, t);
        if (n == u"#Plus")
            upright(b, t, b.sy, b.sh);
    } else if (n == u"#PlusMinus") {
        const std::int32_t t = minusThickness(b);
        const std::int32_t gap = (b.H - t) / 2, th = b.H - 2 * gap;
        b.fill(b.sx, b.top + 2 * gap - b.my + 1, b.sw, th);
        b.fill(b.sx, b.y0 + (b.H - t) / 3, b.sw, th);
        upright(b, t, b.y0 + b.my, (b.H - 2 * b.my) * 7 / 10);
    } else if (n == u"#Check") {
        checkMark(b);
    } else if (n == u"#Next") {
        next(b);
    } else if (n == u"#Prev") {
        previous(b);
    } else if (n == u"#Resizer") {
        // These fall into the margin the button painter leaves around the
        // content rectangle, so they sit in the window's very corner.
        for (auto [dx, dy] : {std::pair{0, 8}, {0, 4}, {4, 4}, {0, 0}, {4, 0}, {8, 0}})
            b.dot(b.right - dx, b.bottom - dy);
    } else if (n == u"#TreeOpen") {
        for (std::int32_t k = 0; b.sx + k < b.xm && b.sy + 2 * k < b.bottom - 1; ++k)
            b.fill(b.sx + k, b.sy + 2 * k, b.sw - 2 * k, 2);
    } else if (n == u"#TurnRight") {
        b.fill(b.sx, b.sy, 2, b.S);
        b.fill(b.sx, b.sy, b.S, 2);
        for (std::int32_t k = 0; k <= b.S / 3; ++k)
            b.dot(b.sx + b.S - 2 - k, b.sy + k);
    } else if (n == u"#TurnLeft") {
        b.fill(b.sx + b.S - 2, b.sy, 2, b.S);
        b.fill(b.sx, b.sy, b.S, 2);
        for (std::int32_t k = 1; k <= b.S / 3; ++k)
            b.dot(b.sx + k, b.sy + k);
    } else if (n == u"#OnTop") {
        const std::int32_t xs = b.x0 + (b.W - 2) / 2;
        b.fill(xs, b.y0, 2, b.H);
        for (std::int32_t k = 1; k <= 4; ++k) {
            b.dot(xs - k, b.y0 + k);
            b.dot(xs + k, b.y0 + k);
        }
    } else if (n == u"#FitWindow" || n == u"#FitToWindow") {
        fitCorners(b, n == u"#FitWindow");
    } else if (n == u"#Palm") {
        palm(b);
    } else if (n == u"#KeepRatio") {
        keepRatio(b);
    } else {
        return false;
    }
    return true;
}

} // namespace

bool glyphRects(const char16_t* name, const Rect& rect, Colour colour, Fills& out) {
    if (name == nullptr || name[0] != u'#')
        return false;
    const std::u16string_view n(name);
    Box box(rect, colour, out);
    constexpr std::u16string_view kSwatch = u"#Color-";
    if (n.starts_with(kSwatch)) {
        Colour swatch = 0;
        if (!swatchColour(n.substr(kSwatch.size()), swatch))
            return false;
        addFill(out, xywh(box.x0, box.y0, box.W, box.H), rgb(0, 0, 0));
        addFill(out, xywh(rect.left + 2, rect.top + 2, box.W - 2, box.H - 2), swatch);
        return true;
    }
    // Tiny boxes make no sense of the measures; the name is still a glyph.
    if (box.W <= 0 || box.H <= 0) {
        Fills ignored;
        Box none({0, 0, 20, 20}, colour, ignored);
        return drawNamed(n, none);
    }
    return drawNamed(n, box);
}

} // namespace s::gui::drawer
