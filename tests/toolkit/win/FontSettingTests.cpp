#include "foundation/objects/Pooled.h"
#include "toolkit/win/Font.h"
#include "toolkit/win/FontSetting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <utility>

namespace s::gui::win {
namespace {

struct Measured {
    int points;
    int weight;
};

// Point size of the font the setting makes, read back from the native font
// object, and the weight of the font the platform actually realised.
Measured measure(const FontSetting& setting) {
    thread::Pooled<Font> font(setting.createFont({}));
    EXPECT_TRUE(font);
    if (!font)
        return {0, 0};
    LOGFONTW logical{};
    EXPECT_EQ(GetObjectW(font->handle(), sizeof logical, &logical),
              static_cast<int>(sizeof logical));
    system::win::WindowDc screen(nullptr);
    system::win::Selection selected(screen.get(), font->handle());
    TEXTMETRICW metrics{};
    EXPECT_TRUE(GetTextMetricsW(screen.get(), &metrics));
    const double pixels = logical.lfHeight < 0 ? -logical.lfHeight : logical.lfHeight;
    return {static_cast<int>(std::lround(pixels * 72.0 / GetDeviceCaps(screen.get(), LOGPIXELSY))),
            static_cast<int>(metrics.tmWeight)};
}

TEST(FontSetting, SizeCodesGiveTheirPointSizeAndWeight) {
    struct Case {
        std::int32_t code;
        int points;
        bool bold;
    };
    const Case cases[] = {{-106, 8, true}, {-2, 8, false}, {-1, 9, false}, {0, 10, false},
                          {5, 15, false},  {9, 19, false}, {105, 19, true}, {109, 23, true},
                          {100001, 8, false}};
    for (const Case& c : cases) {
        FontSetting setting;
        setting.setSizeCode(c.code);
        const Measured m = measure(setting);
        EXPECT_EQ(m.points, c.points) << "code " << c.code;
        EXPECT_EQ(m.weight >= 600, c.bold) << "code " << c.code << " weight " << m.weight;
        EXPECT_EQ(setting.isBold(), c.bold) << "code " << c.code;
    }
}

// A font shown at 100 %, 125 %, 150 % and 200 % scaling: the realised
// character height is the 96-DPI one times the scale, within a pixel, and a
// height the program chose scales alike.
TEST(FontSetting, FontsAreMadeAtTheDisplaysScale) {
    for (std::int32_t dpi : {96, 120, 144, 192}) {
        FontSetting coded;
        coded.setSizeCode(0); // 10 points: 13 pixels of character height at 96 DPI
        FontSetting chosen;
        chosen.setHeight(-20);
        for (const auto& [setting, base] : {std::pair{&coded, 13}, std::pair{&chosen, 20}}) {
            thread::Pooled<Font> font(setting->createFont(DisplayScale(dpi)));
            ASSERT_TRUE(font) << dpi;
            system::win::WindowDc screen(nullptr);
            system::win::Selection selected(screen.get(), font->handle());
            TEXTMETRICW metrics{};
            ASSERT_TRUE(GetTextMetricsW(screen.get(), &metrics));
            const long character = metrics.tmHeight - metrics.tmInternalLeading;
            EXPECT_LE(std::abs(character - std::lround(base * dpi / 96.0)), 1)
                << dpi << " dpi: " << character << " pixels for " << base;
        }
    }
}

TEST(FontSetting, ExplicitChoicesOutliveSizeCodesAndInheritance) {
    FontSetting program;
    program.setHeight(-40);
    program.setWeight(400);
    program.setColour(1, 2, 3);
    program.setSizeCode(109); // neither height nor weight may change
    EXPECT_EQ(program.getHeight(), -40);
    EXPECT_FALSE(program.isBold());
    EXPECT_EQ(program.getSizeCode(), 109);

    FontSetting skin;
    skin.setHeight(-11);
    skin.setBold(true);
    skin.setColour(200, 100, 50);
    skin.setItalic(true);
    skin.setFaceName(u"Courier New, a face name much longer than thirty-one");
    program.inheritFrom(skin);
    EXPECT_EQ(program.getHeight(), -40);
    EXPECT_FALSE(program.isBold());
    EXPECT_EQ(program.getColour(), drawer::rgb(1, 2, 3));
    EXPECT_TRUE(program.isItalic());
    EXPECT_EQ(std::u16string(program.getFaceName()).size(), 31u);

    // The size and weight of a size code outlive the skin's too.
    FontSetting sized;
    sized.setSizeCode(3); // 13 points, normal weight
    const std::int32_t thirteen = sized.getHeight();
    sized.inheritFrom(skin);
    EXPECT_EQ(sized.getHeight(), thirteen);
    EXPECT_NE(sized.getHeight(), -11);
    EXPECT_FALSE(sized.isBold());

    // A code that stands for no size leaves the size alone.
    FontSetting plain;
    const std::int32_t before = plain.getHeight();
    plain.setSizeCode(5000);
    EXPECT_EQ(plain.getHeight(), before);
}

} // namespace
} // namespace s::gui::win
