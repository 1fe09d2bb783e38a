// How late the action point of a real count-down falls after its target.
// Runs a number of 2-second "After" count-downs on the timer's worker with
// the real clock and prints the lateness of each "ProcessStatusAction".
// Given sound files, the action plays them, each for that number of runs,
// and the time from the action point to the first bytes at the device is
// measured too (and then the time a stop takes to end the sound and the
// run), read from the ALSA capture file the device writes into under Wine.
// Each file gets its own figures, so files that differ in one respect (a
// large tag, say) compare in one run; a file that cannot be played (a
// missing one) measures the way to the default alarm that stands in for it,
// which must lie beside the bench as it lies beside the program. Without a
// sound each run is stopped at its action point:
//
//   action_latency_bench.exe [runs] [sound file ...]   (default 20 runs, no sound)
//   export TARNWICK_AUDIO_CAPTURE=/tmp/capture.raw ALSA_CONFIG_PATH=tools/alsa-capture.conf

#include "foundation/system/win/Handles.h"
#include "foundation/time/TimeFunctions.h"
#include "timer/win/Dialog.h"

#include "BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace s::sound::gui::dialogs::plinkett;

namespace {

using bench::fileSize;
using bench::nowMs;

template <typename T> void report(const char* what, std::vector<T> values, const char* unit) {
    std::sort(values.begin(), values.end());
    double sum = 0;
    for (auto v : values)
        sum += static_cast<double>(v);
    std::printf("%s over %zu runs: min %.1f %s, median %.1f %s, mean %.1f %s, max %.1f %s\n", what,
                values.size(), static_cast<double>(values.front()), unit,
                static_cast<double>(values[values.size() / 2]), unit, sum / values.size(), unit,
                static_cast<double>(values.back()), unit);
}

class ActionProbe : public s::gui::events::IEventListener {
public:
    explicit ActionProbe(Dialog& dialog)
        : dialog_(dialog), done_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

    void handleEvent(void*, int) override {
        const void* name = dialog_.window().getRequestValue1();
        if (name == kProcessStatusAction) {
            lateMs_ = s::time::nowMillis() - dialog_.targetMs();
            actionAt_ = nowMs();
        }
        else if (name == kProcessStatusEnd)
            SetEvent(done_.get());
    }

    HANDLE done() const { return done_.get(); }
    std::int64_t lateMs() const { return lateMs_; }
    double actionAt() const { return actionAt_; }
    void forget() { actionAt_ = 0; }

private:
    std::atomic<double> actionAt_{0};
    Dialog& dialog_;
    s::system::win::Handle done_;
    std::int64_t lateMs_ = -1;
};

void startStop(void* dialog) { static_cast<Dialog*>(dialog)->requestStartStop(); }

// The figures of one sound file (or of none).
struct Runs {
    std::wstring sound;
    std::string name;
    std::vector<double> firstBytes, stops;
};

constexpr double kFirstSoundLimitMs = 30000;

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    if (runs <= 0)
        runs = 20;
    std::vector<Runs> files;
    for (int i = 2; i < argc; ++i) {
        std::string path = argv[i];
        Runs& file = files.emplace_back();
        file.sound.assign(path.begin(), path.end());
        file.name = path.substr(path.find_last_of("\\/") + 1);
    }
    std::wstring capture;
    if (!files.empty()) {
        wchar_t unixPath[1024] = {};
        if (GetEnvironmentVariableW(L"TARNWICK_AUDIO_CAPTURE", unixPath, 1024) == 0) {
            std::fprintf(stderr, "set TARNWICK_AUDIO_CAPTURE to the capture file\n");
            return 2;
        }
        capture = std::wstring(L"Z:") + unixPath;
    } else {
        files.push_back({});
    }
    Dialog dialog;
    if (!dialog.openWindow()) {
        std::fprintf(stderr, "no request channel\n");
        return 1;
    }
    ActionProbe probe(dialog);
    dialog.window().addRequestListener(&probe);
    dialog.timeEntry().afterMin.set(u"0");
    dialog.timeEntry().afterSec.set(u"2");
    dialog.actionEntry().repeatChecked = false;

    std::vector<std::int64_t> late;
    for (Runs& file : files) {
        dialog.actionEntry().pathText.set(reinterpret_cast<const char16_t*>(file.sound.c_str()));
        for (int i = 0; i < runs; ++i) {
            if (!capture.empty())
                DeleteFileW(capture.c_str());
            probe.forget();
            dialog.window().invoke(startStop, &dialog);
            if (!capture.empty()) {
                // The sound: from the action point to its first bytes, then stop.
                double start = nowMs();
                while (probe.actionAt() == 0 && nowMs() - start < 10000)
                    Sleep(1);
                while (fileSize(capture) <= 0 && nowMs() - probe.actionAt() < kFirstSoundLimitMs)
                    Sleep(1);
                file.firstBytes.push_back(nowMs() - probe.actionAt());
                double stopAt = nowMs();
                dialog.window().invoke(startStop, &dialog);
                WaitForSingleObject(probe.done(), 10000);
                file.stops.push_back(nowMs() - stopAt);
            } else {
                double start = nowMs();
                while (probe.actionAt() == 0 && nowMs() - start < 10000)
                    Sleep(1);
                dialog.window().invoke(startStop, &dialog);
                WaitForSingleObject(probe.done(), 10000);
            }
            late.push_back(probe.lateMs());
            std::printf("%s%srun %2d: action %lld ms after the target", file.name.c_str(),
                        file.name.empty() ? "" : " ", i + 1,
                        static_cast<long long>(probe.lateMs()));
            if (!file.firstBytes.empty())
                std::printf(", first sound %.1f ms after the action, stopped in %.1f ms",
                            file.firstBytes.back(), file.stops.back());
            std::printf("\n");
            // Let the worker go idle before the next start.
            while (dialog.isRunning())
                Sleep(5);
            Sleep(100);
        }
    }
    report("action lateness", late, "ms");
    for (const Runs& file : files) {
        if (file.firstBytes.empty())
            continue;
        std::string what = "action to the first sound at the device, " + file.name;
        report(what.c_str(), file.firstBytes, "ms");
        what = "stop pressed to the end of the run, " + file.name;
        report(what.c_str(), file.stops, "ms");
    }
    return 0;
}
