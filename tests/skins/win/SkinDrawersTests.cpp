#include "skins/SkinFactory.h"
#include "skins/ThinWindow.h"
#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/win/FontSetting.h"

#include <gtest/gtest.h>

namespace s::gui::drawer::skin {
namespace {

// Each role a colour of its own: role i (file order) is (i, 10 i, 100 + i).
SkinComponents distinctRoles() {
    SkinComponents c{};
    for (std::size_t i = 0; i < kFactoryOrder.size(); ++i) {
        const auto role = static_cast<std::int32_t>(kFactoryOrder[i]);
        c[3 * i] = role;
        c[3 * i + 1] = 10 * role;
        c[3 * i + 2] = 100 + role;
    }
    return c;
}

Colour roleColour(SkinRole role) {
    const auto i = static_cast<std::uint8_t>(role);
    return rgb(i, static_cast<std::uint8_t>(10 * i), static_cast<std::uint8_t>(100 + i));
}

TEST(SkinDrawers, EachDrawerGetsTheRolesOfItsKind) {
    ThinWindow* skin = createSkin(u"Roles", distinctRoles());
    using R = SkinRole;
    auto* window = dynamic_cast<IWindow*>(skin->getWindowDrawer());
    auto* button = dynamic_cast<button::IThin*>(skin->getButtonDrawer());
    auto* text = dynamic_cast<text::IBasic*>(skin->getTextDrawer());
    auto* check = dynamic_cast<checkbox::IThin*>(skin->getCheckboxDrawer());
    auto* radio = dynamic_cast<radiobutton::IThin*>(skin->getRadioButtonDrawer());
    auto* combo = dynamic_cast<combo::IThin*>(skin->getComboBoxDrawer());
    auto* group = dynamic_cast<groupbox::IThin*>(skin->getGroupBoxDrawer());
    auto* slider = dynamic_cast<slider::IThin*>(skin->getSliderDrawer());
    auto* status = dynamic_cast<statusbar::IThin*>(skin->getStatusBarDrawer());
    auto* counter = dynamic_cast<ICounter*>(skin->getCounterDrawer());
    ASSERT_TRUE(window && button && text && check && radio && combo && group && slider && status &&
                counter);
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(button->getClassName()),
                 L"s_gui_drawer_button_win_Thin");
    struct Case {
        const char* what;
        Colour got;
        R role;
    };
    const Case cases[] = {
        {"window background", window->getBackground(), R::windowBg},
        {"window border", window->getBorderColour(), R::windowFg},
        {"button glyphs", button->getNormalColour(), R::compFg},
        {"button disabled", button->getDisabledColour(), R::compDisabled},
        {"button pressed", button->getPressedColour(), R::compFg},
        {"button pressed background", button->getPressedBackground(), R::listHeaderBg},
        {"button text", button->textDrawer().fontSetting(0).getColour(), R::text},
        {"button disabled text", button->textDrawer().fontSetting(1).getColour(),
         R::compDisabled},
        {"button pressed text", button->pressedTextDrawer().fontSetting(0).getColour(),
         R::listHeaderFont},
        {"text", text->fontSetting(0).getColour(), R::text},
        {"text outline", text->fontSetting(0).getColour2(), R::windowBg},
        {"text specific outline", text->fontSetting(0).getColour3(), R::textOutLineSpecific},
        {"disabled text", text->fontSetting(1).getColour(), R::compDisabled},
        {"third text", text->fontSetting(2).getColour(), R::text},
        {"fourth text", text->fontSetting(3).getColour(), R::compFg},
        {"check box frame", check->getFrameColour(), R::compFg},
        {"check box text", check->textDrawer().fontSetting(0).getColour(), R::text},
        {"radio ring", radio->getFrameColour(), R::compFg},
        {"radio disabled text", radio->textDrawer().fontSetting(1).getColour(),
         R::compDisabled},
        {"combo frame", combo->getFrameColour(), R::compFg},
        {"combo text", combo->textDrawer().fontSetting(0).getColour(), R::text},
        {"group frame", group->getBorderColour(), R::groupBorder},
        {"group title", group->textDrawer().fontSetting(0).getColour(), R::text},
        {"slider frame", slider->getFrameColour(), R::compFg},
        {"slider track", slider->getFillColour(), R::sliderBg},
        {"slider disabled", slider->getDisabledColour(), R::compDisabled},
        {"status bar", status->getColour(), R::compFg},
        {"counter first series", counter->getColour1(), R::counter01},
        {"counter second series", counter->getColour2(), R::counter02},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, roleColour(c.role)) << c.what;
    EXPECT_FALSE(window->isTransparent());
    skin->release();
}

// The drawers are made when first asked for: a drawer set before that stays,
// and a cleared skin makes none.
TEST(SkinDrawers, MadeOnFirstUseWithoutUndoingAReplacement) {
    ThinWindow* skin = createSkin(u"Lazy", distinctRoles());
    button::IThin* own = takeThinButton();
    skin->setButtonDrawer(own);
    EXPECT_EQ(skin->getButtonDrawer(), own);
    EXPECT_NE(skin->getTextDrawer(), nullptr);
    skin->clear();
    skin->buildDrawersOnFirstUse();
    skin->clear();
    EXPECT_EQ(skin->getWindowDrawer(), nullptr);
    skin->release();
}

} // namespace
} // namespace s::gui::drawer::skin
