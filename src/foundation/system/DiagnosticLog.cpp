#include "foundation/system/DiagnosticLog.h"

#include "foundation/system/Platform.h"

#include <deque>

namespace s::log {

namespace {
struct Log {
    platform::CriticalSection lock;
    std::deque<std::string> lines;
};

Log& theLog() {
    static Log log;
    return log;
}
} // namespace

void write(const std::string& line) {
    Log& log = theLog();
    platform::CriticalSectionGuard guard(log.lock);
    if (log.lines.size() == kDiagnosticLogLines)
        log.lines.pop_front();
    log.lines.push_back(line);
}

std::vector<std::string> lines() {
    Log& log = theLog();
    platform::CriticalSectionGuard guard(log.lock);
    return {log.lines.begin(), log.lines.end()};
}

void clear() {
    Log& log = theLog();
    platform::CriticalSectionGuard guard(log.lock);
    log.lines.clear();
}

} // namespace s::log
