#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/threads/ITask.h"

#include <cstdint>

namespace s::thread {

// A reusable worker: one operating-system thread that runs tasks once, a
// number of times or without end, and sleeps suspended between jobs.
class IThread : public base::IObject, public IPoolable, public ITask {
public:
    using RunFunction = void (*)(IThread* self);

    virtual std::uint32_t threadId() = 0;
    virtual void start(ITask* task) = 0;
    virtual void start(ITask* task, std::int32_t count) = 0;
    virtual void startWithPause(ITask* task, std::int32_t count, std::uint32_t ms) = 0;
    virtual void startWithPeriod(ITask* task, std::int32_t count, std::uint32_t ms) = 0;
    virtual void startForever(ITask* task) = 0;
    virtual void startForeverWithPause(ITask* task, std::uint32_t ms) = 0;
    virtual void startForeverWithPeriod(ITask* task, std::uint32_t ms) = 0;
    virtual bool isIdle() = 0;
    virtual void waitIdle() = 0;
    virtual void waitIdle(std::uint32_t ms) = 0;
    virtual void stop() = 0;
    virtual void stopAndWait() = 0;
    virtual void join() = 0;
    virtual void requestQuit() = 0;
    virtual void quitAndJoin() = 0;
    virtual void delayNext(std::uint32_t ms) = 0;
    virtual void resume() = 0;
    virtual void suspend() = 0;
    virtual std::int32_t getPriority() = 0;
    virtual void setPriority(std::int32_t priority) = 0;
    virtual void setRunFunction(RunFunction function) = 0;
};

} // namespace s::thread
