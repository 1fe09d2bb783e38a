// How late the action point of a real count-down falls after its target.
// Runs a number of 2-second "After" count-downs on the timer's worker with
// the real clock and prints the lateness of each "ProcessStatusAction".
//
//   action_latency_bench.exe [runs]   (default 20)

#include "foundation/TimeFunctions.h"
#include "timer/win/Dialog.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace s::sound::gui::dialogs::plinkett;

namespace {

class ActionProbe : public s::gui::events::IEventListener {
public:
    explicit ActionProbe(Dialog& dialog) : dialog_(dialog) {
        done_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    }
    ~ActionProbe() override { CloseHandle(done_); }

    void handleEvent(void*, int) override {
        const void* name = dialog_.window().getRequestValue1();
        if (name == kProcessStatusAction)
            lateMs_ = s::time::nowMillis() - dialog_.targetMs();
        else if (name == kProcessStatusEnd)
            SetEvent(done_);
    }

    HANDLE done() const { return done_; }
    std::int64_t lateMs() const { return lateMs_; }

private:
    Dialog& dialog_;
    HANDLE done_;
    std::int64_t lateMs_ = -1;
};

void startStop(void* dialog) { static_cast<Dialog*>(dialog)->requestStartStop(); }

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    if (runs <= 0)
        runs = 20;
    Dialog dialog;
    if (!dialog.openWindow()) {
        std::fprintf(stderr, "no request channel\n");
        return 1;
    }
    ActionProbe probe(dialog);
    dialog.window().addListener(&probe);
    dialog.timeEntry().afterMin.set(u"0");
    dialog.timeEntry().afterSec.set(u"2");

    std::vector<std::int64_t> late;
    for (int i = 0; i < runs; ++i) {
        dialog.window().invoke(startStop, &dialog);
        WaitForSingleObject(probe.done(), 10000);
        late.push_back(probe.lateMs());
        std::printf("run %2d: action %lld ms after the target\n", i + 1,
                    static_cast<long long>(probe.lateMs()));
        // Let the worker go idle before the next start.
        while (dialog.isRunning())
            Sleep(5);
        Sleep(100);
    }
    std::sort(late.begin(), late.end());
    long long sum = 0;
    for (auto v : late)
        sum += v;
    std::printf("action lateness over %d runs: min %lld ms, median %lld ms, mean %lld ms, max %lld ms\n",
                runs, static_cast<long long>(late.front()),
                static_cast<long long>(late[late.size() / 2]), sum / runs,
                static_cast<long long>(late.back()));
    return 0;
}
