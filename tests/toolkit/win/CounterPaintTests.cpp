#include "toolkit/box/Box.h"
#include "toolkit/counter/win/Counter.h"
#include "toolkit/drawers/win/CounterBasic.h"
#include "toolkit/win/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

using s::gui::counter::CounterData;
using s::gui::drawer::Colour;
using s::gui::drawer::rgb;
using s::gui::drawer::counter::win::Basic;
using s::gui::win::Counter;
using s::test::TestWindow;

namespace {

constexpr Colour kRed = rgb(200, 30, 30);
constexpr Colour kBlue = rgb(30, 30, 200);
constexpr Colour kPaper = rgb(240, 240, 236);

HWND handleOf(Counter* counter) {
    return s::gui::win::HwndPeer::handleOf(counter->nativePeer());
}

Colour pixel(HWND hwnd, int x, int y) {
    s::system::win::WindowDc dc(hwnd);
    return static_cast<Colour>(GetPixel(dc.get(), x, y));
}

Basic* makePainter() {
    Basic* painter = s::thread::take<Basic>();
    painter->setColour1(200, 30, 30);
    painter->setColour2(30, 30, 200);
    painter->setBackground(240, 240, 236);
    return painter;
}

Counter* makeCounter(std::int32_t width, std::int32_t height) {
    Counter* counter = s::thread::take<Counter>();
    counter->setFixedWidth(width);
    counter->setFixedHeight(height);
    return counter;
}

// Keeps the window on the display for a screenshot when asked to.
void holdForScreenshot() {
    if (const char* hold = std::getenv("TARNWICK_TEST_HOLD_MS"))
        Sleep(static_cast<DWORD>(std::atoi(hold)));
}

// A painter that checks, in the real paint path, that the samples it gets
// are the consecutive values the writer adds, then paints as Basic does.
class CheckingPainter final : public s::gui::drawer::ICounter {
public:
    const char16_t* getClassName() const override { return u"s_test_CheckingPainter"; }
    s::base::IObject* newInstance() const override { return nullptr; }
    void release() override {}
    void clear() override {}
    void paint(void* s, std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
        inner.paint(s, l, t, r, b);
    }
    void setBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        inner.setBackground(r, g, b);
    }
    Colour getBackground() const override { return inner.getBackground(); }
    bool isBackgroundTransparent() const override { return inner.isBackgroundTransparent(); }
    void setColour1(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        inner.setColour1(r, g, b);
    }
    Colour getColour1() const override { return inner.getColour1(); }
    void setColour2(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        inner.setColour2(r, g, b);
    }
    Colour getColour2() const override { return inner.getColour2(); }
    void draw(void* surface, std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b,
              std::int32_t type, CounterData* s1, CounterData* s2, bool swap) override {
        s1->read(seen);
        // Consecutive values, newest first, then the zeros of slots not
        // written yet.
        const auto& v = seen.newestFirst;
        for (std::size_t i = 1; i < v.size(); ++i) {
            bool consistent = v[i - 1] == 0 ? v[i] == 0 : v[i] == 0 || v[i] == v[i - 1] - 1;
            if (!consistent)
                ++torn;
        }
        newest = v.empty() ? 0 : static_cast<int>(v.front());
        ++paints;
        inner.draw(surface, l, t, r, b, type, s1, s2, swap);
    }

    Basic inner;
    CounterData::Snapshot seen;
    std::atomic<int> paints{0};
    std::atomic<int> torn{0};
    // The newest sample the latest paint read.
    std::atomic<int> newest{0};
};

} // namespace

TEST(CounterPaint, AWriterThreadFeedingTheSeriesWhileTheWindowPaintsNeverTearsASample) {
    // Declared first: the window, and with it the counter, goes first.
    CheckingPainter painter;
    TestWindow window;
    window->setBounds(150, 150, 300, 140);
    window->show(true, true);
    Counter* counter = makeCounter(256, 60);
    painter.setColour1(200, 30, 30);
    painter.setBackground(240, 240, 236);
    counter->setDrawer(&painter, false);
    CounterData* series = counter->getSeries1();
    series->setCapacity(300);
    series->setAutoScale(true);
    window->add(counter);
    Sleep(300);
    HWND hwnd = handleOf(counter);

    // The writer runs free (no views: their repaints would wait for the
    // window's thread) while the window paints as fast as it is asked to.
    std::atomic<bool> stop{false};
    std::atomic<int> last{0};
    std::thread writer([&] {
        for (int k = 1; !stop; ++k) {
            series->addSample(k);
            last = k;
            if (k % 64 == 0)
                Sleep(0);
        }
    });
    for (int i = 0; i < 150; ++i) {
        InvalidateRect(hwnd, nullptr, FALSE);
        Sleep(2);
    }
    stop = true;
    writer.join();
    // A paint asked for before the writer stopped may still be under way.
    for (int i = 0; i < 100 && painter.newest != last; ++i) {
        counter->repaint();
        Sleep(20);
    }
    EXPECT_GT(painter.paints, 20);
    EXPECT_EQ(painter.torn, 0);
    EXPECT_EQ(painter.newest, last) << "the last paint shows the last sample";
    // Scaled to the newest sample, its column is full height.
    EXPECT_EQ(pixel(hwnd, 255, 0), kRed);
    EXPECT_EQ(pixel(hwnd, 255, 59), kRed);
}

TEST(CounterPaint, BarsAndColumnsLandWhereTheSamplesSayAndClicksFallThrough) {
    TestWindow window;
    window->setBounds(120, 120, 320, 200);
    window->setTitle(u"Counters");
    s::test::EventCounter leftDown;
    window->addLeftButtonDownListener(&leftDown);

    Counter* level = makeCounter(200, 40);
    level->setDrawer(makePainter(), true);
    level->setGraphType(1);
    level->getSeries1()->resetSamples();
    level->getSeries1()->setMaximum(1000);
    level->getSeries1()->addSample(600);
    level->getSeries2()->resetSamples();
    level->getSeries2()->setMaximum(1000);
    level->getSeries2()->addSample(250);
    level->setShowSeries2(true);

    Counter* history = makeCounter(200, 60);
    history->setDrawer(makePainter(), true);
    history->setMargins(10, 5, 10, 5);
    CounterData* ramp = history->getSeries1();
    ramp->setCapacity(201);
    ramp->setMaximum(1000);
    ramp->addSample(0);
    for (int i = 1; i <= 200; ++i)
        ramp->addSample(i * 5);

    window->add(level);
    window->add(history);
    window->show(true, true);
    Sleep(400);
    HWND levelHwnd = handleOf(level), historyHwnd = handleOf(history);
    ASSERT_NE(levelHwnd, nullptr);
    ASSERT_NE(historyHwnd, nullptr);

    // Level bars: series 2's 250 of 1000 over series 1's 600 on 200 pixels.
    EXPECT_EQ(pixel(levelHwnd, 10, 20), kBlue);
    EXPECT_EQ(pixel(levelHwnd, 49, 20), kBlue);
    EXPECT_EQ(pixel(levelHwnd, 50, 20), kRed);
    EXPECT_EQ(pixel(levelHwnd, 119, 39), kRed);
    EXPECT_EQ(pixel(levelHwnd, 120, 20), kPaper);

    // History inside 10/5 margins: the newest column (1000) fills the 50-pixel
    // height, the one 100 samples older (500) its lower half.
    EXPECT_EQ(pixel(historyHwnd, 189, 5), kRed);
    EXPECT_EQ(pixel(historyHwnd, 189, 54), kRed);
    EXPECT_EQ(pixel(historyHwnd, 89, 30), kRed);
    EXPECT_EQ(pixel(historyHwnd, 89, 28), kPaper);
    // The margins show the window behind the transparent meter.
    auto behind = static_cast<Colour>(window->getBackground());
    EXPECT_EQ(pixel(historyHwnd, 195, 30), behind);
    EXPECT_EQ(pixel(historyHwnd, 189, 57), behind);
    holdForScreenshot();

    EXPECT_TRUE(level->toggleColourSwap());
    level->repaint();
    EXPECT_EQ(pixel(levelHwnd, 10, 20), kRed);
    EXPECT_EQ(pixel(levelHwnd, 100, 20), kBlue);
    EXPECT_FALSE(level->toggleColourSwap());
    level->repaint();
    EXPECT_EQ(pixel(levelHwnd, 10, 20), kBlue);
    EXPECT_EQ(pixel(levelHwnd, 100, 20), kRed);

    // A click on the meter reaches the window behind it.
    RECT r;
    GetWindowRect(levelHwnd, &r);
    INPUT input[2] = {};
    int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
    for (INPUT& in : input) {
        in.type = INPUT_MOUSE;
        in.mi.dx = (r.left + 100) * 65535 / w;
        in.mi.dy = (r.top + 20) * 65535 / h;
    }
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(2, input, sizeof input[0]);
    Sleep(300);
    EXPECT_EQ(leftDown.count, 1);
}

TEST(CounterPaint, RepaintsOnlyWhenTheBarsWouldLookDifferent) {
    TestWindow window;
    window->setBounds(150, 150, 300, 140);
    window->show(true, true);
    Counter* counter = makeCounter(200, 50);
    counter->setDrawer(makePainter(), true);
    counter->setGraphType(1);
    CounterData* series = counter->getSeries1();
    series->resetSamples();
    series->setAutoScale(false);
    series->setMaximum(1000);
    // In front of the bars, as a count-down's time is: its colour stands
    // for a text that changed without being painted.
    auto* front = s::thread::take<s::gui::win::Box>();
    front->setFixedWidth(40, false);
    front->setFixedHeight(20, false);
    front->setBackground(0, 160, 0, false);
    front->alignRight();
    front->alignBottom();
    // A window inside the front, as the time's label lies in its box: both
    // are painted through one context.
    auto* inner = s::thread::take<s::gui::win::Box>();
    inner->setFixedWidth(10, false);
    inner->setFixedHeight(10, false);
    front->add(inner);
    counter->setContent(front);
    window->add(counter);
    HWND frontHwnd = s::gui::win::HwndPeer::handleOf(front->nativePeer());
    HWND innerHwnd = s::gui::win::HwndPeer::handleOf(inner->nativePeer());
    bool repainted = false;
    auto repaintIfChanged = [&] {
        s::test::onWindowThread(*window, [&] { repainted = counter->repaintIfChanged(front); });
        return repainted;
    };
    series->addSample(500);
    // Painted now, if the window's own paint has not shown it already.
    repaintIfChanged();
    front->setBackground(0, 0, 160, false);
    inner->setBackground(160, 160, 0, false);
    series->addSample(501);
    EXPECT_FALSE(repaintIfChanged())
        << "a thousandth of 200 pixels draws the same bar";
    EXPECT_EQ(pixel(frontHwnd, 5, 5), rgb(0, 0, 160)) << "the front is painted all the same";
    EXPECT_EQ(pixel(innerHwnd, 5, 5), rgb(160, 160, 0)) << "and the window inside it, in its place";
    front->setBackground(160, 0, 160, false);
    series->addSample(900);
    EXPECT_TRUE(repaintIfChanged());
    EXPECT_EQ(pixel(handleOf(counter), 150, 45), kRed) << "the repaint shows the new bar";
    EXPECT_EQ(pixel(handleOf(counter), 10, 45), kRed) << "the bar's unchanged part stays";
    EXPECT_EQ(pixel(handleOf(counter), 190, 45), kPaper);
    EXPECT_EQ(pixel(frontHwnd, 5, 5), rgb(160, 0, 160)) << "the front is painted in the same pass";
}
