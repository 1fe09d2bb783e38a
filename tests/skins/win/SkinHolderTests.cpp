#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "foundation/system/win/Handles.h"
#include "skins/ISkin.h"
#include "skins/SkinFactory.h"
#include "skins/Skinner.h"
#include "toolkit/box/Box.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/win/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace s::gui::drawer::skin {
namespace {

COLORREF windowBackground(const ISkin& skin) {
    const SkinColour c = skin.getRoleColour(SkinRole::windowBg);
    return RGB(c.r, c.g, c.b);
}

// A window whose skin holder is a skin set: the window and the controls in it
// paint with the current skin's painters from the start, and take the next
// skin's when the current skin changes.
TEST(SkinHolder, AWindowAndItsControlsFollowTheCurrentSkin) {
    thread::Pooled<Skinner> set(thread::take<Skinner>());
    set->setName(u"ThinWindow");
    addFallbackSkins(*set);
    ASSERT_GE(set->skinCount(), 2);
    set->selectSkin(set->skinAt(0));

    s::test::TestWindow window;
    window->setSkinHolder(set.get());
    window->setBounds(120, 120, 200, 120);
    win::Button* button = nullptr;
    win::Label* label = nullptr;
    ASSERT_TRUE(s::test::onWindowThread(*window, [&] {
        auto* box = thread::take<win::Box>();
        button = thread::take<win::Button>();
        button->setText(u"#Stop");
        button->setFixedWidth(16);
        button->setFixedHeight(16);
        label = thread::take<win::Label>();
        label->setText(u"Skinned");
        box->add(button);
        box->add(label);
        window->add(box);
    }));
    window->show(true, true);
    EXPECT_EQ(button->painter(), set->getPainter(ISkinHolder::kButtonPainter));
    EXPECT_EQ(label->painter(), set->getPainter(ISkinHolder::kTextPainter));
    ASSERT_NE(button->painter(), nullptr);

    auto pixel = [&](int x, int y) {
        window->repaint();
        Sleep(100);
        system::win::WindowDc dc(window->handle());
        return GetPixel(dc.get(), x, y);
    };
    EXPECT_EQ(pixel(150, 90), windowBackground(*set->skinAt(0)));

    set->selectSkin(set->skinAt(1));
    EXPECT_EQ(button->painter(), set->skinAt(1)->getButtonDrawer());
    EXPECT_EQ(label->painter(), set->skinAt(1)->getTextDrawer());
    ASSERT_NE(windowBackground(*set->skinAt(0)), windowBackground(*set->skinAt(1)));
    EXPECT_EQ(pixel(150, 90), windowBackground(*set->skinAt(1)));
    window.reset();
}

} // namespace
} // namespace s::gui::drawer::skin
