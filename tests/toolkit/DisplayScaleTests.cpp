#include "toolkit/controls/SizeGrip.h"
#include "toolkit/drawers/FrameGeometry.h"
#include "toolkit/drawers/Glyphs.h"
#include "toolkit/drawers/ScaleMap.h"
#include "toolkit/window/WindowGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace s::gui::drawer {
namespace {

constexpr Colour kInk = rgb(10, 20, 30);

// 100 %, 125 %, 150 % and 200 %.
constexpr std::int32_t kDpis[] = {96, 120, 144, 192};

std::string show(const Rect& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

bool near(std::int32_t scaled, std::int32_t base, std::int32_t dpi) {
    return std::abs(scaled - static_cast<std::int32_t>(std::lround(base * dpi / 96.0))) <= 1;
}

// A shape worked out over a button of the 96-DPI size and laid onto the same
// button at another scale: every edge is the 96-DPI edge times the scale,
// within one pixel of rounding, every rectangle stays solid, and none leaves
// the button.
TEST(DisplayScale, ShapesScaleEdgeByEdgeAtEveryScale) {
    const Rect base{0, 0, 22, 18};
    const char16_t* glyphs[] = {u"#Play",  u"#Pause", u"#Stop",  u"#Up",    u"#Down",
                                u"#X",     u"#_",     u"#Check", u"#Plus",  u"#Speaker",
                                u"#Right", u"#Left",  u"#OnTop", u"#Minus", u"#Next"};
    for (std::int32_t dpi : kDpis) {
        const DisplayScale scale(dpi);
        const Rect platform{0, 0, scale.px(base.right), scale.px(base.bottom)};
        const ScaleMap map(scale, platform);
        ASSERT_EQ(show(map.logical()), show(base)) << dpi;
        for (const char16_t* name : glyphs) {
            Fills at96, scaled;
            ASSERT_TRUE(glyphRects(name, base, kInk, at96));
            ASSERT_TRUE(glyphRects(name, map.logical(), kInk, scaled));
            map.toPlatform(scaled);
            ASSERT_EQ(scaled.size(), at96.size());
            for (std::size_t i = 0; i < scaled.size(); ++i) {
                const Rect& s = scaled[i].rect;
                const Rect& b = at96[i].rect;
                const std::string where = std::to_string(dpi) + " dpi, fill " + std::to_string(i) +
                                          ": " + show(s) + " from " + show(b);
                if (dpi == 96) {
                    EXPECT_EQ(show(s), show(b)) << where;
                }
                EXPECT_TRUE(near(s.left, b.left, dpi) && near(s.top, b.top, dpi) &&
                            near(s.right, b.right, dpi) && near(s.bottom, b.bottom, dpi))
                    << where;
                EXPECT_FALSE(s.empty()) << where;
                EXPECT_TRUE(s.left >= 0 && s.top >= 0 && s.right <= platform.right &&
                            s.bottom <= platform.bottom)
                    << where;
            }
        }

        // A 1-pixel border comes out equally thick on all four sides, also
        // where the scale is not a whole number.
        Fills border;
        borderRects(map.logical(), 1, 0, kInk, true, border);
        map.toPlatform(border);
        ASSERT_EQ(border.size(), 4u);
        const std::int32_t thick = scale.px(1);
        EXPECT_EQ(border[0].rect.bottom - border[0].rect.top, thick) << dpi << " top";
        EXPECT_EQ(border[1].rect.right - border[1].rect.left, thick) << dpi << " left";
        EXPECT_EQ(border[2].rect.right - border[2].rect.left, thick) << dpi << " right";
        EXPECT_EQ(border[3].rect.bottom - border[3].rect.top, thick) << dpi << " bottom";
        EXPECT_EQ(border[2].rect.right, platform.right) << dpi;
        EXPECT_EQ(border[3].rect.bottom, platform.bottom) << dpi;

        // The frame's 5-pixel border and 30-pixel corners, and the size grip.
        using win::geometry::Hit;
        const std::int32_t w = scale.px(300), h = scale.px(200);
        EXPECT_EQ(win::geometry::frameHit(w - scale.px(3), scale.px(10), w, h, scale),
                  Hit::TopRight)
            << dpi;
        EXPECT_EQ(win::geometry::frameHit(w - scale.px(3), scale.px(40), w, h, scale), Hit::Right)
            << dpi;
        EXPECT_EQ(win::geometry::frameHit(scale.px(6), scale.px(40), w, h, scale), Hit::Default)
            << dpi;
        EXPECT_TRUE(controls::inGrip(w - scale.px(13), h - 1, w, h, scale)) << dpi;
        EXPECT_FALSE(controls::inGrip(w - scale.px(15), h - 1, w, h, scale)) << dpi;
    }
}

// Sizes measured on the display come back as toolkit pixels that cover the
// measure again once scaled; a DPI the platform cannot mean counts as 96.
TEST(DisplayScale, MeasuresRoundTripAndBadDpisFallBack) {
    for (std::int32_t dpi : kDpis) {
        const DisplayScale scale(dpi);
        for (std::int32_t measured = 0; measured < 300; ++measured) {
            const std::int32_t t = scale.toToolkitCeil(measured);
            EXPECT_GE(scale.px(t), measured) << dpi << " dpi, " << measured;
            EXPECT_LE(scale.px(t) - measured, scale.px(1)) << dpi << " dpi, " << measured;
        }
        EXPECT_EQ(scale.px(-5), -scale.px(5)) << dpi;
    }
    for (std::int32_t bad : {0, -96, 1, 1000000, 2147483647})
        EXPECT_TRUE(DisplayScale(bad).isUnit()) << bad;
    EXPECT_EQ(DisplayScale(192).px(1000000000), 2000000000);
}

} // namespace
} // namespace s::gui::drawer
