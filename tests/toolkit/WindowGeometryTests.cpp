#include "toolkit/window/WindowGeometry.h"

#include <gtest/gtest.h>

using namespace s::gui::win::geometry;

namespace {

TEST(FrameHit, EdgesAndCornersOfTheHandPaintedFrame) {
    const std::int32_t w = 200, h = 150;
    struct Case {
        std::int32_t x, y;
        Hit hit;
    } cases[] = {
        {w - 3, 10, Hit::TopRight},
        {w - 3, 40, Hit::Right},
        {w - 3, h - 10, Hit::BottomRight},
        {w - 5, 40, Hit::Default},
        {100, h - 3, Hit::Bottom},
        {10, h - 3, Hit::BottomLeft},
        {w - 10, h - 3, Hit::BottomRight},
        {3, 40, Hit::Left},
        {3, 10, Hit::TopLeft},
        {3, h - 10, Hit::BottomLeft},
        {100, 3, Hit::Top},
        {10, 3, Hit::TopLeft},
        {w - 10, 3, Hit::TopRight},
        {100, 60, Hit::Default},
        {5, 5, Hit::Default},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frameHit(c.x, c.y, w, h), c.hit) << "at " << c.x << ", " << c.y;
}

TEST(Sizing, TheDraggedSideGivesWayAndTheOppositeOneStays) {
    // Below the minimum width from the left: the right edge stays.
    Rect r{300, 100, 350, 300};
    keepMinimum(r, kLeft, 120, 80, true, true);
    EXPECT_EQ(r, (Rect{230, 100, 350, 300}));
    r = {300, 100, 350, 130};
    keepMinimum(r, kBottomRight, 120, 80, true, true);
    EXPECT_EQ(r, (Rect{300, 100, 420, 180}));
    r = {300, 100, 350, 130};
    keepMinimum(r, kTopLeft, 120, 80, false, true);
    EXPECT_EQ(r, (Rect{300, 50, 350, 130})) << "the width is not kept when not asked";

    r = {0, -200, 100, 900};
    limitToWorkHeight(r, kBottom, 1000);
    EXPECT_EQ(r, (Rect{0, -200, 100, 800}));
    r = {0, -200, 100, 900};
    limitToWorkHeight(r, kTop, 1000);
    EXPECT_EQ(r, (Rect{0, -100, 100, 900}));
    r = {0, 0, 100, 500};
    limitToWorkHeight(r, kTop, 1000);
    EXPECT_EQ(r, (Rect{0, 0, 100, 500}));
}

TEST(KeepInScreen, MovesBackInsideFromEachSide) {
    const Rect work{0, 0, 1024, 738};
    EXPECT_EQ(movedInside({1000, 100, 1300, 300}, work), (Rect{724, 100, 1024, 300}))
        << "dragged past the right edge, it stops with its right edge on the work area's";
    EXPECT_EQ(movedInside({-50, 700, 250, 900}, work), (Rect{0, 538, 300, 738}));
    EXPECT_EQ(movedInside({100, 100, 1300, 900}, work), (Rect{0, 0, 1200, 800}))
        << "larger than the screen: the top-left corner stays inside";
    EXPECT_EQ(movedInside({10, 10, 110, 110}, work), (Rect{10, 10, 110, 110}));
}

TEST(Reachable, TenPixelsOnEachAxisAndCentringInTheWorkArea) {
    const Rect screen{0, 0, 1024, 768};
    EXPECT_TRUE(isReachable({1014, 758, 1300, 900}, screen));
    EXPECT_FALSE(isReachable({1015, 100, 1300, 300}, screen));
    EXPECT_FALSE(isReachable({-300, 100, 9, 300}, screen));
    EXPECT_TRUE(isReachable({-300, 100, 10, 300}, screen));
    EXPECT_FALSE(isReachable({3000, 2000, 3300, 2200}, screen)) << "a monitor that went away";
    EXPECT_FALSE(isReachable({100, 100, 110, 300}, screen)) << "not wider than 10 pixels";

    const Rect work{0, 0, 1024, 738};
    EXPECT_EQ(centredIn({3000, 2000, 3300, 2200}, work), (Rect{362, 269, 662, 469}));
    EXPECT_EQ(centredIn({0, 0, 1200, 800}, work), (Rect{0, 0, 1200, 800}));
}

TEST(Transparency, OpacityBecomesAlpha) {
    struct Case {
        std::int32_t percent;
        std::uint8_t alpha;
    } cases[] = {{50, 127}, {100, 255}, {90, 229}, {10, 25}, {0, 0}, {150, 255}, {-5, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(alphaOf(c.percent), c.alpha) << c.percent << " %";
}

TEST(TrayClick, AWindowThatJustLostActivationIsIconized) {
    EXPECT_EQ(trayClick(true, false, 5000, 0), TrayClick::Restore);
    EXPECT_EQ(trayClick(false, true, 5000, 0), TrayClick::Iconize);
    EXPECT_EQ(trayClick(false, false, 5000, 4850), TrayClick::Iconize);
    EXPECT_EQ(trayClick(false, false, 5000, 4849), TrayClick::Activate);
    EXPECT_EQ(trayClick(false, false, 5000, 0), TrayClick::Activate) << "never deactivated";
}

} // namespace

namespace {

TEST(BackBuffer, KeptWhileItFitsReplacedWhenItWastesMoreThan30PercentEnlargedWhenShort) {
    struct Case {
        Size current, client, expected;
    } cases[] = {
        {{0, 0}, {300, 200}, {300, 200}},       // none yet: made to measure
        {{300, 200}, {300, 200}, {300, 200}},   // exact
        {{300, 200}, {280, 190}, {300, 200}},   // 0.7 × 60000 = 42000 ≤ 53200: kept
        {{300, 200}, {200, 200}, {200, 200}},   // 42000 > 40000: replaced
        {{300, 200}, {210, 200}, {300, 200}},   // 42000 = 42000: kept, the limit is inclusive
        {{300, 200}, {320, 150}, {320, 200}},   // too narrow: only widened
        {{300, 200}, {290, 260}, {300, 260}},   // too low: only heightened
        {{300, 200}, {0, 0}, {0, 0}},           // a client of nothing frees the buffer
    };
    for (const Case& c : cases)
        EXPECT_EQ(backBufferSize(c.current, c.client), c.expected)
            << c.current.width << "x" << c.current.height << " for " << c.client.width << "x"
            << c.client.height;
}

} // namespace
