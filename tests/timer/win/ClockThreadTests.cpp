#include "timer/win/ClockThread.h"

#include "TestClock.h"
#include "foundation/objects/Pools.h"
#include "toolkit/win/Window.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

using s::sound::gui::dialogs::plinkett::ClockThread;
using s::sound::gui::dialogs::plinkett::kProcessUpdateClock;

namespace {

// Counts the ticks the window's thread receives.
class TickCounter : public s::gui::events::IEventListener {
public:
    explicit TickCounter(s::gui::win::Window& channel) : channel_(channel) {}
    void handleEvent(void*, int) override {
        if (channel_.getRequestValue1() == kProcessUpdateClock)
            ++ticks;
    }
    bool waitForTicks(int count, DWORD timeoutMs) {
        DWORD start = GetTickCount();
        while (ticks < count) {
            if (GetTickCount() - start > timeoutMs)
                return false;
            Sleep(5);
        }
        return true;
    }
    std::atomic<int> ticks{0};

private:
    s::gui::win::Window& channel_;
};

class ClockTicks : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(channel.isCreated());
        channel.addRequestListener(&counter);
    }
    void TearDown() override {
        clock.clear();
        channel.release();
    }

    s::gui::win::Window& channel = *s::thread::take<s::gui::win::Window>();
    TickCounter counter{channel};
    ClockThread clock;
};

double nowMs() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

TEST_F(ClockTicks, FirstTickIsImmediateThenOnePerSecond) {
    // Just after a whole second, so that three seconds hold three changes.
    s::test::TestClock start(s::test::localInstant(2026, 12, 9, 10, 0, 0) + 100);
    double begin = nowMs();
    clock.start(&channel);
    ASSERT_TRUE(counter.waitForTicks(1, 2000));
    EXPECT_LT(nowMs() - begin, 500) << "the first pass sends at once";
    Sleep(3000);
    int ticks = counter.ticks;
    EXPECT_GE(ticks, 3);
    EXPECT_LE(ticks, 5);
}

TEST_F(ClockTicks, AClockSetBackStillTicksWithinOnePass) {
    s::test::TestClock start(s::test::localInstant(2026, 12, 9, 10, 0, 0));
    clock.start(&channel);
    ASSERT_TRUE(counter.waitForTicks(1, 2000));
    Sleep(120);
    int before = counter.ticks;
    start.advance(-3600 * 1000);
    double moved = nowMs();
    ASSERT_TRUE(counter.waitForTicks(before + 1, 2000));
    EXPECT_LT(nowMs() - moved, 1300) << "at the latest when the next second begins";
}

TEST_F(ClockTicks, ResetEndsTheLoopQuicklyAndTheClockCanStartAgain) {
    clock.start(&channel);
    ASSERT_TRUE(counter.waitForTicks(1, 2000));
    double begin = nowMs();
    clock.clear();
    EXPECT_LT(nowMs() - begin, 500) << "the reset wakes the sleeping loop";
    EXPECT_FALSE(clock.isTicking());
    int stopped = counter.ticks;
    Sleep(1200);
    EXPECT_EQ(counter.ticks, stopped);
    clock.start(&channel);
    EXPECT_TRUE(counter.waitForTicks(stopped + 1, 2000));
}

TEST_F(ClockTicks, NothingIsSentWhileTheClockIsNotShownAndTicksComeBackWhenItIs) {
    clock.setShown(false);
    clock.start(&channel);
    Sleep(2200);
    EXPECT_EQ(counter.ticks, 0) << "hidden: the thread wakes but sends nothing";
    EXPECT_TRUE(clock.isTicking());
    clock.setShown(true);
    EXPECT_TRUE(counter.waitForTicks(1, 1500)) << "at the next second once shown";
    // A reset gives the next user a clock that sends.
    clock.clear();
    int stopped = counter.ticks;
    clock.start(&channel);
    EXPECT_TRUE(counter.waitForTicks(stopped + 1, 2000));
}
