#include "foundation/objects/Pooled.h"
#include "toolkit/drawers/FrameGeometry.h"
#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/win/Font.h"
#include "toolkit/win/FontSetting.h"
#include "win/MemorySurface.h"

#include <gtest/gtest.h>

namespace s::gui::drawer {
namespace {

using test::MemorySurface;

constexpr COLORREF kBlack = RGB(0, 0, 0);
// Roles of a dark skin.
constexpr Colour kCompFg = rgb(176, 176, 176);
constexpr Colour kCompDisabled = rgb(51, 51, 51);
constexpr Colour kHeaderBg = rgb(204, 204, 204);

template <class T> struct Taken {
    T* drawer;
    ~Taken() { drawer->release(); }
    T* operator->() const { return drawer; }
};

button::IThin* darkButton() {
    button::IThin* b = takeThinButton();
    b->setNormalColour(176, 176, 176);
    b->setPressedColour(176, 176, 176);
    b->setDisabledColour(51, 51, 51);
    b->setPressedBackground(204, 204, 204);
    return b;
}

TEST(ThinDrawers, CheckBoxIsWhiteInsideInADarkSkinAndForgetsItsColourOnRelease) {
    MemorySurface surface(80, 13, kBlack);
    ASSERT_TRUE(surface.valid());
    {
        Taken<checkbox::IThin> box{takeThinCheckBox()};
        box->setFrameColour(176, 176, 176);
        box->paintCheckBox(surface.dc(), {0, 0, 80, 13}, 13, true, nullptr, nullptr);
    }
    EXPECT_EQ(surface.at(0, 0), kCompFg);
    EXPECT_EQ(surface.at(1, 12), kCompFg);
    EXPECT_EQ(surface.at(2, 2), RGB(255, 255, 255));
    EXPECT_EQ(surface.at(10, 10), RGB(255, 255, 255));
    // The check mark is black.
    EXPECT_EQ(surface.at(3, 6), kBlack);
    EXPECT_EQ(surface.at(13, 6), kBlack);
    Taken<checkbox::IThin> again{takeThinCheckBox()};
    EXPECT_EQ(again->getFrameColour(), rgb(120, 120, 120));
}

TEST(ThinDrawers, CheckedRadioShowsAGreenDotOnItsBackground) {
    for (bool checked : {true, false}) {
        SCOPED_TRACE(checked);
        MemorySurface surface(60, 20, RGB(9, 9, 9));
        Taken<radiobutton::IThin> radio{takeThinRadioButton()};
        radio->setFrameColour(176, 176, 176);
        radio->paintRadio(surface.dc(), nullptr, {0, 0, 60, 20}, checked, nullptr, nullptr,
                          rgb(30, 30, 30));
        // The 13-pixel ring sits at the left, centred: its middle is (6, 10).
        const COLORREF middle = surface.at(6, 10);
        if (checked) {
            EXPECT_GT(GetGValue(middle), GetRValue(middle) + 80);
            EXPECT_GT(GetGValue(middle), GetBValue(middle) + 80);
        } else {
            EXPECT_EQ(middle, RGB(30, 30, 30));
        }
        // The ring is light on the dark background, and nothing is drawn
        // beyond its 13 pixels.
        EXPECT_GT(GetRValue(surface.at(6, 4)), 60);
        EXPECT_EQ(surface.at(13, 10), RGB(9, 9, 9));
        EXPECT_EQ(surface.at(6, 2), RGB(9, 9, 9));
    }
}

TEST(ThinDrawers, ButtonsFillBordersAndGlyphsInTheirRoles) {
    Taken<button::IThin> button{darkButton()};
    struct Case {
        const char16_t* text;
        std::int32_t hover;
        bool enabled, pressed;
        COLORREF inside; // at (5, 5)
        COLORREF top;    // the top edge's middle
    };
    const Case cases[] = {
        // Toggled: the pressed background, sunk while the mouse is elsewhere,
        // raised under it.
        {nullptr, kHoverNone, true, true, kHeaderBg, shade(kCompFg, 85)},
        {nullptr, kHoverOver, true, true, kHeaderBg, shade(kCompFg, 115)},
        {u"#Stop", kHoverNone, true, false, kCompFg, shade(kCompFg, 105)},
        {u"#Stop", kHoverNone, false, false, kCompDisabled, shade(kCompDisabled, 105)},
        {u"#Stop", kHoverNone, false, true, kCompDisabled, shade(kCompDisabled, 85)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.hover << c.enabled << c.pressed);
        MemorySurface surface(16, 16, kBlack);
        button->paintButton(surface.dc(), {0, 0, 16, 16}, c.hover, c.text, true, nullptr,
                            c.enabled, c.pressed, false);
        EXPECT_EQ(surface.at(5, 5), c.inside);
        EXPECT_EQ(surface.at(8, 0), c.top);
        if (c.text != nullptr && !c.pressed) {
            // A square of side 10 at (3, 3).
            EXPECT_EQ(surface.at(3, 3), c.inside);
            EXPECT_EQ(surface.at(12, 12), c.inside);
            EXPECT_EQ(surface.at(2, 2), kBlack);
            EXPECT_EQ(surface.at(13, 13), kBlack);
        }
    }
}

TEST(ThinDrawers, OutlinedTextGrowsAndShowsItsOutline) {
    Taken<text::IBasic> text{takeBasicText()};
    gui::win::FontSetting setting;
    setting.setColour(255, 255, 255);
    setting.setColour2(255, 0, 0);
    std::int32_t w[2] = {}, h[2] = {};
    for (std::int32_t style : {0, 1}) {
        setting.setStyle(style);
        thread::Pooled<gui::win::Font> font(setting.createFont({}));
        ASSERT_TRUE(font);
        MemorySurface surface(60, 30, kBlack);
        text->measureText(surface.dc(), {0, 0, 60, 30}, u"HH", font.get(), w[style], h[style]);
        text->drawText(surface.dc(), {0, 5, 60, 30}, u"HH", font.get());
        EXPECT_GT(surface.count(RGB(255, 255, 255)), 10) << style;
        EXPECT_EQ(surface.count(RGB(255, 0, 0)) > 10, style == 1) << style;
    }
    EXPECT_GT(w[0], 0);
    EXPECT_EQ(w[1] - w[0], 2);
    EXPECT_EQ(h[1] - h[0], 1);
}

TEST(ThinDrawers, ComboAndGroupBoxDrawTheirFramesInTheirColours) {
    MemorySurface surface(120, 60, kBlack);
    Taken<combo::IThin> combo{takeThinCombo()};
    combo->setFrameColour(176, 176, 176);
    combo->paintCombo(surface.dc(), {0, 0, 100, 20}, kHoverNone, u"Daily", nullptr, true);
    // The separator one pixel right of the text area (which ends at 85), and
    // the drop arrow's first dot in the 10 pixels after it.
    EXPECT_EQ(surface.at(86, 10), kCompFg);
    EXPECT_EQ(surface.at(86, 1), kBlack);
    EXPECT_EQ(surface.at(88, 8), kCompFg);
    EXPECT_EQ(surface.at(92, 12), kCompFg);
    EXPECT_EQ(surface.at(90, 6), kBlack);
    // The button look: its left edge in the frame colour itself.
    EXPECT_EQ(surface.at(0, 10), kCompFg);

    Taken<groupbox::IThin> group{takeThinGroupBox()};
    group->setBorderColour(200, 10, 10);
    group->paintGroup(surface.dc(), {0, 24, 120, 60}, u"G", nullptr, 20, 12);
    const COLORREF border = RGB(200, 10, 10);
    // The top edge runs through the title's middle, with a gap for it.
    EXPECT_EQ(surface.at(4, 29), border);
    EXPECT_EQ(surface.at(25, 29), kBlack);
    EXPECT_EQ(surface.at(50, 29), border);
    EXPECT_EQ(surface.at(0, 45), border);
    EXPECT_EQ(surface.at(119, 45), border);
    EXPECT_EQ(surface.at(60, 59), border);
    EXPECT_EQ(surface.at(60, 45), kBlack);
}

TEST(ThinDrawers, WindowShapeFollowsTheCorners) {
    Taken<window::IThin> frame{takeThinWindow()};
    EXPECT_TRUE(frame->isTransparent());
    system::win::GdiObject<HRGN> square(static_cast<HRGN>(frame->createRegion(0, 0, 40, 30)));
    RECT box{};
    EXPECT_EQ(GetRgnBox(square.get(), &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 41);
    EXPECT_EQ(box.bottom, 31);
    frame->setCorners(2, 0);
    system::win::GdiObject<HRGN> rounded(static_cast<HRGN>(frame->createRegion(0, 0, 40, 30)));
    EXPECT_EQ(GetRgnBox(rounded.get(), &box), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(rounded.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(rounded.get(), 0, 30));

    frame->setBackground(1, 2, 3);
    frame->setBorderColour(200, 100, 50);
    MemorySurface surface(40, 30, kBlack);
    frame->paint(surface.dc(), 0, 0, 40, 30);
    EXPECT_EQ(surface.at(20, 15), RGB(1, 2, 3));
    EXPECT_EQ(surface.at(39, 15), RGB(200, 100, 50));
    // The large corner's rows: five pixels on row 1 at the top left.
    EXPECT_EQ(surface.at(4, 1), RGB(200, 100, 50));
    EXPECT_EQ(surface.at(5, 1), RGB(1, 2, 3));
}

} // namespace
} // namespace s::gui::drawer
