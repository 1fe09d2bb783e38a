#include "toolkit/Image.h"
#include "toolkit/ImageScaling.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

TEST(Image, BytesThatAreNoPictureLeaveItEmpty) {
    s::gui::Image image;
    std::vector<std::uint8_t> noise(1000, 0x5A);
    EXPECT_FALSE(image.decode(noise.data(), static_cast<std::uint32_t>(noise.size())));
    EXPECT_TRUE(image.isEmpty());
    EXPECT_FALSE(image.decode(nullptr, 10));
    // The first bytes of a JPEG and nothing else.
    const std::uint8_t cut[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F'};
    EXPECT_FALSE(image.decode(cut, sizeof cut));
    EXPECT_EQ(image.width(), 0);
}

TEST(Image, DecodesAPngToRgbaPixels) {
    // A 1 x 1 PNG holding one opaque red pixel.
    const std::uint8_t png[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
        0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00,
        0x00, 0x90, 0x77, 0x53, 0xDE, 0x00, 0x00, 0x00, 0x0C, 0x49, 0x44, 0x41, 0x54, 0x78,
        0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x00, 0x03, 0x01, 0x01, 0x00, 0xC9, 0xFE, 0x92,
        0xEF, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82,
    };
    s::gui::Image image;
    ASSERT_TRUE(image.decode(png, sizeof png));
    EXPECT_EQ(image.width(), 1);
    EXPECT_EQ(image.height(), 1);
    EXPECT_EQ(image.pixels()[0], 255);
    EXPECT_EQ(image.pixels()[1], 0);
    EXPECT_EQ(image.pixels()[3], 255);
}

namespace {

// Images are not copied: the row is made into the caller's.
const s::gui::Image& greyRow(std::initializer_list<std::uint8_t> levels, s::gui::Image& image) {
    std::vector<std::uint8_t> rgba;
    for (std::uint8_t level : levels)
        rgba.insert(rgba.end(), {level, level, level, 255});
    image.assign(static_cast<std::int32_t>(levels.size()), 1, rgba.data());
    return image;
}

std::vector<int> greys(const s::gui::Image& image) {
    std::vector<int> out;
    for (std::int32_t i = 0; i < image.width() * image.height(); ++i)
        out.push_back(image.pixels()[i * 4]);
    return out;
}

} // namespace

TEST(ImageScaling, EachNewPixelIsTheMeanOfTheAreaItCovers) {
    s::gui::Image in, out;
    // Three into two: the middle pixel is shared half and half.
    ASSERT_TRUE(s::gui::scaleImage(greyRow({0, 90, 255}, in), 2, 1, out));
    EXPECT_EQ(greys(out), (std::vector<int>{30, 200}));
    // Two into three: the middle new pixel straddles both.
    ASSERT_TRUE(s::gui::scaleImage(greyRow({0, 210}, in), 3, 1, out));
    EXPECT_EQ(greys(out), (std::vector<int>{0, 105, 210}));
    // Whole-number steps average whole blocks, alpha included.
    const std::uint8_t block[] = {255, 0, 0, 255, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 0,
                                  255, 0, 0, 255, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 0};
    s::gui::Image source;
    source.assign(4, 2, block);
    ASSERT_TRUE(s::gui::scaleImage(source, 2, 1, out));
    const std::vector<std::uint8_t> expected = {255, 0, 0, 255, 0, 0, 255, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(out.pixels(), out.pixels() + 8), expected);
}

TEST(ImageScaling, ImpossibleSizesGiveAnEmptyPicture) {
    s::gui::Image in, out, empty;
    greyRow({1, 2}, out);
    EXPECT_FALSE(s::gui::scaleImage(empty, 2, 2, out));
    EXPECT_TRUE(out.isEmpty());
    for (auto [w, h] : {std::pair{0, 5}, std::pair{5, -1}, std::pair{s::gui::kMaxScaledSide + 1, 1}}) {
        greyRow({1, 2}, out);
        EXPECT_FALSE(s::gui::scaleImage(greyRow({1, 2}, in), w, h, out)) << w << " x " << h;
        EXPECT_TRUE(out.isEmpty()) << w << " x " << h;
    }
}

TEST(ImageScaling, FittingKeepsTheProportions) {
    struct Case {
        std::int32_t sw, sh, bw, bh, w, h;
    } cases[] = {
        {230, 700, 80, 222, 72, 222}, // the height decides
        {700, 230, 330, 200, 330, 108}, // the width decides
        {1000, 1, 10, 10, 10, 1},       // never thinner than a pixel
        {10, 10, 10, -3, 0, 0},
    };
    for (const Case& c : cases) {
        std::int32_t w = -1, h = -1;
        s::gui::fitInto(c.sw, c.sh, c.bw, c.bh, w, h);
        EXPECT_EQ(w, c.w) << c.sw << " x " << c.sh << " into " << c.bw << " x " << c.bh;
        EXPECT_EQ(h, c.h) << c.sw << " x " << c.sh << " into " << c.bw << " x " << c.bh;
    }
}
