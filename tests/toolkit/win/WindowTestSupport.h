#pragma once

#include "foundation/objects/Pools.h"
#include "toolkit/drawers/IDrawer.h"
#include "toolkit/win/Window.h"

#include <windows.h>

#include <atomic>
#include <utility>

namespace s::test {

// A window taken from its pool and given back at scope end.
class TestWindow {
public:
    TestWindow() : window_(thread::take<gui::win::Window>()) {}
    ~TestWindow() { reset(); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    gui::win::Window* operator->() const { return window_; }
    gui::win::Window& operator*() const { return *window_; }
    gui::win::Window* get() const { return window_; }
    void reset() {
        if (window_ != nullptr)
            std::exchange(window_, nullptr)->release();
    }

private:
    gui::win::Window* window_;
};

// A frame painter that paints nothing; its presence makes the frame the
// window's own.
class BlankDrawer final : public gui::drawer::IDrawer {
public:
    const char16_t* getClassName() const override { return u"s_test_BlankDrawer"; }
    base::IObject* newInstance() const override { return nullptr; }
    void release() override {}
    void clear() override {}
    void paint(void*, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
};

// Runs f on the window's thread and waits for it.
template <typename F> bool onWindowThread(gui::win::Window& window, F f) {
    return window.invoke([](void* p) { (*static_cast<F*>(p))(); }, &f);
}

// Counts one event of the window and remembers the thread it came on.
class EventCounter : public gui::events::IEventListener {
public:
    void handleEvent(void*, int) override {
        ++count;
        thread = GetCurrentThreadId();
    }
    std::atomic<int> count{0};
    std::atomic<DWORD> thread{0};
};

inline double millisNow() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Real input through the platform's input queue, in screen pixels.
inline void sendMouse(DWORD flags, int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
    input.mi.dx = x * 65535 / w;
    input.mi.dy = y * 65535 / h;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
    Sleep(60);
}

inline void moveMouse(int x, int y) {
    sendMouse(0, x, y);
}

inline RECT rectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

} // namespace s::test
