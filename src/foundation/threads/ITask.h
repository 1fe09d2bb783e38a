#pragma once

namespace s::thread {

// One unit of work that a worker thread runs.
class ITask {
public:
    virtual ~ITask() = default;
    virtual void run() = 0;
};

} // namespace s::thread
