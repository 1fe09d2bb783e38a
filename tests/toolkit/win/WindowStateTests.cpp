#include "toolkit/win/WindowTestSupport.h"

#include "foundation/collections/Arrays.h"
#include "foundation/system/win/Handles.h"
#include "localization/Localizer.h"
#include "toolkit/box/Box.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/win/NativeImage.h"
#include "toolkit/win/ProgressIcon.h"

#include <gtest/gtest.h>

#include <cstring>
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

namespace {
bool iconAlive(HICON icon) {
    ICONINFO parts{};
    if (!GetIconInfo(icon, &parts))
        return false;
    // Copies of the icon's bitmaps, the caller's to free.
    s::system::win::Bitmap color(parts.hbmColor), mask(parts.hbmMask);
    return true;
}
} // namespace

// The progress drawn into the tray icon: a new icon only when the drawing
// changes, each one destroyed once the next is shown, none left behind.
TEST(WindowTray, EachProgressIconIsMadeOnceAndDestroyedWhenReplaced) {
    TestWindow window;
    window->setSmallIcon(LoadIconW(nullptr, IDI_APPLICATION), false);
    window->show(true, true);
    window->iconize();
    ASSERT_TRUE(window->isTrayIconShown());

    HINSTANCE module = GetModuleHandleW(nullptr);
    const std::int32_t size = window->trayIconSize();
    s::gui::win::ProgressIcon progress;
    HICON first = progress.make(module, Window::kApplicationIconId, size, 100,
                                s::gui::RingState::Counting);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(progress.make(module, Window::kApplicationIconId, size, 100,
                            s::gui::RingState::Counting),
              nullptr)
        << "the same drawing again makes no icon";
    window->setTrayImage(first);
    HICON paused = progress.make(module, Window::kApplicationIconId, size, 100,
                                 s::gui::RingState::Paused);
    ASSERT_NE(paused, nullptr) << "the paused ring is another drawing";
    window->setTrayImage(paused);
    EXPECT_FALSE(iconAlive(first));
    EXPECT_TRUE(iconAlive(paused));
    window->setTrayImage(paused);
    EXPECT_TRUE(iconAlive(paused)) << "the icon shown is kept";

    // A long run: thousands of drawings, each icon gone with the next.
    HICON last = paused;
    for (int i = 0; i < 3000; ++i) {
        HICON next = progress.make(module, Window::kApplicationIconId, size, i % 1000,
                                   s::gui::RingState::Counting);
        if (next == nullptr)
            continue;
        window->setTrayImage(next);
        ASSERT_FALSE(iconAlive(last)) << i;
        last = next;
    }
    window->setTrayImage(nullptr);
    EXPECT_FALSE(iconAlive(last)) << "back to the small icon, the last drawing goes";

    // Without the module's icon there is nothing to draw on.
    s::gui::win::ProgressIcon none;
    EXPECT_EQ(none.make(module, 4321, size, 500, s::gui::RingState::Counting), nullptr);
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

TEST(WindowTitle, TheTitleComesFromTheLanguagePackAndFollowsTheLanguage) {
    const char* pack =
        "<lang><Languages>"
        "<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
        "<entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
        "</Languages><entries>"
        "<entry id=\"10\"><eng>Timer</eng><deu>Wecker</deu></entry>"
        "<entry id=\"11\"><eng>2.1</eng></entry>"
        "</entries></lang>";
    s::col::ArrayU08 bytes;
    bytes.append(reinterpret_cast<const std::uint8_t*>(pack),
                 static_cast<std::uint32_t>(std::strlen(pack)));
    s::lang::Localizer* localizer = s::lang::Localizer::createFromUtf8(&bytes);
    ASSERT_NE(localizer, nullptr);
    localizer->selectLanguage(u"English");
    {
        TestWindow window;
        EventCounter language;
        window->addLanguageListener(&language);
        window->setTitleIds(10, -1);
        EXPECT_STREQ(reinterpret_cast<const wchar_t*>(window->getTitle()), L"")
            << "no localizer, no title yet";
        window->setLocalizer(localizer);
        wchar_t text[64] = {};
        GetWindowTextW(window->handle(), text, 64);
        EXPECT_STREQ(text, L"Timer");
        window->setTitleIds(10, 11);
        GetWindowTextW(window->handle(), text, 64);
        EXPECT_STREQ(text, L"Timer v2.1");

        localizer->selectLanguage(u"German");
        GetWindowTextW(window->handle(), text, 64);
        EXPECT_STREQ(text, L"Wecker v2.1") << "a missing text falls back to the first language";
        EXPECT_EQ(language.count, 1);
        EXPECT_EQ(language.thread, GetWindowThreadProcessId(window->handle(), nullptr));
    }
    localizer->release();
}

TEST(WindowMouse, TheWheelGoesToAContainerUnderTheCursorElseToTheWindowsListenersAndKeysAreHeard) {
    TestWindow window;
    EventCounter wheel, key;
    window->addWheelListener(&wheel);
    window->addKeyListener(&key);
    window->setBounds(100, 100, 300, 200);
    auto* box = s::thread::take<s::gui::win::Box>();
    box->setFixedWidth(100, false);
    box->setFixedHeight(50, false);
    window->add(box);
    window->show(true, false);
    POINT corner{0, 0};
    ClientToScreen(window->handle(), &corner);
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);

    // Below the box: the window's listeners hear it, signed by direction.
    SendMessageW(window->handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                 MAKELPARAM(corner.x + 150, corner.y + 120));
    EXPECT_EQ(wheel.count, 1);
    EXPECT_EQ(window->getWheelLines(), -static_cast<std::int32_t>(lines));
    SendMessageW(window->handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                 MAKELPARAM(corner.x + 150, corner.y + 120));
    EXPECT_EQ(window->getWheelLines(), static_cast<std::int32_t>(lines));
    // Over the box: the box takes it when it has listeners of its own, and
    // hands it back to the window otherwise, which does not offer it to the
    // box again.
    EventCounter boxWheel;
    box->addWheelListener(&boxWheel);
    SendMessageW(window->handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                 MAKELPARAM(corner.x + 20, corner.y + 20));
    EXPECT_EQ(boxWheel.count, 1);
    EXPECT_EQ(box->getWheelLines(), static_cast<std::int32_t>(lines));
    EXPECT_EQ(wheel.count, 2);
    auto* inner = s::thread::take<s::gui::win::Box>();
    inner->setFixedWidth(40, false);
    inner->setFixedHeight(40, false);
    s::test::onWindowThread(*window, [&] { box->add(inner); });
    SendMessageW(window->handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                 MAKELPARAM(corner.x + 20, corner.y + 20));
    EXPECT_EQ(boxWheel.count, 1) << "the inner box under the cursor comes first";
    EXPECT_EQ(wheel.count, 3);

    SendMessageW(window->handle(), WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(key.count, 1);
    EXPECT_EQ(window->getLastKey(), 'A');
    EXPECT_EQ(SendMessageW(window->handle(), WM_KEYDOWN, VK_RETURN, 0), 0);
    EXPECT_EQ(window->getLastKey(), VK_RETURN);
}

TEST(WindowStyles, FrameButtonsBordersAndTheTaskbarButtonChangeTheNativeStyles) {
    TestWindow window;
    HWND hwnd = window->handle();
    auto style = [&] { return GetWindowLongW(hwnd, GWL_STYLE); };
    auto exStyle = [&] { return GetWindowLongW(hwnd, GWL_EXSTYLE); };
    window->show(true, false);

    window->setMaximizeBox(false);
    EXPECT_EQ(style() & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(style() & WS_MINIMIZEBOX, 0);
    window->setBorderResizable(false);
    EXPECT_FALSE(window->isBorderResizable());
    EXPECT_EQ(style() & WS_THICKFRAME, 0);
    window->setStandardFrame(false);
    EXPECT_NE(style() & WS_POPUP, 0);
    EXPECT_EQ(style() & WS_CAPTION, 0);
    EXPECT_NE(style() & WS_SYSMENU, 0) << "the system menu stays";
    EXPECT_NE(style() & WS_MINIMIZEBOX, 0) << "and the chosen buttons";
    EXPECT_EQ(style() & WS_MAXIMIZEBOX, 0);
    window->setStandardFrame(true);
    EXPECT_EQ(style() & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style() & WS_POPUP, 0);

    window->setTaskbarButton(true);
    EXPECT_NE(exStyle() & WS_EX_APPWINDOW, 0);
    EXPECT_TRUE(IsWindowVisible(hwnd)) << "shown again around the change";
    window->setTaskbarButton(false);
    EXPECT_EQ(exStyle() & WS_EX_APPWINDOW, 0);
    window->setToolWindow(true);
    EXPECT_NE(exStyle() & WS_EX_TOOLWINDOW, 0);
    window->setClientEdge(false);
    EXPECT_EQ(exStyle() & WS_EX_CLIENTEDGE, 0);

    window->setModalState(true);
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    window->setModalState(false);
    EXPECT_TRUE(IsWindowEnabled(hwnd));
}

// Moved to a monitor of another scale, the window takes the rectangle the
// platform suggests, makes its controls' fonts again and lays out again.
// (Wine has one scale for all monitors: the message is sent by hand here.)
TEST(WindowScale, AScaleChangeTakesTheSuggestedRectangleRemakesFontsAndLaysOutAgain) {
    TestWindow window;
    auto* box = s::thread::take<s::gui::win::Box>();
    box->fillParent();
    auto* button = s::thread::take<s::gui::win::Button>();
    button->setText(u"Start");
    box->add(button);
    window->add(box);
    window->setBounds(50, 60, 300, 200);
    window->show(true, false);
    HWND buttonHwnd = s::gui::win::HwndPeer::handleOf(s::gui::peerOf(button));
    ASSERT_NE(buttonHwnd, nullptr);
    const LRESULT fontBefore = SendMessageW(buttonHwnd, WM_GETFONT, 0, 0);

    RECT suggested{100, 120, 500, 420};
    SendMessageW(window->handle(), Window::kDpiChangedMessage, MAKEWPARAM(96, 96),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    GetWindowRect(window->handle(), &now);
    EXPECT_EQ(now.left, 100);
    EXPECT_EQ(now.top, 120);
    EXPECT_EQ(now.right, 500);
    EXPECT_EQ(now.bottom, 420);
    EXPECT_EQ(box->getWidth(), window->getInnerWidth());
    EXPECT_EQ(box->getHeight(), window->getInnerHeight());
    RECT boxRect{};
    GetWindowRect(s::gui::win::HwndPeer::handleOf(s::gui::peerOf(box)), &boxRect);
    EXPECT_EQ(boxRect.right - boxRect.left, box->getWidth());
    // Fonts of one description are shared by the process: at the one scale
    // Wine has, the font made again is the same native font, and it is one
    // the button holds, not a deleted one.
    const LRESULT fontAfter = SendMessageW(buttonHwnd, WM_GETFONT, 0, 0);
    ASSERT_NE(fontAfter, 0);
    LOGFONTW before{}, after{};
    ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(fontBefore), sizeof before, &before), 0);
    ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(fontAfter), sizeof after, &after), 0);
    EXPECT_EQ(after.lfHeight, before.lfHeight);
}
