#include "toolkit/drawers/ControlGeometry.h"
#include "toolkit/drawers/FrameGeometry.h"
#include "toolkit/drawers/Glyphs.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace s::gui::drawer {
namespace {

constexpr Colour kInk = rgb(10, 20, 30);

// The pixels the fills cover, later fills over earlier ones.
using Pixels = std::map<std::pair<int, int>, Colour>;
Pixels rasterize(const Fills& fills) {
    Pixels px;
    for (const Fill& f : fills)
        for (int y = f.rect.top; y < f.rect.bottom; ++y)
            for (int x = f.rect.left; x < f.rect.right; ++x)
                px[{x, y}] = f.colour;
    return px;
}

Rect bounds(const Fills& fills) {
    Rect b{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
    for (const Fill& f : fills) {
        b.left = std::min(b.left, f.rect.left);
        b.top = std::min(b.top, f.rect.top);
        b.right = std::max(b.right, f.rect.right);
        b.bottom = std::max(b.bottom, f.rect.bottom);
    }
    return b;
}

std::string show(const Rect& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

TEST(Glyphs, TableOfNamesGivesTheirShapes) {
    // The content rectangle of a bordered 16 x 16 button is inset by 2.
    const Rect content = buttonPlan({0, 0, 16, 16}, kHoverNone, true, false, false, false).content;
    ASSERT_EQ(show(content), show({2, 2, 14, 14}));
    struct Case {
        const char16_t* name;
        Rect rect;
        bool glyph;
        Rect bounds;     // of every fill
        int pixels;      // covered, -1 not checked
    };
    const Case cases[] = {
        {u"#Stop", content, true, {3, 3, 13, 13}, 100},
        {u"#_", {0, 0, 16, 16}, true, {1, 12, 15, 14}, 28},
        {u"#OnTop", {0, 0, 16, 16}, true, {3, 1, 13, 15}, -1},
        {u"#Pause", {0, 0, 16, 16}, true, {1, 1, 15, 15}, 2 * 5 * 14},
        {u"#Check", {0, 0, 9, 9}, true, {1, 1, 8, 8}, 21},
        {u"#Resizer", {0, 0, 12, 12}, true, {4, 4, 14, 14}, 24},
        {u"Stop", content, false, {}, 0},
        {u"#Nothing", content, false, {}, 0},
        {u"#Color-zz", content, false, {}, 0},
        {u"#Color-", content, false, {}, 0},
        {u"#Color-123456789", content, false, {}, 0},
        {u"", content, false, {}, 0},
        {nullptr, content, false, {}, 0},
        // Too small a box to show anything, but still a glyph, not a text.
        {u"#Play", {0, 0, 2, 2}, true, {}, 0},
    };
    for (const Case& c : cases) {
        const std::u16string name = c.name ? c.name : u"(null)";
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        Fills fills;
        EXPECT_EQ(glyphRects(c.name, c.rect, kInk, fills), c.glyph);
        const Pixels px = rasterize(fills);
        if (c.pixels >= 0) {
            EXPECT_EQ(static_cast<int>(px.size()), c.pixels);
        }
        if (!fills.empty()) {
            EXPECT_EQ(show(bounds(fills)), show(c.bounds));
        }
        for (const auto& [at, colour] : px)
            EXPECT_EQ(colour, kInk);
    }
}

// A glyph in a 12 x 12 box as text, '#' for a filled pixel.
std::string mask12(const char16_t* name) {
    Fills fills;
    glyphRects(name, {0, 0, 12, 12}, kInk, fills);
    const Pixels px = rasterize(fills);
    std::string out;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x)
            out += px.count({x, y}) ? '#' : '.';
        out += '\n';
    }
    return out;
}

TEST(Glyphs, ArrowsAreTheirPixelMasks) {
    EXPECT_EQ(mask12(u"#Up"), "............\n"
                              "............\n"
                              "............\n"
                              ".....##.....\n"
                              "....####....\n"
                              "...######...\n"
                              "..###..###..\n"
                              ".###....###.\n"
                              ".##......##.\n"
                              "............\n"
                              "............\n"
                              "............\n");
    EXPECT_EQ(mask12(u"#Play"), "............\n"
                                ".##.........\n"
                                ".####.......\n"
                                ".######.....\n"
                                ".########...\n"
                                ".##########.\n"
                                ".##########.\n"
                                ".########...\n"
                                ".######.....\n"
                                ".####.......\n"
                                ".##.........\n"
                                "............\n");
}

TEST(Glyphs, ColourSwatchIsTheDigitsColourInABlackEdge) {
    Fills fills;
    ASSERT_TRUE(glyphRects(u"#Color-00FF0000", {0, 0, 16, 16}, kInk, fills));
    const Pixels px = rasterize(fills);
    EXPECT_EQ(px.at({1, 1}), rgb(0, 0, 0));
    EXPECT_EQ(px.at({14, 14}), rgb(0, 0, 0));
    EXPECT_EQ(px.at({2, 2}), rgb(0, 0, 255));
    EXPECT_EQ(px.at({13, 13}), rgb(0, 0, 255));
    EXPECT_EQ(px.count({0, 0}), 0u);
    Fills six;
    ASSERT_TRUE(glyphRects(u"#Color-0000ff", {0, 0, 16, 16}, kInk, six));
    EXPECT_EQ(rasterize(six).at({5, 5}), rgb(255, 0, 0));
}

TEST(Glyphs, TheTimersGlyphsStayInsideTheirBox) {
    const char16_t* names[] = {u"#Transform", u"#OnTop", u"#_", u"#.", u"#X", u"#Up",
                               u"#Down", u"#Pause", u"#Play", u"#Stop", u"#Right",
                               u"#Left", u"#Plus", u"#Minus", u"#\u25A1", u"#\u2199"};
    for (const Rect box : {Rect{2, 2, 14, 14}, Rect{0, 0, 20, 14}, Rect{5, 3, 15, 23}}) {
        for (const char16_t* name : names) {
            const std::u16string n(name);
            SCOPED_TRACE(std::string(n.begin(), n.end()) + " in " + show(box));
            Fills fills;
            ASSERT_TRUE(glyphRects(name, box, kInk, fills));
            ASSERT_FALSE(fills.empty());
            const Rect b = bounds(fills);
            EXPECT_GE(b.left, box.left);
            EXPECT_GE(b.top, box.top);
            EXPECT_LE(b.right, box.right);
            EXPECT_LE(b.bottom, box.bottom);
        }
    }
}

TEST(Borders, EdgeShadesPerMode) {
    const Colour c = rgb(100, 200, 240);
    struct Case {
        std::int32_t mode;
        Colour top, left, right, bottom;
        bool hasBottom;
    };
    const Case cases[] = {
        {kRaised, rgb(115, 230, 255), rgb(105, 210, 252), rgb(70, 140, 168), rgb(50, 100, 120),
         true},
        {kNormal, rgb(105, 210, 252), c, rgb(90, 180, 216), rgb(85, 170, 204), true},
        {kSunken, rgb(85, 170, 204), rgb(90, 180, 216), c, rgb(105, 210, 252), true},
        {kOpen, rgb(105, 210, 252), c, rgb(90, 180, 216), 0, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.mode);
        Fills fills;
        borderRects({0, 0, 10, 8}, k.mode, 0, c, true, fills);
        const Pixels px = rasterize(fills);
        EXPECT_EQ(px.at({5, 0}), k.top);
        EXPECT_EQ(px.at({0, 4}), k.left);
        EXPECT_EQ(px.at({9, 4}), k.right);
        EXPECT_EQ(px.count({5, 7}), k.hasBottom ? 1u : 0u);
        if (k.hasBottom) {
            EXPECT_EQ(px.at({5, 7}), k.bottom);
        }
        Fills flat;
        borderRects({0, 0, 10, 8}, k.mode, 0, c, false, flat);
        for (const Fill& f : flat)
            EXPECT_EQ(f.colour, c);
    }
}

TEST(Borders, CornerKindsCutAndRoundTheCorners) {
    for (std::int32_t kind : {0, 1, 2}) {
        SCOPED_TRACE(kind);
        Fills fills;
        borderRects({0, 0, 10, 8}, kRaised, kind, rgb(100, 100, 100), true, fills);
        const Pixels px = rasterize(fills);
        EXPECT_EQ(px.count({0, 0}), kind == 0 ? 1u : 0u);
        EXPECT_EQ(px.count({1, 0}), kind == 2 ? 0u : 1u);
        // The round kind sets a pixel inside each corner; the raised mode's
        // are darker next to the right and bottom edges.
        EXPECT_EQ(px.count({1, 1}), kind == 2 ? 1u : 0u);
        if (kind == 2) {
            EXPECT_EQ(px.at({8, 1}), rgb(95, 95, 95));
            EXPECT_EQ(px.at({1, 6}), rgb(45, 45, 45));
        }
    }
}

TEST(WindowFrame, CornersShapeFrameAndRegion) {
    const Rect r{0, 0, 20, 16};
    Fills square;
    windowFrameRects(r, 0, 0, kInk, square);
    const Pixels sq = rasterize(square);
    EXPECT_EQ(sq.size(), 2u * 20 + 2u * 14);
    EXPECT_TRUE(windowShape(0, 0).rectangular);
    // Values other than 1 and 2 are square corners.
    EXPECT_TRUE(windowShape(7, -1).rectangular);

    Fills large;
    windowFrameRects(r, 2, 1, kInk, large);
    const Pixels lg = rasterize(large);
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(lg.count({x, 1}), 1u) << x;
    EXPECT_EQ(lg.count({5, 1}), 0u);
    EXPECT_EQ(lg.count({19, 5}), 1u);
    EXPECT_EQ(lg.count({18, 5}), 0u);
    // Small corners at the bottom: two pixels on the row above the last.
    EXPECT_EQ(lg.count({1, 14}), 1u);
    EXPECT_EQ(lg.count({2, 14}), 0u);
    EXPECT_EQ(lg.count({18, 14}), 1u);

    // Large corners at the bottom: the right one's middle rows start a pixel
    // further in than the left one's mirror would.
    Fills bottom;
    windowFrameRects(r, 0, 2, kInk, bottom);
    const Pixels bt = rasterize(bottom);
    for (auto [x, y] : {std::pair{4, 14}, {2, 13}, {15, 14}, {17, 12}, {16, 13}, {19, 10}})
        EXPECT_EQ(bt.count({x, y}), 1u) << x << "," << y;
    for (auto [x, y] : {std::pair{5, 14}, {2, 11}, {14, 14}, {16, 12}, {15, 13}, {18, 10}})
        EXPECT_EQ(bt.count({x, y}), 0u) << x << "," << y;

    const WindowShape topOnly = windowShape(2, 0);
    EXPECT_FALSE(topOnly.rectangular);
    EXPECT_EQ(topOnly.ellipse, 11);
    EXPECT_EQ(topOnly.squaredRows, 6);
    EXPECT_EQ(windowShape(0, 1).squaredRows, -4);
    EXPECT_EQ(windowShape(1, 1).squaredRows, 0);
}

TEST(GroupFrame, LeavesAGapForTheTitle) {
    Fills fills;
    groupFrameRects({0, 0, 100, 50}, 30, 14, kInk, fills);
    const Pixels px = rasterize(fills);
    const int top = 6;
    EXPECT_EQ(px.count({2, top}), 1u);
    EXPECT_EQ(px.count({6, top}), 1u);
    for (int x = 7; x < 9 + 30 + 2; ++x)
        EXPECT_EQ(px.count({x, top}), 0u) << x;
    EXPECT_EQ(px.count({41, top}), 1u);
    EXPECT_EQ(px.count({0, 30}), 1u);
    EXPECT_EQ(px.count({99, 30}), 1u);
    EXPECT_EQ(px.count({50, 49}), 1u);
    EXPECT_EQ(show(groupTitleRect({0, 0, 100, 50}, 30, 14)), show({9, 0, 39, 14}));
}

TEST(Buttons, PressedStateSwapsTheLookAndFillsTheBackground) {
    struct Case {
        std::int32_t hover;
        bool bordered, pressed, flat;
        std::int32_t mode;
        bool fill;
        Rect background;
    };
    const Rect r{0, 0, 20, 20};
    const Case cases[] = {
        {kHoverNone, true, false, false, kNormal, false, {}},
        {kHoverOver, true, false, false, kRaised, false, {}},
        {kHoverHeld, true, false, false, kSunken, false, {}},
        // A toggled button is sunk while the mouse is elsewhere, raised under it.
        {kHoverNone, true, true, false, kSunken, true, {1, 1, 19, 19}},
        {kHoverOver, true, true, false, kRaised, true, {1, 1, 19, 19}},
        {kHoverNone, false, false, false, -1, false, {}},
        {kHoverNone, false, false, true, kOpen, false, {}},
        {kHoverNone, false, true, true, kNormal, true, {0, 1, 20, 20}},
        {kHoverNone, false, true, false, kNormal, true, {0, 0, 20, 20}},
        {99, true, false, false, kNormal, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.hover << c.bordered << c.pressed << c.flat);
        const ButtonPlan plan = buttonPlan(r, c.hover, c.bordered, c.pressed, c.flat, false);
        EXPECT_EQ(plan.borderMode, c.mode);
        EXPECT_EQ(plan.fillBackground, c.fill);
        if (c.fill) {
            EXPECT_EQ(show(plan.background), show(c.background));
        }
    }
    EXPECT_EQ(show(buttonPlan(r, kHoverOver, true, false, false, true).content),
              show({1, 1, 17, 17}));
    EXPECT_EQ(show(buttonPlan(r, kHoverHeld, true, false, false, true).content),
              show({3, 3, 19, 19}));
}

TEST(TextStyles, PassesAndGrowth) {
    const Colour c = rgb(1, 2, 3), c2 = rgb(4, 5, 6), c3 = rgb(7, 8, 9);
    const auto outlined = textPasses(1, c, c2, c3);
    ASSERT_EQ(outlined.size(), 9u);
    // The text itself sits one pixel right of the plain position.
    EXPECT_EQ(outlined.back().dx, 1);
    EXPECT_EQ(outlined.back().dy, 0);
    EXPECT_EQ(outlined.back().colour, c);
    for (std::size_t i = 0; i + 1 < outlined.size(); ++i)
        EXPECT_EQ(outlined[i].colour, c2);
    EXPECT_EQ(textPasses(7, c, c2, c3).front().colour, c3);
    EXPECT_EQ(textPasses(2, rgb(0, 0, 0), c2, c3).front().colour, rgb(238, 238, 238));
    EXPECT_EQ(textPasses(2, c, c2, c3).front().colour, rgb(119, 119, 119));
    EXPECT_EQ(textPasses(42, c, c2, c3).size(), 1u);
    struct Case {
        std::int32_t style, width, height;
    };
    for (const Case k : {Case{0, 0, 0}, Case{1, 2, 1}, Case{2, 1, 1}, Case{3, 2, 1},
                         Case{4, 0, 1}, Case{5, 2, 1}, Case{6, 0, 1}, Case{7, 2, 1}}) {
        EXPECT_EQ(textGrowth(k.style).width, k.width) << k.style;
        EXPECT_EQ(textGrowth(k.style).height, k.height) << k.style;
    }
}

// The focus mark: only the edge pixels, every other one, none twice, the
// corners present so the frame reads closed; nothing for an empty rectangle
// and no double lines for one a pixel high or wide.
TEST(FocusMark, DottedFrameAlongTheEdge) {
    struct Case {
        Rect rect;
        std::size_t dots;
    };
    for (Case c : {Case{{3, 4, 13, 10}, 14}, Case{{0, 0, 80, 22}, 100}, Case{{0, 0, 5, 1}, 3},
                   Case{{0, 0, 1, 5}, 3}, Case{{5, 5, 5, 9}, 0}}) {
        Fills fills;
        focusMarkRects(c.rect, kInk, fills);
        const Pixels px = rasterize(fills);
        EXPECT_EQ(c.dots, fills.size()) << c.rect.right;
        EXPECT_EQ(fills.size(), px.size()) << "a dot painted twice";
        for (const auto& [at, colour] : px) {
            const auto [x, y] = at;
            EXPECT_EQ(kInk, colour);
            EXPECT_TRUE(x == c.rect.left || x == c.rect.right - 1 || y == c.rect.top ||
                        y == c.rect.bottom - 1)
                << x << "," << y << " is inside";
            EXPECT_EQ(0, (x - c.rect.left + y - c.rect.top) % 2) << x << "," << y;
        }
        EXPECT_EQ(c.dots > 0, px.count({c.rect.left, c.rect.top}) == 1);
    }
}

TEST(Controls, CheckBoxComboAndSliderPieces) {
    Fills box;
    checkBoxRects({0, 0, 60, 13}, 13, kInk, box);
    const Pixels px = rasterize(box);
    EXPECT_EQ(px.at({0, 0}), kInk);
    EXPECT_EQ(px.at({1, 12}), kInk);
    EXPECT_EQ(px.at({2, 2}), rgb(255, 255, 255));
    EXPECT_EQ(px.at({10, 10}), rgb(255, 255, 255));
    EXPECT_EQ(px.count({13, 0}), 0u);
    EXPECT_EQ(checkTextOffset(13), 15);

    EXPECT_EQ(show(comboTextArea({0, 0, 100, 20}, kHoverNone)), show({4, 2, 85, 18}));
    EXPECT_EQ(show(comboTextArea({0, 0, 100, 20}, kHoverOver)), show({3, 2, 84, 18}));
    EXPECT_EQ(show(comboTextArea({0, 0, 100, 20}, kHoverHeld)), show({5, 2, 86, 18}));

    SliderState s;
    s.minimum = 10;
    s.maximum = 20;
    struct Case {
        std::int32_t value;
        bool vertical;
        Rect thumb;
    };
    // Framed: the track is inset by one pixel. Vertical sliders grow upwards.
    for (const Case k : {Case{10, false, {1, 1, 11, 11}}, Case{20, false, {89, 1, 99, 11}},
                         Case{15, false, {45, 1, 55, 11}}, Case{-5, false, {1, 1, 11, 11}},
                         Case{500, false, {89, 1, 99, 11}}, Case{10, true, {1, 89, 11, 99}},
                         Case{20, true, {1, 1, 11, 11}}}) {
        s.value = k.value;
        s.vertical = k.vertical;
        const Rect rect = k.vertical ? Rect{0, 0, 12, 100} : Rect{0, 0, 100, 12};
        EXPECT_EQ(show(sliderLayout(rect, true, s).thumb), show(k.thumb)) << k.value;
    }
    // An empty range keeps the thumb at the start instead of dividing by zero.
    s.maximum = s.minimum;
    s.vertical = false;
    EXPECT_EQ(show(sliderLayout({0, 0, 100, 12}, false, s).thumb), show({0, 0, 10, 12}));
}

} // namespace
} // namespace s::gui::drawer
