#include "foundation/threads/win/Thread.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "foundation/objects/Pools.h"

#include <atomic>
#include <mutex>
#include <vector>

using s::thread::win::Thread;

namespace {

struct CountingTask : s::thread::ITask {
    std::atomic<int> runs{0};
    void run() override { ++runs; }
};

struct SlowTask : s::thread::ITask {
    std::atomic<int> runs{0};
    void run() override {
        Sleep(30);
        ++runs;
    }
};

struct StuckTask : s::thread::ITask {
    std::atomic<bool> entered{false};
    void run() override {
        entered = true;
        for (;;)
            Sleep(1000);
    }
};

// Notes the instant each run starts, in milliseconds of a steady clock, and
// then works for a set time.
struct TimedTask : s::thread::ITask {
    explicit TimedTask(DWORD workMs) : workMs(workMs) {}
    void run() override {
        {
            std::lock_guard<std::mutex> lock(mutex);
            starts.push_back(nowMs());
        }
        if (workMs != 0)
            Sleep(workMs);
    }
    static double nowMs() {
        LARGE_INTEGER counter, frequency;
        QueryPerformanceCounter(&counter);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(counter.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    }
    std::vector<double> gaps() {
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<double> out;
        for (std::size_t i = 1; i < starts.size(); ++i)
            out.push_back(starts[i] - starts[i - 1]);
        return out;
    }
    double idleAfterLastStart(Thread& worker) {
        worker.waitIdle();
        std::lock_guard<std::mutex> lock(mutex);
        return nowMs() - starts.back();
    }

    DWORD workMs;
    std::mutex mutex;
    std::vector<double> starts;
};

} // namespace

// Spacing is checked against the real clock. Lower bounds are what the
// worker promises; upper bounds are generous, so that a loaded machine
// cannot make them fail, yet far from the values a wrong spacing gives.
TEST(ThreadSpacing, PauseFollowsEveryRunButTheLast) {
    Thread worker;
    TimedTask task(0);
    worker.startWithPause(&task, 3, 300);
    double idle = task.idleAfterLastStart(worker);
    std::vector<double> gaps = task.gaps();
    ASSERT_EQ(gaps.size(), 2u);
    for (double gap : gaps) {
        EXPECT_GE(gap, 295);
        EXPECT_LT(gap, 900);
    }
    EXPECT_LT(idle, 280) << "no pause after the last run";
}

TEST(ThreadSpacing, PeriodCountsFromStartToStart) {
    Thread worker;
    TimedTask task(100);
    worker.startWithPeriod(&task, 3, 400);
    worker.waitIdle();
    for (double gap : task.gaps()) {
        EXPECT_GE(gap, 395);
        EXPECT_LT(gap, 480 + 400);
    }
}

TEST(ThreadSpacing, ARunLongerThanThePeriodIsFollowedAtOnce) {
    Thread worker;
    TimedTask task(500);
    worker.startWithPeriod(&task, 3, 200);
    worker.waitIdle();
    for (double gap : task.gaps()) {
        EXPECT_GE(gap, 495);
        EXPECT_LT(gap, 690) << "a period wait after an overlong run";
    }
}

TEST(Thread, RunsATaskTheGivenNumberOfTimesThenGoesIdle) {
    Thread worker;
    EXPECT_TRUE(worker.isIdle());
    CountingTask task;
    worker.start(&task, 3);
    worker.waitIdle();
    EXPECT_EQ(task.runs, 3);
    worker.start(&task);
    worker.waitIdle();
    EXPECT_EQ(task.runs, 4);
}

TEST(Thread, StopLetsTheCurrentRunFinishAndTheWorkerCanStartAgain) {
    Thread worker;
    SlowTask task;
    worker.startForever(&task);
    Sleep(100);
    worker.stopAndWait();
    int stoppedAt = task.runs;
    EXPECT_GT(stoppedAt, 0);
    Sleep(100);
    EXPECT_EQ(task.runs, stoppedAt);
    worker.start(&task, 2);
    worker.waitIdle();
    EXPECT_EQ(task.runs, stoppedAt + 2);
}

TEST(Thread, WaitIdleWithALimitEndsAStuckTaskAndKeepsThePriority) {
    Thread worker;
    worker.setPriority(THREAD_PRIORITY_HIGHEST);
    StuckTask stuck;
    worker.start(&stuck);
    while (!stuck.entered)
        Sleep(5);
    double before = TimedTask::nowMs();
    worker.waitIdle(5000);
    double waited = TimedTask::nowMs() - before;
    EXPECT_GE(waited, 4900);
    EXPECT_LT(waited, 8000);
    EXPECT_TRUE(worker.isIdle());
    EXPECT_EQ(worker.getPriority(), THREAD_PRIORITY_HIGHEST);
    CountingTask task;
    worker.start(&task);
    worker.waitIdle();
    EXPECT_EQ(task.runs, 1);
}

TEST(Thread, ResumeAfterTwoSuspendsLeavesTheThreadRunning) {
    Thread worker;
    SlowTask task;
    worker.startForever(&task);
    worker.suspend();
    worker.suspend();
    int frozen = task.runs;
    Sleep(100);
    EXPECT_EQ(task.runs, frozen);
    worker.resume();
    Sleep(150);
    EXPECT_GT(task.runs, frozen);
    worker.stopAndWait();
}

TEST(ThreadPool, ABusyWorkerGivenBackIsStoppedBeforeItGoesIdle) {
    auto* worker = s::thread::take<Thread>();
    SlowTask task;
    worker->setPriority(THREAD_PRIORITY_HIGHEST);
    worker->startForever(&task);
    Sleep(100);
    worker->release();
    int afterRelease = task.runs;
    Sleep(150);
    EXPECT_EQ(task.runs, afterRelease) << "the worker still runs in the pool";
    auto* again = s::thread::take<Thread>();
    EXPECT_EQ(again, worker);
    EXPECT_TRUE(again->isIdle());
    EXPECT_EQ(again->getPriority(), THREAD_PRIORITY_NORMAL);
    CountingTask counting;
    again->start(&counting, 2);
    again->waitIdle();
    EXPECT_EQ(counting.runs, 2);
    again->release();
}
