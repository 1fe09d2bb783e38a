#include "foundation/system/StartupTrace.h"

#include "foundation/system/Platform.h"

#include <atomic>
#include <cstdio>

namespace s::trace {

namespace {

constexpr std::uint64_t kTicksPerMilli = 10000;

enum State { kUnknown, kOff, kOn };

struct Trace {
    platform::CriticalSection lock;
    std::u16string path;
    std::uint64_t origin = 0;
    std::uint64_t last = 0;
    std::string text;
};

std::atomic<int> state{kUnknown};

Trace& theTrace() {
    static Trace trace;
    return trace;
}

double millis(std::uint64_t ticks) {
    return static_cast<double>(ticks) / kTicksPerMilli;
}

// Decided once, at the first mark: the variable is read then and not again.
bool on() {
    int now = state.load(std::memory_order_acquire);
    if (now != kUnknown)
        return now == kOn;
    Trace& trace = theTrace();
    platform::CriticalSectionGuard guard(trace.lock);
    if (state.load(std::memory_order_relaxed) == kUnknown) {
        trace.path = platform::environmentVariable(kTraceVariable);
        state.store(trace.path.empty() ? kOff : kOn, std::memory_order_release);
    }
    return state.load(std::memory_order_relaxed) == kOn;
}

} // namespace

void mark(const char* phase) {
    if (!on())
        return;
    std::uint64_t now = platform::realSystemFileTime();
    Trace& trace = theTrace();
    platform::CriticalSectionGuard guard(trace.lock);
    if (trace.origin == 0) {
        // Where the platform cannot say when the process began, the first
        // mark is the origin.
        std::uint64_t created = platform::processCreationFileTime();
        trace.origin = created != 0 && created <= now ? created : now;
        trace.last = trace.origin;
        trace.text = "    since start   since last    resident  phase\n";
    }
    char line[256];
    std::snprintf(line, sizeof line, "%10.1f ms %10.1f ms %7llu KiB  %s\n",
                  millis(now - trace.origin), millis(now - trace.last),
                  static_cast<unsigned long long>(platform::processResidentBytes() / 1024), phase);
    trace.text += line;
    trace.last = now;
}

void flush() {
    if (!on())
        return;
    Trace& trace = theTrace();
    platform::CriticalSectionGuard guard(trace.lock);
    platform::writeFile(trace.path.c_str(), trace.text.data(), trace.text.size());
}

std::string text() {
    if (!on())
        return {};
    Trace& trace = theTrace();
    platform::CriticalSectionGuard guard(trace.lock);
    return trace.text;
}

void reset() {
    Trace& trace = theTrace();
    platform::CriticalSectionGuard guard(trace.lock);
    trace.path.clear();
    trace.origin = trace.last = 0;
    trace.text.clear();
    state.store(kUnknown, std::memory_order_release);
}

} // namespace s::trace
