#include "foundation/threads/win/Thread.h"

#include "foundation/objects/Pools.h"

#include <atomic>

namespace s::thread::win {

namespace {

std::atomic<std::int32_t> forcedEndCount{0};

DWORD WINAPI threadRoutine(void* parameter) {
    platform::releaseUnusedStack();
    auto* job = static_cast<Thread::JobBlock*>(parameter);
    platform::CriticalSection* lock = job->lock;
    lock->enter();
    job->awake = 1;
    while (!job->quit) {
        if (job->pendingDelay != 0) {
            std::uint32_t delay = job->pendingDelay;
            job->pendingDelay = 0;
            lock->leave();
            platform::sleepMillis(delay);
        } else if (job->remaining != 0) {
            if (job->remaining != -1)
                --job->remaining;
            std::int32_t remaining = job->remaining;
            std::uint32_t spacing = job->spacing;
            std::uint32_t interval = job->interval;
            ITask* task = job->task;
            lock->leave();
            std::int64_t started = platform::processClockMillis();
            if (task != nullptr) {
                task->run();
                if (spacing != Thread::kNoSpacing && remaining != 0) {
                    if (spacing == Thread::kPause) {
                        platform::sleepMillis(interval);
                    } else {
                        std::int64_t due = started + interval;
                        std::int64_t wait = due - platform::processClockMillis();
                        if (wait > 0)
                            platform::sleepMillis(static_cast<std::uint32_t>(wait));
                    }
                }
            }
        } else {
            job->idle = 1;
            lock->leave();
        }
        if (job->idle)
            SuspendThread(job->handleCopy);
        lock->enter();
        job->awake = 1;
    }
    lock->leave();
    job->exited = 1;
    return 0;
}

} // namespace

Thread::Thread() : lock_(new platform::CriticalSection) { createThread(); }

Thread::~Thread() {
    if (handle_) {
        quitAndJoin();
        handle_.reset();
    }
    delete lock_;
}

void Thread::createThread() {
    job_.lock = lock_;
    job_.pendingDelay = 0;
    job_.task = nullptr;
    job_.remaining = 0;
    job_.spacing = kNoSpacing;
    job_.interval = 0;
    job_.awake = 0;
    job_.idle = 1;
    job_.quit = 0;
    job_.exited = 0;
    DWORD id = 0;
    handle_.reset(CreateThread(nullptr, 0, threadRoutine, &job_, CREATE_SUSPENDED, &id));
    threadId_ = id;
    job_.handleCopy = handle_.get();
    if (handle_)
        SetThreadPriority(handle_.get(), priority_);
}

void Thread::startJob(ITask* task, std::int32_t count, std::uint32_t spacing,
                      std::uint32_t interval) {
    lock_->enter();
    bool wasIdle = job_.idle != 0;
    job_.pendingDelay = 0;
    job_.task = task;
    job_.remaining = count;
    job_.spacing = spacing;
    job_.interval = interval;
    job_.awake = 0;
    job_.idle = 0;
    job_.exited = 0;
    lock_->leave();
    resume();
    // An idle routine may have marked itself idle but not yet suspended
    // itself; a resume that lands in that gap is lost. Resume until the
    // routine shows it has taken the lock again. Never wait on our own thread.
    if (wasIdle && GetCurrentThreadId() != threadId_ && handle_) {
        while (!job_.awake && !job_.exited) {
            platform::sleepMillis(1);
            resume();
        }
    }
}

void Thread::start(ITask* task) { startJob(task, 1, kNoSpacing, 0); }

void Thread::start(ITask* task, std::int32_t count) { startJob(task, count, kNoSpacing, 0); }

void Thread::startWithPause(ITask* task, std::int32_t count, std::uint32_t ms) {
    startJob(task, count, kPause, ms);
}

void Thread::startWithPeriod(ITask* task, std::int32_t count, std::uint32_t ms) {
    startJob(task, count, kPeriod, ms);
}

void Thread::startForever(ITask* task) { startJob(task, -1, kNoSpacing, 0); }

void Thread::startForeverWithPause(ITask* task, std::uint32_t ms) {
    startJob(task, -1, kPause, ms);
}

void Thread::startForeverWithPeriod(ITask* task, std::uint32_t ms) {
    startJob(task, -1, kPeriod, ms);
}

bool Thread::isIdle() { return job_.idle != 0; }

void Thread::waitIdle() {
    while (!job_.idle)
        platform::sleepMillis(20);
}

std::int32_t Thread::forcedEnds() { return forcedEndCount.load(); }

void Thread::waitIdle(std::uint32_t ms) {
    std::int64_t deadline = platform::processClockMillis() + ms;
    while (!job_.idle) {
        if (platform::processClockMillis() >= deadline) {
            if (job_.idle)
                return;
            if (handle_) {
                forcedEndCount.fetch_add(1);
                TerminateThread(handle_.get(), 1);
                WaitForSingleObject(handle_.get(), 1000);
                handle_.reset();
            }
            // The terminated thread may have died inside the job lock, which
            // would then stay owned for ever; the new thread gets a new lock
            // and the old one is deliberately leaked.
            lock_ = new platform::CriticalSection;
            createThread();
            return;
        }
        platform::sleepMillis(20);
    }
}

void Thread::stop() {
    lock_->enter();
    job_.remaining = 0;
    lock_->leave();
    resume();
}

void Thread::stopAndWait() {
    stop();
    waitIdle();
}

void Thread::join() {
    if (!handle_)
        return;
    while (!job_.exited) {
        resume();
        WaitForSingleObject(handle_.get(), 100);
    }
}

void Thread::requestQuit() {
    lock_->enter();
    job_.quit = 1;
    lock_->leave();
    resume();
}

void Thread::quitAndJoin() {
    requestQuit();
    join();
}

void Thread::delayNext(std::uint32_t ms) {
    lock_->enter();
    job_.pendingDelay = ms;
    lock_->leave();
}

void Thread::resume() {
    if (!handle_)
        return;
    for (;;) {
        DWORD previous = ResumeThread(handle_.get());
        if (previous == static_cast<DWORD>(-1) || previous <= 1)
            break;
    }
}

void Thread::suspend() {
    if (!handle_)
        return;
    lock_->enter();
    SuspendThread(handle_.get());
    lock_->leave();
}

std::int32_t Thread::getPriority() {
    return handle_ ? GetThreadPriority(handle_.get()) : 0;
}

void Thread::setPriority(std::int32_t priority) {
    priority_ = priority;
    if (handle_)
        SetThreadPriority(handle_.get(), priority);
}

base::IObject* Thread::newInstance() const { return take<Thread>(); }

void Thread::release() { giveBack(this); }

void Thread::setRunFunction(RunFunction function) { runFunction_ = function; }

void Thread::run() {
    if (runFunction_ != nullptr)
        runFunction_(this);
}

void Thread::clear() {
    if (!isIdle())
        stopAndWait();
    setPriority(0);
    suspend();
    job_.idle = 1;
    priority_ = 0;
}

} // namespace s::thread::win
