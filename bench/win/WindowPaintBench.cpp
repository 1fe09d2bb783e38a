// Creating, showing and first painting a toolkit Window that holds 50 nested
// boxes, side by side with a bare Win32 program that creates, shows and
// paints one window (and, to tell the platform's share, one with 50 nested
// child windows that only fill); then the time of one full repaint of the
// toolkit window (the window and every box, through their back buffers),
// on the window's thread, beside the bare one's. Reports medians and the
// slowest round.
//
//   window_paint_bench.exe [rounds] [hold-ms]   (default 20, 0)
//
// With hold-ms the last toolkit window stays on the screen that long, to be
// looked at.

#include "foundation/objects/Pools.h"
#include "toolkit/box/Box.h"
#include "toolkit/win/Window.h"

#include "BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using s::gui::win::Box;
using s::gui::win::Window;

constexpr int kRows = 7;
constexpr int kBoxesPerRow = 6;
// The top box, its rows and their boxes.
constexpr int kBoxes = 1 + kRows + kRows * kBoxesPerRow;
static_assert(kBoxes == 50);

struct PaintCounter : s::gui::events::IEventListener {
    void handleEvent(void*, int) override { ++count; }
    std::atomic<int> count{0};
};

Box* box(PaintCounter& painted, int width, int height) {
    Box* b = s::thread::take<Box>();
    if (width > 0)
        b->setFixedWidth(width, false);
    if (height > 0)
        b->setFixedHeight(height, false);
    b->addPaintListener(&painted);
    return b;
}

// A column of rows of boxes, every other one transparent; the leaves are
// 30 × 30 with a margin, so each level shows.
Box* boxTree(PaintCounter& painted) {
    Box* top = box(painted, 0, 0);
    top->setInsets(4);
    top->setVerticalGap(4);
    top->setBackground(230, 230, 240, false);
    for (int r = 0; r < kRows; ++r) {
        Box* row = box(painted, 0, 0);
        row->setRowLayout();
        row->setInsets(2);
        row->setHorizontalGap(4);
        if (r % 2 == 0)
            row->setBackground(200, 210, 230, false);
        for (int c = 0; c < kBoxesPerRow; ++c) {
            Box* leaf = box(painted, 30, 30);
            if ((r + c) % 2 == 0)
                leaf->setBackground(static_cast<std::uint8_t>(40 * c), 120,
                                    static_cast<std::uint8_t>(30 * r), false);
            row->add(leaf);
        }
        top->add(row);
    }
    return top;
}

// Where the toolkit window's time goes: its thread and native windows, the
// boxes' child windows and layout, showing with the first paint.
struct Phases {
    std::vector<double> create, attach, show;
} phases;

double toolkitFirstPaint(double& repaintMs, int repaints, int holdMs) {
    PaintCounter painted;
    double start = bench::nowMs();
    auto* window = s::thread::take<Window>();
    double t1 = bench::nowMs();
    window->setBounds(100, 100, 260, 320);
    window->add(boxTree(painted));
    double t2 = bench::nowMs();
    window->show(true, false);
    HWND hwnd = window->handle();
    // Whatever is still invalid is painted now, children included.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    phases.create.push_back(t1 - start);
    phases.attach.push_back(t2 - t1);
    phases.show.push_back(bench::nowMs() - t2);
    double elapsed = bench::nowMs() - start;
    if (painted.count < kBoxes)
        std::printf("warning: only %d of %d boxes painted\n", painted.count.load(), kBoxes);
    std::vector<double> times;
    // Timed on the window's thread, where the program repaints.
    struct Repaint {
        Window* window;
        std::vector<double>* times;
    } job{window, &times};
    for (int i = 0; i < repaints; ++i) {
        window->invoke(
            [](void* p) {
                auto* r = static_cast<Repaint*>(p);
                double t = bench::nowMs();
                r->window->repaint();
                r->times->push_back(bench::nowMs() - t);
            },
            &job);
    }
    std::sort(times.begin(), times.end());
    repaintMs = times.empty() ? 0 : times[times.size() / 2];
    if (holdMs > 0)
        Sleep(static_cast<DWORD>(holdMs));
    window->release();
    return elapsed;
}

LRESULT CALLBACK bareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        FillRect(dc, &ps.rcPaint, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool registerBareClass() {
    static bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = bareProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"BarePaintBench";
        return RegisterClassExW(&wc) != 0;
    }();
    return registered;
}

HWND bareChild(HWND parent, int x, int y, int w, int h) {
    return CreateWindowExW(0, L"BarePaintBench", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y,
                           w, h, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// One window, or one with the same 50 nested child windows as the toolkit's
// (each painting a plain fill), on this thread. With children, repaintMs
// gets the median of full repaints.
double bareFirstPaint(bool children, double* repaintMs) {
    if (!registerBareClass())
        return 0;
    double start = bench::nowMs();
    HWND hwnd = CreateWindowExW(0, L"BarePaintBench", L"Bare", WS_OVERLAPPEDWINDOW, 100, 100, 260,
                                320, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (children) {
        HWND top = bareChild(hwnd, 0, 0, 240, 270);
        for (int r = 0; r < kRows; ++r) {
            HWND row = bareChild(top, 4, 4 + 38 * r, 212, 34);
            for (int c = 0; c < kBoxesPerRow; ++c)
                bareChild(row, 2 + 34 * c, 2, 30, 30);
        }
    }
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    double elapsed = bench::nowMs() - start;
    if (repaintMs != nullptr) {
        std::vector<double> times;
        for (int i = 0; i < 10; ++i) {
            double t = bench::nowMs();
            RedrawWindow(hwnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
            times.push_back(bench::nowMs() - t);
        }
        std::sort(times.begin(), times.end());
        *repaintMs = times[times.size() / 2];
    }
    DestroyWindow(hwnd);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    return elapsed;
}

void report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-48s median %7.2f ms, slowest %7.2f ms (%zu rounds)\n", what,
                times[times.size() / 2], times.back(), times.size());
}

} // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    if (rounds <= 0)
        rounds = 20;
    int holdMs = argc > 2 ? std::atoi(argv[2]) : 0;
    std::vector<double> bare, bareChildren, bareRepaint, toolkit, repaint;
    // Rounds alternate, so that all see the same state of the display.
    for (int i = 0; i < rounds; ++i) {
        bare.push_back(bareFirstPaint(false, nullptr));
        double repaintMs = 0;
        bareChildren.push_back(bareFirstPaint(true, &repaintMs));
        bareRepaint.push_back(repaintMs);
        toolkit.push_back(toolkitFirstPaint(repaintMs, 10, i == rounds - 1 ? holdMs : 0));
        repaint.push_back(repaintMs);
    }
    report("bare Win32, one window: create, show, paint", bare);
    report("bare Win32, 50 nested child windows: the same", bareChildren);
    report("Window with 50 nested boxes: the same", toolkit);
    report("  of which the window and its thread", phases.create);
    report("  of which attaching and laying out the boxes", phases.attach);
    report("  of which showing and the first paint", phases.show);
    report("bare Win32, 50 child windows: full repaint", bareRepaint);
    report("Window with 50 nested boxes: full repaint", repaint);
    return 0;
}
