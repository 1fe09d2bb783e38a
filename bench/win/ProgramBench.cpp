// Whole-program measurements under Wine, taken from outside the program as
// a user would notice them (bench/timer_window_bench.sh runs them):
//
//   program_bench.exe start RUNS TITLE PROGRAM [ARGUMENTS]
//       from creating the process to its window (the first visible top-level
//       window whose title starts with TITLE) shown with nothing left to
//       paint in it or any child; then closes the window and waits for the
//       process to end. Prints each run (the moment the window first showed,
//       and the moment it was painted) and the medians.
//   program_bench.exe children TITLE
//       counts the native children of the window by kind (the toolkit's
//       own class, buttons, combo boxes, edit fields), all and shown, and
//       prints them as bare_children.exe takes them.
//   program_bench.exe itstime TITLE
//       waits for the timer window's count-down label to say "It's Time!"
//       and to be painted, and prints how long after the stored target
//       (TargetMilliSec) that was, in milliseconds.

#include "foundation/system/win/Handles.h"

#include "BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD processId; // 0: any process
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK findTopLevel(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (search->processId != 0 && owner != search->processId)
        return TRUE;
    wchar_t title[256] = {};
    GetWindowTextW(hwnd, title, 256);
    if (IsWindowVisible(hwnd) && std::wcsncmp(title, search->title, std::wcslen(search->title)) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND find(DWORD processId, const wchar_t* title) {
    Search search{processId, title, nullptr};
    EnumWindows(findTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK findUnpainted(HWND hwnd, LPARAM param) {
    if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

// Shown, and neither the window nor a shown child waits to be painted.
bool painted(HWND hwnd) {
    if (!IsWindowVisible(hwnd) || GetUpdateRect(hwnd, nullptr, FALSE))
        return false;
    bool unpainted = false;
    EnumChildWindows(hwnd, findUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int startRuns(int runs, const wchar_t* title, int argc, wchar_t** argv) {
    std::wstring command;
    for (int i = 0; i < argc; ++i)
        command += (i ? L" \"" : L"\"") + std::wstring(argv[i]) + L"\"";
    std::vector<double> shownTimes, paintedTimes;
    for (int run = 0; run < runs; ++run) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::wstring line = command;
        double start = bench::nowMs();
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            std::printf("cannot start the program\n");
            return 1;
        }
        s::system::win::Handle processHandle(process.hProcess);
        s::system::win::Handle threadHandle(process.hThread);
        HWND window = nullptr;
        double shown = -1, done = -1;
        while (bench::nowMs() - start < 60000) {
            if (window == nullptr && (window = find(process.dwProcessId, title)) != nullptr)
                shown = bench::nowMs() - start;
            if (window != nullptr && painted(window)) {
                done = bench::nowMs() - start;
                break;
            }
            Sleep(1);
        }
        std::printf("run %d: shown after %.1f ms, painted after %.1f ms\n", run + 1, shown, done);
        std::fflush(stdout);
        shownTimes.push_back(shown);
        paintedTimes.push_back(done);
        if (window != nullptr)
            PostMessageW(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
    }
    std::printf("median: shown after %.1f ms, painted after %.1f ms\n", median(shownTimes),
                median(paintedTimes));
    return 0;
}

BOOL CALLBACK findCountdown(HWND hwnd, LPARAM param) {
    wchar_t text[64] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                        &length);
    std::size_t n = std::wcslen(text);
    // The count-down label while counting: "2s", "1m 5s", ...
    if (n >= 2 && text[n - 1] == L's' && iswdigit(text[0])) {
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::int64_t nowUnixMs() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    std::int64_t ticks = static_cast<std::int64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime;
    return (ticks - 116444736000000000LL) / 10000;
}

int itsTime(const wchar_t* title) {
    HWND window = find(0, title);
    HWND label = nullptr;
    for (int i = 0; i < 200 && label == nullptr; ++i) {
        window = window != nullptr ? window : find(0, title);
        if (window != nullptr)
            EnumChildWindows(window, findCountdown, reinterpret_cast<LPARAM>(&label));
        if (label == nullptr)
            Sleep(10);
    }
    if (label == nullptr) {
        std::printf("no count-down shows\n");
        return 1;
    }
    for (double start = bench::nowMs(); bench::nowMs() - start < 120000;) {
        wchar_t text[64] = {};
        DWORD_PTR length = 0;
        SendMessageTimeoutW(label, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 1000, &length);
        if (std::wcscmp(text, L"It's Time!") == 0 && !GetUpdateRect(label, nullptr, FALSE)) {
            std::int64_t shownAt = nowUnixMs();
            std::int64_t target = 0;
            DWORD size = sizeof target;
            if (RegGetValueW(HKEY_CURRENT_USER,
                             L"Software\\Vexa\\Vexa Tarnwick\\SaveData\\MainWindow\\View",
                             L"TargetMilliSec", RRF_RT_REG_BINARY, nullptr, &target,
                             &size) != ERROR_SUCCESS) {
                std::printf("no target stored\n");
                return 1;
            }
            std::printf("%lld\n", static_cast<long long>(shownAt - target));
            return 0;
        }
        Sleep(1);
    }
    std::printf("\"It's Time!\" never showed\n");
    return 1;
}

struct ChildCounts {
    const wchar_t* classNames[4] = {L"OstrelWindowClass", L"Button", L"ComboBox", L"Edit"};
    int all[4] = {};
    int shown[4] = {};
    int others = 0;
};

BOOL CALLBACK countChild(HWND hwnd, LPARAM param) {
    auto* counts = reinterpret_cast<ChildCounts*>(param);
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    for (int i = 0; i < 4; ++i) {
        if (lstrcmpiW(className, counts->classNames[i]) == 0) {
            ++counts->all[i];
            // Its own flag: a child of a hidden box is not visible either way.
            if (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE)
                ++counts->shown[i];
            return TRUE;
        }
    }
    ++counts->others;
    return TRUE;
}

int children(const wchar_t* title) {
    HWND window = nullptr;
    for (int i = 0; i < 3000 && (window = find(0, title)) == nullptr; ++i)
        Sleep(10);
    if (window == nullptr) {
        std::printf("no window\n");
        return 1;
    }
    ChildCounts counts;
    EnumChildWindows(window, countChild, reinterpret_cast<LPARAM>(&counts));
    for (int i = 0; i < 4; ++i)
        std::printf("%d %d ", counts.all[i], counts.shown[i]);
    std::printf("\n");
    if (counts.others > 0)
        std::fprintf(stderr, "%d children of other kinds\n", counts.others);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"start" && argc > 4)
        return startRuns(_wtoi(argv[2]), argv[3], argc - 4, argv + 4);
    if (command == L"children" && argc > 2)
        return children(argv[2]);
    if (command == L"itstime" && argc > 2)
        return itsTime(argv[2]);
    std::printf("usage: program_bench start RUNS TITLE PROGRAM [ARGUMENTS] | children TITLE | itstime TITLE\n");
    return 2;
}
