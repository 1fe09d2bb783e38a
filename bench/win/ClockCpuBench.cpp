// The processor time the Clock View's tick costs: the clock thread's 50 ms
// passes and the once-a-second request handled on the window's thread,
// measured over the whole process for a given number of seconds.
//
//   clock_cpu_bench.exe [seconds]   (default 10)

#include "timer/win/ClockThread.h"
#include "foundation/objects/Pools.h"
#include "toolkit/win/Window.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

double processCpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto value = [](const FILETIME& ft) {
        return (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    };
    return static_cast<double>(value(kernel) + value(user)) / 10000.0;
}

struct Ticks : s::gui::events::IEventListener {
    void handleEvent(void*, int) override { ++count; }
    int count = 0;
};

} // namespace

int main(int argc, char** argv) {
    int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    if (seconds <= 0)
        seconds = 10;
    s::gui::win::Window& window = *s::thread::take<s::gui::win::Window>();
    if (!window.isCreated())
        return 1;
    Ticks ticks;
    window.addRequestListener(&ticks);
    s::sound::gui::dialogs::plinkett::ClockThread clock;
    double before = processCpuMs();
    clock.start(&window);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    clock.clear();
    double used = processCpuMs() - before;
    window.release();
    std::printf(
        "clock thread over %d s: %d ticks, %.1f ms of processor time (%.3f %% of one core)\n",
        seconds, ticks.count, used, 100.0 * used / (seconds * 1000.0));
    return 0;
}
