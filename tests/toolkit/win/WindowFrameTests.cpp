#include "toolkit/win/WindowTestSupport.h"

#include "foundation/objects/Pools.h"
#include "toolkit/IAppWindow.h"
#include "toolkit/ISkinHolder.h"
#include "toolkit/IWindowState.h"
#include "toolkit/box/Box.h"
#include "toolkit/drawers/IDrawer.h"
#include "toolkit/drawers/Painters.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/HwndPeer.h"
#include "toolkit/win/ScreenAreas.h"

#include <gtest/gtest.h>

#include <vector>

using s::gui::IWindow;
using s::gui::win::Box;
using s::gui::win::HwndPeer;
using s::gui::win::Window;
using s::test::EventCounter;
using s::test::BlankDrawer;
using s::test::TestWindow;
using s::test::onWindowThread;

namespace {

HWND childHandle(s::gui::IComponent* component) {
    return HwndPeer::handleOf(s::gui::peerOf(component));
}

// The child's position inside its parent's client area.
POINT positionInParent(HWND child) {
    RECT r = s::test::rectOf(child);
    POINT p{r.left, r.top};
    ScreenToClient(GetParent(child), &p);
    return p;
}

std::atomic<int> positionChanges{0};
WNDPROC originalProc = nullptr;

LRESULT CALLBACK countingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGED)
        ++positionChanges;
    return CallWindowProcW(originalProc, hwnd, message, wParam, lParam);
}

} // namespace

TEST(WindowChildren, BoxesGetChildWindowsThatParkWhenHiddenAndMoveOnceWhenFrozen) {
    TestWindow window;
    window->setSize(400, 300);
    Box* box = s::thread::take<Box>();
    box->setFixedWidth(120, false);
    box->setFixedHeight(80, false);
    Box* second = s::thread::take<Box>();
    second->setFixedHeight(40, false);
    window->add(box); // from this thread: attached on the window's thread
    window->add(second);
    HWND hwnd = childHandle(box);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(GetParent(hwnd), window->handle());
    EXPECT_EQ(GetWindowThreadProcessId(hwnd, nullptr),
              GetWindowThreadProcessId(window->handle(), nullptr));
    wchar_t name[64];
    GetClassNameW(hwnd, name, 64);
    EXPECT_STREQ(name, L"OstrelWindowClass");
    EXPECT_NE(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD, 0);
    // The window's vertical layout stacked them.
    EXPECT_EQ(positionInParent(hwnd).y, 0);
    EXPECT_EQ(positionInParent(childHandle(second)).y, 80);

    onWindowThread(*window, [&] { box->setVisible(false, true); });
    POINT parked = positionInParent(hwnd);
    EXPECT_EQ(parked.x, -10000);
    EXPECT_EQ(parked.y, 10000);
    onWindowThread(*window, [&] { box->setVisible(true, true); });
    EXPECT_EQ(positionInParent(hwnd).x, 0);
    EXPECT_EQ(positionInParent(hwnd).y, 0);

    onWindowThread(*window, [&] {
        originalProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingProc)));
        positionChanges = 0;
        box->freeze();
        box->setLocation(5, 6);
        box->setLocation(15, 16);
        box->setLocation(25, 26);
        EXPECT_EQ(positionChanges, 0);
        box->unfreeze();
    });
    EXPECT_EQ(positionChanges, 1);
    EXPECT_EQ(positionInParent(hwnd).x, 25);
    EXPECT_EQ(positionInParent(hwnd).y, 26);

    // Removed from this thread, the child's window goes on the window's.
    HWND secondHwnd = childHandle(second);
    window->remove(second, false);
    EXPECT_FALSE(IsWindow(secondHwnd));
    EXPECT_EQ(window->getComponentCount(), 1);
    window->removeAll(false);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(window->getComponentCount(), 0);
}

TEST(WindowTransparency, HalfOpacityIsAlpha127AndFullOpacityDropsTheLayeredStyle) {
    TestWindow window;
    HWND hwnd = window->handle();
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    window->setTransparency(50, false);
    ASSERT_NE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 127);
    EXPECT_NE(flags & LWA_ALPHA, 0u);
    window->setTransparency(100, false);
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_EQ(window->getCurrentOpacity(), 100);

    // Only on top: opaque until kept on top, and opaque again after.
    window->show(true, false);
    window->setTransparency(30, true);
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    window->setKeepOnTop(true);
    EXPECT_NE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 76);
    window->setKeepOnTop(false);
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOPMOST), 0);
}

TEST(WindowClose, ACancellingListenerKeepsWindowAndTrayIconAndTheNextCloseHidesBoth) {
    TestWindow window;
    class Canceller : public s::gui::events::IEventListener {
    public:
        explicit Canceller(Window& w) : w_(w) {}
        void handleEvent(void*, int eventId) override {
            ++heard;
            if (eventId == IWindow::kClose && cancel)
                w_.cancelClose();
        }
        Window& w_;
        bool cancel = true;
        int heard = 0;
    } canceller(*window);
    window->addCloseListener(&canceller);
    window->setSmallIcon(LoadIconW(nullptr, IDI_APPLICATION), false);
    window->setTitle(u"Tray test");
    window->show(true, false);
    window->setTrayIcon(true);
    bool trayShown = window->isTrayIconShown();

    window->close();
    EXPECT_EQ(canceller.heard, 1);
    EXPECT_FALSE(window->isClosed());
    EXPECT_TRUE(IsWindowVisible(window->handle()));
    EXPECT_EQ(window->isTrayIconShown(), trayShown);

    // The platform's own close (the frame's close button) runs the same sequence.
    canceller.cancel = false;
    SendMessageW(window->handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(canceller.heard, 2);
    EXPECT_TRUE(window->isClosed());
    EXPECT_FALSE(IsWindowVisible(window->handle()));
    EXPECT_FALSE(window->isTrayIconShown());
    // Closed once is closed: no further close events.
    window->close();
    EXPECT_EQ(canceller.heard, 2);
}

namespace {

// An application window whose remembered state lives in memory.
class RememberedState final : public s::app::IAppWindow, public s::app::IWindowState {
public:
    const char16_t* getSectionPath(const char16_t*) override { return u"Test\\View"; }
    s::map::IMappedData* getStore() override { return nullptr; }
    s::lang::Localizer* getLocalizer() override { return nullptr; }
    s::gui::drawer::Skinner* getSkinSet() override { return nullptr; }

    std::int32_t getProductTextBase() override { return 500000; }
    bool hasPosition() override { return hasX() && hasY(); }
    bool hasX() override { return x >= -100000; }
    std::int32_t getX() override { return x; }
    void setX(std::int32_t v) override { x = v; ++writes; }
    bool hasY() override { return y >= -100000; }
    std::int32_t getY() override { return y; }
    void setY(std::int32_t v) override { y = v; ++writes; }
    bool hasWidth() override { return true; }
    std::int32_t getWidth() override { return width; }
    void setWidth(std::int32_t v) override { width = v; ++writes; }
    bool hasHeight() override { return true; }
    std::int32_t getHeight() override { return height; }
    void setHeight(std::int32_t v) override { height = v; ++writes; }
    bool getEasyDrag() override { return easyDrag; }
    void setEasyDrag(bool on) override { easyDrag = on; }
    bool getMaximized() override { return maximized; }
    void setMaximized(bool on) override { maximized = on; }
    bool getKeepOnTop() override { return keepOnTop; }
    void setKeepOnTop(bool on) override { keepOnTop = on; }
    const char16_t* getMiddleClickAction() override { return middle; }
    void setMiddleClickAction(const char16_t* action) override { middle = action; }

    static constexpr std::int32_t kNone = -200000;
    std::int32_t x = kNone, y = kNone, width = 300, height = 200;
    bool easyDrag = true, maximized = false, keepOnTop = false;
    const char16_t* middle = IWindow::kMiddleIconize;
    int writes = 0;
};

} // namespace

TEST(WindowShow, AWindowWhoseSavedPositionIsOffEveryMonitorIsCentredInTheWorkArea) {
    s::gui::win::geometry::Rect work = s::gui::win::screen::primaryWorkArea();
    // Saved where a monitor used to be.
    RememberedState state;
    state.x = -5000;
    state.y = 9000;
    TestWindow window;
    window->setApplicationWindow(&state, false);
    EXPECT_TRUE(window->isReachable()) << "centred as it is attached";
    window->setLocation(-5000, 9000); // and moved off again before it shows
    EXPECT_FALSE(window->isReachable());
    window->show(true, false);
    EXPECT_TRUE(IsWindowVisible(window->handle()));
    RECT r = s::test::rectOf(window->handle());
    EXPECT_EQ(r.left, work.left + (work.width() - 300) / 2);
    EXPECT_EQ(r.top, work.top + (work.height() - 200) / 2);
    EXPECT_EQ(r.right - r.left, 300);

    // Reachable, it stays where it is; hiding reports where that is.
    window->show(false, false);
    window->setLocation(20, 30);
    window->show(true, false);
    r = s::test::rectOf(window->handle());
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 30);
    window->show(false, false);
    EXPECT_EQ(state.x, 20);
    EXPECT_EQ(state.y, 30);
    int writes = state.writes;
    window->show(true, false);
    window->show(false, false);
    EXPECT_EQ(state.writes, writes) << "unchanged values are not written again";

    // Unless nobody asked for the check.
    window->setCheckReachableOnShow(false);
    window->setLocation(-5000, 9000);
    window->show(true, false);
    EXPECT_EQ(s::test::rectOf(window->handle()).left, -5000);
}

TEST(WindowShow, TheApplicationWindowGivesTheInitialStateAndHearsEveryChange) {
    RememberedState state;
    state.easyDrag = false;
    state.keepOnTop = true;
    state.maximized = true;
    TestWindow window;
    window->setApplicationWindow(&state, false);
    EXPECT_EQ(window->getMiddleClickAction(), IWindow::kMiddleIconize);
    EXPECT_TRUE(window->isKeepOnTop());
    // No saved position: the saved size only.
    RECT r = s::test::rectOf(window->handle());
    EXPECT_EQ(r.right - r.left, 300);
    window->show(true, false);
    EXPECT_TRUE(window->isMaximized()) << "shown as it was left";
    window->restore();
    EXPECT_FALSE(state.maximized);
    window->maximize();
    EXPECT_TRUE(state.maximized);
    window->restore();
    window->setEasyDrag(true);
    EXPECT_TRUE(state.easyDrag);
    window->setKeepOnTop(false);
    EXPECT_FALSE(state.keepOnTop);
    window->setMiddleClickAction(IWindow::kMiddleClose);
    EXPECT_EQ(state.middle, IWindow::kMiddleClose);
}

TEST(WindowFrame, HitTestAnswersThePaintedFrameAndEasyDragTurnsTheClientIntoTheCaption) {
    TestWindow window;
    BlankDrawer drawer;
    window->setBounds(100, 100, 300, 200);
    HWND hwnd = window->handle();
    auto hit = [&](int x, int y) {
        return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(100 + x, 100 + y));
    };
    // Plain window without easy drag: the platform's answer, the client area.
    EXPECT_EQ(hit(150, 100), HTCLIENT);
    window->setEasyDrag(true);
    EXPECT_EQ(hit(150, 100), HTCAPTION);
    window->setEasyDrag(false);

    window->setFrameDrawer(&drawer, false);
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION, 0);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 300) << "the painted frame lies inside the window";
    EXPECT_EQ(hit(297, 10), HTTOPRIGHT);
    EXPECT_EQ(hit(297, 40), HTRIGHT);
    EXPECT_EQ(hit(297, 190), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(2, 100), HTLEFT);
    EXPECT_EQ(hit(150, 197), HTBOTTOM);
    EXPECT_EQ(hit(150, 100), HTCLIENT);
    window->setEasyDrag(true);
    EXPECT_EQ(hit(150, 100), HTCAPTION);
    EXPECT_EQ(hit(297, 40), HTRIGHT);
    window->setFrameDrawer(nullptr, false);
}

TEST(WindowFrame, SizingKeepsTheMinimumOnTheDraggedSideAndListenersMayChangeTheRectangle) {
    TestWindow window;
    window->setMinimumWidth(200);
    window->setMinimumHeight(150);
    class Sizing : public s::gui::events::IEventListener {
    public:
        explicit Sizing(Window& w) : w_(w) {}
        void handleEvent(void*, int) override {
            ++heard;
            left = w_.isSizingLeft();
            bottomRight = w_.isSizingBottomRight();
            if (bottomRight)
                w_.setSizingBottom(w_.getSizingBottom() + 1);
        }
        Window& w_;
        int heard = 0;
        bool left = false, bottomRight = false;
    } sizing(*window);
    window->addSizingListener(&sizing);

    RECT r{300, 100, 400, 400}; // dragged from the left down to 100 wide
    SendMessageW(window->handle(), WM_SIZING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(sizing.heard, 1);
    EXPECT_TRUE(sizing.left);
    EXPECT_EQ(r.right, 400) << "the right edge stays";
    EXPECT_EQ(r.left, 200);

    RECT c{100, 100, 150, 160};
    SendMessageW(window->handle(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&c));
    EXPECT_TRUE(sizing.bottomRight);
    EXPECT_EQ(c.left, 100);
    EXPECT_EQ(c.top, 100);
    EXPECT_EQ(c.right, 300);
    EXPECT_EQ(c.bottom, 250);

    // Never taller than the work area: the top gives way when the top is dragged.
    int workHeight = s::gui::win::screen::workAreaOf(window->handle()).height();
    RECT t{100, -5000, 400, 400};
    SendMessageW(window->handle(), WM_SIZING, WMSZ_TOP, reinterpret_cast<LPARAM>(&t));
    EXPECT_EQ(t.bottom, 400);
    EXPECT_EQ(t.bottom - t.top, workHeight);

    window->setKeepMinimumSize(false);
    RECT free{300, 100, 400, 400};
    SendMessageW(window->handle(), WM_SIZING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&free));
    EXPECT_EQ(free.left, 300);
}

TEST(WindowFrame, KeepInScreenStopsMovesAndResizesAtTheWorkAreaEdge) {
    TestWindow window;
    EventCounter changing, moved;
    window->addPositionChangingListener(&changing);
    window->addMoveListener(&moved);
    window->setBounds(100, 100, 300, 200);
    window->show(true, false);
    int changesBefore = changing.count;
    s::gui::win::geometry::Rect work = s::gui::win::screen::keepInsideBounds();

    window->setKeepInScreen(true);
    SetWindowPos(window->handle(), nullptr, work.right - 100, 100, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r = s::test::rectOf(window->handle());
    EXPECT_EQ(r.right, work.right);
    EXPECT_EQ(r.top, 100);
    EXPECT_GT(changing.count, changesBefore);
    EXPECT_GT(moved.count, 0);
    EXPECT_NE(changing.thread, GetCurrentThreadId());

    // Growing past the bottom becomes a move that keeps the new size inside.
    SetWindowPos(window->handle(), nullptr, 0, 0, 300, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    r = s::test::rectOf(window->handle());
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 400);
    EXPECT_LE(r.bottom, work.bottom);
    EXPECT_EQ(r.right, work.right);

    // Turned on while outside, it comes back at once.
    window->setKeepInScreen(false);
    window->setLocation(work.left - 50, work.top - 40);
    EXPECT_EQ(s::test::rectOf(window->handle()).left, work.left - 50);
    window->setKeepInScreen(true);
    r = s::test::rectOf(window->handle());
    EXPECT_EQ(r.left, work.left);
    EXPECT_EQ(r.top, work.top);
}

namespace {

// A window painter of one colour whose shape lacks the top-left corner.
class PaintedFrame final : public s::gui::drawer::IWindow {
public:
    explicit PaintedFrame(COLORREF colour) : colour_(colour) {}
    const char16_t* getClassName() const override { return u"s_test_PaintedFrame"; }
    s::base::IObject* newInstance() const override { return nullptr; }
    void release() override {}
    void clear() override {}
    void paint(void* surface, std::int32_t l, std::int32_t t, std::int32_t r,
               std::int32_t b) override {
        ++calls;
        width = r - l;
        s::system::win::GdiObject<HBRUSH> brush(CreateSolidBrush(colour_));
        RECT rect{l, t, r, b};
        FillRect(static_cast<HDC>(surface), &rect, brush.get());
    }
    void setBackground(std::uint8_t, std::uint8_t, std::uint8_t) override {}
    s::gui::drawer::Colour getBackground() const override { return colour_; }
    bool isTransparent() const override { return false; }
    void setBorderColour(std::uint8_t, std::uint8_t, std::uint8_t) override {}
    s::gui::drawer::Colour getBorderColour() const override { return colour_; }
    void setCorners(std::int32_t, std::int32_t) override {}
    void* createRegion(std::int32_t l, std::int32_t t, std::int32_t r,
                       std::int32_t b) const override {
        return CreateRoundRectRgn(l, t, r + 1, b + 1, 24, 24);
    }
    std::atomic<int> calls{0};
    std::atomic<int> width{0};

private:
    COLORREF colour_;
};

// Hands out the window painter of its current skin and tells its listeners
// when the skin changes.
class TestSkinHolder final : public s::gui::ISkinHolder {
public:
    explicit TestSkinHolder(s::gui::drawer::IDrawer* painter) : painter_(painter) {}
    s::gui::drawer::IDrawer* getPainter(PainterKind kind) override {
        return kind == kWindowPainter ? painter_ : nullptr;
    }
    void addSkinListener(s::gui::events::IEventListener* listener) override {
        listeners_.push_back(listener);
    }
    const void* eventSource() const override { return this; }
    void change(s::gui::drawer::IDrawer* painter) {
        painter_ = painter;
        for (auto* listener : listeners_)
            listener->handleEvent(this, 0);
    }

private:
    s::gui::drawer::IDrawer* painter_;
    std::vector<s::gui::events::IEventListener*> listeners_;
};

// A box that counts the skin changes it hears; not pooled.
class SkinCountingBox final : public Box {
public:
    void release() override { delete this; }
    std::atomic<int>* refreshes = nullptr;

protected:
    void refreshSkin(s::gui::ISkinHolder&) override { ++*refreshes; }
};

Box* colouredBox(std::int32_t w, std::int32_t h, COLORREF colour) {
    Box* box = s::thread::take<Box>();
    box->setFixedWidth(w, false);
    box->setFixedHeight(h, false);
    box->setBackground(GetRValue(colour), GetGValue(colour), GetBValue(colour), false);
    return box;
}

} // namespace

// The window (painted by its frame drawer) holds a red row box with a green
// box and a transparent one, which holds a blue box; and a transparent box
// straight on the window. Each shows its colour or what lies behind it,
// read back from the screen.
TEST(WindowPaint, NestedBoxesPaintTheirColoursAndTransparentOnesShowWhatLiesBehindThem) {
    constexpr COLORREF navy = RGB(20, 40, 160), teal = RGB(0, 128, 128);
    constexpr COLORREF red = RGB(200, 30, 40), green = RGB(30, 160, 60);
    constexpr COLORREF blue = RGB(40, 60, 220), yellow = RGB(250, 220, 0);
    PaintedFrame frame(navy), otherFrame(teal);
    TestSkinHolder skins(&frame);
    TestWindow window;
    window->setSkinHolder(&skins);
    window->setBounds(100, 100, 320, 220);
    Box* row = colouredBox(200, 100, red);
    row->setRowLayout();
    row->setInsets(10);
    row->setHorizontalGap(10);
    Box* green60 = colouredBox(60, 60, green);
    green60->setHoverColour(250, 220, 0);
    Box* clear60 = s::thread::take<Box>();
    clear60->setFixedWidth(60, false);
    clear60->setFixedHeight(60, false);
    clear60->add(colouredBox(20, 20, blue));
    row->add(green60);
    row->add(clear60);
    std::atomic<int> refreshes{0};
    auto* clearOnWindow = new SkinCountingBox;
    clearOnWindow->refreshes = &refreshes;
    clearOnWindow->setFixedWidth(100, false);
    clearOnWindow->setFixedHeight(50, false);
    window->add(row);
    window->add(clearOnWindow);
    window->show(true, true);
    window->repaint();
    Sleep(200);

    EXPECT_GT(frame.calls, 0);
    EXPECT_EQ(frame.width, 320) << "the frame is painted with the client";
    auto pixel = [&](int x, int y) {
        s::system::win::WindowDc dc(window->handle());
        return GetPixel(dc.get(), x, y);
    };
    EXPECT_EQ(pixel(300, 200), navy) << "the window";
    EXPECT_EQ(pixel(5, 5), red) << "the row's inset";
    EXPECT_EQ(pixel(75, 40), red) << "the gap";
    EXPECT_EQ(pixel(40, 40), green);
    EXPECT_EQ(pixel(90, 20), blue) << "inside the transparent box";
    EXPECT_EQ(pixel(120, 50), red) << "the row behind the transparent box";
    EXPECT_EQ(pixel(50, 125), navy) << "the frame drawer behind a transparent box";

    // The shape comes from the drawer and follows the size.
    s::system::win::GdiObject<HRGN> shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window->handle(), shape.get()), ERROR);
    EXPECT_FALSE(PtInRegion(shape.get(), 1, 1)) << "the rounded corner";
    EXPECT_TRUE(PtInRegion(shape.get(), 160, 110));
    EXPECT_FALSE(PtInRegion(shape.get(), 360, 110));
    window->setSize(400, 220);
    ASSERT_NE(GetWindowRgn(window->handle(), shape.get()), ERROR);
    EXPECT_TRUE(PtInRegion(shape.get(), 360, 110));

    // Hovering colours the green box until the mouse leaves it.
    POINT over{40, 40};
    ClientToScreen(window->handle(), &over);
    s::test::moveMouse(over.x, over.y);
    Sleep(300);
    EXPECT_EQ(pixel(40, 40), yellow);
    EXPECT_TRUE(green60->isHovering());
    s::test::moveMouse(over.x + 200, over.y + 100);
    Sleep(300);
    EXPECT_EQ(pixel(40, 40), green);

    // A new skin: the window takes its painter, the transparent box shows
    // it, and the components, which took the first skin on attaching, hear
    // of the change.
    EXPECT_EQ(refreshes, 1);
    skins.change(&otherFrame);
    EXPECT_EQ(pixel(300, 200), teal);
    EXPECT_EQ(pixel(50, 125), teal);
    EXPECT_EQ(refreshes, 2);
    window->setFrameDrawer(nullptr, false);
    EXPECT_EQ(GetWindowRgn(window->handle(), shape.get()), ERROR) << "rectangular again";
}
