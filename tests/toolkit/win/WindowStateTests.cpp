#include "toolkit/win/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using s::gui::IWindow;
using s::gui::win::Window;
using s::test::EventCounter;
using s::test::TestWindow;

namespace {

LRESULT trayClick(Window& window, UINT mouse) {
    return SendMessageW(window.handle(), Window::kTrayMessage, 0, mouse);
}

} // namespace

TEST(WindowTray, AClickJustAfterLosingActivationIconizesAndTheNextOneRestores) {
    TestWindow window;
    EventCounter clicks;
    window->addTrayClickListener(&clicks);
    window->setSmallIcon(LoadIconW(nullptr, IDI_APPLICATION), false);
    window->show(true, true);
    ASSERT_TRUE(IsWindowVisible(window->handle()));

    // The click on the icon takes the activation first; the click itself
    // arrives within 150 ms and hides the window.
    window->activate(false);
    EXPECT_FALSE(window->isActive());
    trayClick(*window, WM_LBUTTONDOWN);
    EXPECT_EQ(clicks.count, 1);
    EXPECT_TRUE(window->isIconized());
    EXPECT_FALSE(IsWindowVisible(window->handle()));

    trayClick(*window, WM_LBUTTONDOWN);
    EXPECT_EQ(clicks.count, 2);
    EXPECT_FALSE(window->isIconized());
    EXPECT_TRUE(IsWindowVisible(window->handle()));
    EXPECT_FALSE(window->isTrayIconShown()) << "the icon goes with the restore unless kept";

    // Long after losing activation a click brings the window forward instead.
    window->activate(false);
    Sleep(400);
    trayClick(*window, WM_LBUTTONDOWN);
    EXPECT_FALSE(window->isIconized());
    EXPECT_TRUE(IsWindowVisible(window->handle()));

    // Without toggling the click is only reported.
    window->setTrayClickToggles(false);
    window->activate(false);
    trayClick(*window, WM_LBUTTONDOWN);
    EXPECT_FALSE(window->isIconized());
    EXPECT_EQ(clicks.count, 4);
}

TEST(WindowMouse, TheMiddleClickActionComparesByIdentityAndEventsComeOnTheWindowsThread) {
    TestWindow window;
    EventCounter middle, closing;
    window->addMiddleClickListener(&middle);
    window->addCloseListener(&closing);
    window->show(true, false);

    // The same text, but not the stored literal: nothing happens.
    std::u16string lookalike(IWindow::kMiddleIconize);
    window->setMiddleClickAction(lookalike.c_str());
    SendMessageW(window->handle(), WM_MBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(middle.count, 1);
    EXPECT_NE(middle.thread, GetCurrentThreadId());
    EXPECT_FALSE(window->isIconized());

    window->setMiddleClickAction(IWindow::kMiddleIconize);
    SendMessageW(window->handle(), WM_MBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(window->isIconized());
    window->restore();

    window->setMiddleClickAction(IWindow::kMiddleClose);
    SendMessageW(window->handle(), WM_MBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(closing.count, 1);
    EXPECT_TRUE(window->isClosed());
}

TEST(WindowState, SizeNotificationsReportResizesRestoresAndTheRememberedNormalBounds) {
    TestWindow window;
    EventCounter resized, restored, moved;
    window->addResizeListener(&resized);
    window->addRestoreListener(&restored);
    window->addMoveListener(&moved);
    window->setBounds(50, 60, 320, 240);
    window->show(true, false);
    EXPECT_GT(resized.count, 0);
    EXPECT_GT(moved.count, 0);
    int before = restored.count;
    window->maximize();
    EXPECT_TRUE(window->isMaximized());
    window->restore();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(restored.count, before + 1);
    window->minimize();
    EXPECT_TRUE(window->isMinimized());
    window->restore();
    EXPECT_EQ(restored.count, before + 2);

    // Power notices.
    SendMessageW(window->handle(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    EXPECT_TRUE(window->isSuspended());
    SendMessageW(window->handle(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    EXPECT_FALSE(window->isSuspended());
    // The end of a session that is a shut-down closes the window.
    SendMessageW(window->handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(window->isShuttingDown());
    EXPECT_TRUE(window->isClosed());
}
