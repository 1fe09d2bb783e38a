#include "foundation/win/Thread.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

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

} // namespace

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
    worker.waitIdle(200);
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
