#include "toolkit/controls/ButtonRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using s::gui::controls::AutoRepeat;
using s::gui::controls::ToggleRules;

TEST(ButtonRules, ClicksHoverAndHitTestsFollowTheToggleSettings) {
    struct Case {
        const char* name;
        bool toggle, releasable, pressed, enabled;
        bool pressedAfterClick, transparent;
        int hoverOver, hoverHeld;
    };
    const Case cases[] = {
        {"plain button stays up", false, true, false, true, false, false, 1, 2},
        {"plain button shown pressed keeps it", false, true, true, true, true, false, 1, 2},
        {"disabled plain button lets clicks through", false, true, false, false, false, true, 1, 2},
        {"releasable toggle goes down", true, true, false, true, true, false, 1, 2},
        {"releasable toggle comes up", true, true, true, true, false, false, 1, 2},
        {"non-releasable toggle goes down", true, false, false, true, true, false, 1, 2},
        {"pressed non-releasable toggle stays down, no hover", true, false, true, true, true, true,
         0, 0},
        {"disabled toggle does not flip", true, true, false, false, false, true, 1, 2},
    };
    for (const Case& c : cases) {
        ToggleRules rules{c.toggle, c.releasable};
        EXPECT_EQ(rules.afterClick(c.pressed, c.enabled), c.pressedAfterClick) << c.name;
        EXPECT_EQ(rules.transparentToHits(c.pressed, c.enabled), c.transparent) << c.name;
        EXPECT_EQ(rules.hoverState(c.pressed, true, false), c.hoverOver) << c.name;
        EXPECT_EQ(rules.hoverState(c.pressed, true, true), c.hoverHeld) << c.name;
        EXPECT_EQ(rules.hoverState(c.pressed, false, true), 0) << c.name << ": held elsewhere";
    }
}

TEST(ButtonRules, AutoRepeatWaitsHalfASecondThenRepeatsEveryTenthUntilLetGoOrLeft) {
    AutoRepeat repeat;
    EXPECT_EQ(repeat.start(), 500u);
    std::vector<unsigned> delays;
    bool press = false;
    for (int i = 0; i < 5; ++i) {
        delays.push_back(repeat.tick(true, true, press));
        EXPECT_TRUE(press);
    }
    EXPECT_EQ(delays, std::vector<unsigned>(5, 100u));
    // Leaving the button ends the repeats, and coming back does not revive them.
    EXPECT_EQ(repeat.tick(true, false, press), 0u);
    EXPECT_FALSE(press);
    EXPECT_EQ(repeat.tick(true, true, press), 0u);
    EXPECT_FALSE(press);

    repeat.start();
    EXPECT_EQ(repeat.tick(false, true, press), 0u) << "let go";
    EXPECT_FALSE(press);
    repeat.start();
    repeat.stop();
    EXPECT_EQ(repeat.tick(true, true, press), 0u) << "stopped by the button";
    EXPECT_FALSE(repeat.running());
}

TEST(ButtonRules, SliderValuesStayInTheRangeAndBelowTheLimit) {
    struct Case {
        int value, minimum, maximum;
        bool limitOn;
        int limit, expected;
    };
    const Case cases[] = {
        {50, 0, 100, false, 0, 50},      {-5, 0, 100, false, 0, 0},
        {150, 0, 100, false, 0, 100},    {90, 0, 100, true, 60, 59},
        {59, 0, 100, true, 60, 59},      {90, 0, 100, true, 200, 90},
        {50, 100, 0, false, 0, 50},      {150, 100, 0, false, 0, 100},
        {50, 10, 100, true, 5, 10},      {5, 0, 100, true, INT_MIN, 0},
        {INT_MAX, INT_MIN, INT_MAX, false, 0, INT_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(s::gui::controls::clampSliderValue(c.value, c.minimum, c.maximum, c.limitOn,
                                                     c.limit),
                  c.expected)
            << c.value << " in [" << c.minimum << ", " << c.maximum << "] limit " << c.limit;
}

TEST(ButtonRules, ColourSwatchTextHoldsBlueGreenRedAfterTwoZeros) {
    s::str::StrBuffer text;
    s::gui::controls::colourSwatchText(0x00A1B2C3u, text);
    EXPECT_TRUE(text.equals(u"#Color-00A1B2C3"));
    s::gui::controls::colourSwatchText(0xFF000001u, text);
    EXPECT_TRUE(text.equals(u"#Color-00000001")) << "only 24 bits are a colour";
}
