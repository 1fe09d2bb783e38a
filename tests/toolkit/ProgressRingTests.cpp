#include "toolkit/ProgressRing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using s::gui::Image;
using s::gui::RingState;

namespace {

// A 16-pixel icon of one opaque grey.
void greyIcon(Image& icon) {
    std::vector<std::uint8_t> pixels(16 * 16 * 4);
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = pixels[i + 1] = pixels[i + 2] = 128;
        pixels[i + 3] = 255;
    }
    icon.assign(16, 16, pixels.data());
}

// "fill", "track" or "icon": what a pixel shows, by its colour.
std::string seen(const Image& image, int x, int y) {
    const std::uint8_t* p = image.pixels() + (y * image.width() + x) * 4;
    if (p[0] == 128 && p[1] == 128 && p[2] == 128)
        return "icon";
    if (p[0] < 110 && p[1] < 110 && p[2] < 110)
        return "track";
    return "fill";
}

// Pixels on the ring just after twelve, at three, six and nine o'clock, and
// the middle of the icon, which the ring leaves alone.
std::string ring(const Image& image) {
    return seen(image, 8, 0) + " " + seen(image, 15, 8) + " " + seen(image, 8, 15) + " " +
           seen(image, 0, 8) + " " + seen(image, 8, 8);
}

TEST(ProgressRing, FillsClockwiseFromTwelveAndLeavesTheMiddle) {
    struct Case {
        std::int32_t permille;
        const char* expected;
    };
    const Case cases[] = {
        {-5, "track track track track icon"}, {0, "track track track track icon"},
        {200, "fill track track track icon"}, {600, "fill fill fill track icon"},
        {1000, "fill fill fill fill icon"},   {2000, "fill fill fill fill icon"},
    };
    Image icon;
    greyIcon(icon);
    for (const Case& c : cases) {
        Image out;
        drawProgressRing(icon, c.permille, RingState::Counting, out);
        ASSERT_EQ(out.width(), 16);
        EXPECT_EQ(ring(out), c.expected) << c.permille;
    }
}

TEST(ProgressRing, EachStateHasItsOwnColourAndAnEmptyIconStaysEmpty) {
    Image icon;
    greyIcon(icon);
    Image counting, paused, due;
    drawProgressRing(icon, 1000, RingState::Counting, counting);
    drawProgressRing(icon, 1000, RingState::Paused, paused);
    drawProgressRing(icon, 1000, RingState::Due, due);
    auto colour = [](const Image& image) {
        const std::uint8_t* p = image.pixels() + 8 * 4; // (8, 0)
        return std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]);
    };
    EXPECT_NE(colour(counting), colour(paused));
    EXPECT_NE(colour(counting), colour(due));
    EXPECT_NE(colour(paused), colour(due));
    Image out;
    drawProgressRing(Image(), 500, RingState::Counting, out);
    EXPECT_TRUE(out.isEmpty());
}

} // namespace
