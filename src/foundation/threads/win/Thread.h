#pragma once

#include "foundation/threads/IThread.h"
#include "foundation/system/Platform.h"
#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <atomic>
#include <cstdint>

namespace s::thread::win {

// A worker that owns one operating-system thread for its whole life. Between
// jobs the thread suspends itself, so a worker can be reused at no
// thread-creation cost.
class Thread : public IThread {
public:
    Thread();
    ~Thread() override;
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    const char16_t* getClassName() const override { return u"s_thread_win_Thread"; }
    base::IObject* newInstance() const override;
    // Back to the worker pool, which stops a busy worker first.
    void release() override;

    std::uint32_t threadId() override { return threadId_; }
    void start(ITask* task) override;
    void start(ITask* task, std::int32_t count) override;
    void startWithPause(ITask* task, std::int32_t count, std::uint32_t ms) override;
    void startWithPeriod(ITask* task, std::int32_t count, std::uint32_t ms) override;
    void startForever(ITask* task) override;
    void startForeverWithPause(ITask* task, std::uint32_t ms) override;
    void startForeverWithPeriod(ITask* task, std::uint32_t ms) override;
    bool isIdle() override;
    void waitIdle() override;
    // How many threads this process has ended by force because a wait for
    // them ran out; workers are meant to stop by themselves, so this stays 0.
    static std::int32_t forcedEnds();
    void waitIdle(std::uint32_t ms) override;
    void stop() override;
    void stopAndWait() override;
    void join() override;
    void requestQuit() override;
    void quitAndJoin() override;
    void delayNext(std::uint32_t ms) override;
    void resume() override;
    void suspend() override;
    std::int32_t getPriority() override;
    void setPriority(std::int32_t priority) override;
    void setRunFunction(RunFunction function) override;

    // ITask: the worker itself as a task jumps to its run function.
    void run() override;

    // Back to the state of a fresh worker: stopped, normal priority, idle.
    void clear() override;

    enum Spacing : std::uint32_t { kNoSpacing = 0, kPause = 1, kPeriod = 2 };

    // Shared between the owner and the thread routine; guarded by *lock
    // except for idle and exited, which the polling waits read without it.
    struct JobBlock {
        platform::CriticalSection* lock = nullptr;
        HANDLE handleCopy = nullptr;
        std::uint32_t pendingDelay = 0;
        ITask* task = nullptr;
        std::int32_t remaining = 0;
        std::uint32_t spacing = kNoSpacing;
        std::uint32_t interval = 0;
        std::atomic<std::uint8_t> awake{0};
        std::atomic<std::uint8_t> idle{1};
        std::atomic<std::uint8_t> quit{0};
        std::atomic<std::uint8_t> exited{0};
    };

private:
    void createThread();
    void startJob(ITask* task, std::int32_t count, std::uint32_t spacing, std::uint32_t interval);

    system::win::Handle handle_;
    std::uint32_t threadId_ = 0;
    platform::CriticalSection* lock_;
    JobBlock job_;
    std::int32_t priority_ = 0;
    RunFunction runFunction_ = nullptr;
};

} // namespace s::thread::win
