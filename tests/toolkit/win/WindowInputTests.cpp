#include "toolkit/win/WindowTestSupport.h"

#include <gtest/gtest.h>

using s::test::TestWindow;

namespace {

// Real input through the platform's input queue, in screen pixels.
void mouse(DWORD flags, int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
    input.mi.dx = x * 65535 / w;
    input.mi.dy = y * 65535 / h;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
    Sleep(60);
}

// Presses at (x, y), moves by (dx, dy) in steps and lets go.
void drag(int x, int y, int dx, int dy, DWORD down, DWORD up) {
    mouse(0, x, y);
    mouse(down, x, y);
    for (int step = 1; step <= 5; ++step)
        mouse(0, x + dx * step / 5, y + dy * step / 5);
    mouse(up, x + dx, y + dy);
    Sleep(200);
}

} // namespace

TEST(WindowInput, EasyDragMovesTheWindowByItsClientAreaButNotWhileTheRightButtonIsHeld) {
    TestWindow window;
    window->setBounds(200, 200, 300, 200);
    window->setEasyDrag(true);
    window->show(true, true);
    Sleep(300);
    RECT before = s::test::rectOf(window->handle());
    RECT client;
    GetClientRect(window->handle(), &client);
    POINT inside{client.right / 2, client.bottom / 2};
    ClientToScreen(window->handle(), &inside);

    drag(inside.x, inside.y, 80, 50, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    RECT after = s::test::rectOf(window->handle());
    EXPECT_EQ(after.left - before.left, 80);
    EXPECT_EQ(after.top - before.top, 50);

    // With the right button held the client area stays a client area.
    inside.x += 80;
    inside.y += 50;
    mouse(MOUSEEVENTF_RIGHTDOWN, inside.x, inside.y);
    drag(inside.x, inside.y, 60, 40, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    mouse(MOUSEEVENTF_RIGHTUP, inside.x + 60, inside.y + 40);
    RECT held = s::test::rectOf(window->handle());
    EXPECT_EQ(held.left, after.left);
    EXPECT_EQ(held.top, after.top);
}

TEST(WindowInput, SizingFromTheLeftStopsAtTheMinimumAndKeepInScreenStopsDragsAtTheEdge) {
    // A painted frame: its 5-pixel border is the window's own, so the
    // platform's sizing starts there whoever draws the decorations.
    TestWindow window;
    s::test::BlankDrawer drawer;
    window->setFrameDrawer(&drawer, false);
    window->setBounds(200, 200, 300, 200);
    window->setMinimumWidth(250);
    window->show(true, true);
    Sleep(300);
    RECT before = s::test::rectOf(window->handle());
    int midY = (before.top + before.bottom) / 2;
    POINT edge{before.left + 2, midY};
    ASSERT_EQ(SendMessageW(window->handle(), WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)), HTLEFT);
    s::test::EventCounter sizing, leftDown;
    window->addSizingListener(&sizing);
    window->addLeftButtonDownListener(&leftDown);
    drag(edge.x, edge.y, 150, 0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_GT(sizing.count, 0);
    EXPECT_EQ(leftDown.count, 1);
    EXPECT_TRUE(sizing.thread == GetWindowThreadProcessId(window->handle(), nullptr));
    RECT sized = s::test::rectOf(window->handle());
    EXPECT_EQ(sized.right, before.right) << "the right edge stays";
    EXPECT_EQ(sized.right - sized.left, 250);

    // Dragged by its client area far past the right edge of the only monitor.
    window->setEasyDrag(true);
    window->setKeepInScreen(true);
    RECT client;
    GetClientRect(window->handle(), &client);
    POINT inside{client.right / 2, client.bottom / 2};
    ClientToScreen(window->handle(), &inside);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int past = work.right - inside.x - 5;
    drag(inside.x, inside.y, past, 0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    RECT kept = s::test::rectOf(window->handle());
    EXPECT_EQ(kept.right, work.right);
    EXPECT_EQ(kept.top, sized.top);
}
