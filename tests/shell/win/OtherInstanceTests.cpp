#include "shell/win/AppBase.h"

#include "foundation/system/win/Handles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using s::app::win::AppBase;

namespace {

constexpr wchar_t kChildVariable[] = L"TARNWICK_TEST_CHILD";
constexpr wchar_t kChildTest[] = L"OtherInstance.ChildWaitsForTheWakeMessage";
constexpr wchar_t kClosingChildTest[] = L"OtherInstance.ChildEndsAfterItsWindowClosed";

constexpr UINT_PTR kWokenTimer = 2;

LRESULT CALLBACK childWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Woken, it stays shown a moment, as a running copy does.
    if (message == AppBase::kWakeMessage) {
        SetTimer(window, kWokenTimer, 1000, nullptr);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring ownPath() {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// Starts program as a waiting copy (or the given child test); its window
// appears within 20 s.
PROCESS_INFORMATION startChild(const std::wstring& program, const wchar_t* test = kChildTest) {
    SetEnvironmentVariableW(kChildVariable, L"1");
    std::wstring command = L"\"" + program + L"\" --gtest_filter=" + test;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                   &startup, &child);
    SetEnvironmentVariableW(kChildVariable, nullptr);
    return child;
}

bool waitForWindowOf(DWORD processId) {
    for (int i = 0; i < 400; ++i) {
        HWND window = FindWindowW(nullptr, L"Vexa Tarnwick");
        DWORD owner = 0;
        if (window != nullptr && GetWindowThreadProcessId(window, &owner) && owner == processId)
            return true;
        Sleep(50);
    }
    return false;
}

// Ends a started copy that still runs and closes its handles, at the latest
// when it leaves scope, so that an assertion that gives up early leaves no
// copy behind.
class RunningChild {
public:
    explicit RunningChild(const PROCESS_INFORMATION& child)
        : process_(child.hProcess), thread_(child.hThread) {}
    ~RunningChild() { end(); }
    RunningChild(const RunningChild&) = delete;
    RunningChild& operator=(const RunningChild&) = delete;

    void end() {
        if (!process_)
            return;
        if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.get(), 2);
        WaitForSingleObject(process_.get(), 5000);
        process_.reset();
        thread_.reset();
    }

private:
    s::system::win::Handle process_;
    s::system::win::Handle thread_;
};

} // namespace

// Runs only in the child: a window with the product's title that waits for
// the wake message and ends with 0 when it came.
TEST(OtherInstance, ChildWaitsForTheWakeMessage) {
    if (GetEnvironmentVariableW(kChildVariable, nullptr, 0) == 0)
        GTEST_SKIP() << "runs as the child of the other tests";
    WNDCLASSW wc{};
    wc.lpfnWndProc = childWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TarnwickTestInstance";
    RegisterClassW(&wc);
    HWND window = CreateWindowW(wc.lpszClassName, L"Vexa Tarnwick", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                100, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SetTimer(window, 1, 20000, nullptr);
    MSG msg;
    bool woken = false;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER) {
            woken = msg.wParam == kWokenTimer;
            break;
        }
        DispatchMessageW(&msg);
    }
    DestroyWindow(window);
    ExitProcess(woken ? 0 : 1);
}

// Runs only in the child: a copy whose window has closed and which takes a
// while to end, as the program does while it tears down.
TEST(OtherInstance, ChildEndsAfterItsWindowClosed) {
    if (GetEnvironmentVariableW(kChildVariable, nullptr, 0) == 0)
        GTEST_SKIP() << "runs as the child of the other tests";
    HWND window = CreateWindowW(L"STATIC", L"Vexa Tarnwick", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_HIDE);
    MSG msg;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 2500;) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(20);
    }
    DestroyWindow(window);
    ExitProcess(0);
}

TEST(OtherInstance, ACopyFromTheSamePathIsFoundAndWoken) {
    PROCESS_INFORMATION child = startChild(ownPath());
    RunningChild running(child);
    ASSERT_NE(child.hProcess, nullptr);
    ASSERT_TRUE(waitForWindowOf(child.dwProcessId));
    {
        AppBase base;
        EXPECT_TRUE(base.findOtherInstanceWindow(false)) << "through the desktop's windows";
        EXPECT_TRUE(base.findOtherInstance(true));
    }
    ASSERT_EQ(WaitForSingleObject(child.hProcess, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD code = 9;
    GetExitCodeProcess(child.hProcess, &code);
    EXPECT_EQ(code, 0u) << "the running copy received the wake message";
}

TEST(OtherInstance, ACopyThatIsClosingIsWaitedForAndNotHandedOver) {
    PROCESS_INFORMATION child = startChild(ownPath(), kClosingChildTest);
    RunningChild running(child);
    ASSERT_NE(child.hProcess, nullptr);
    ASSERT_TRUE(waitForWindowOf(child.dwProcessId));
    {
        AppBase base;
        EXPECT_TRUE(base.findOtherInstance(false)) << "still listed while it ends";
        EXPECT_FALSE(base.findOtherInstance(true)) << "this start goes on";
    }
    EXPECT_EQ(WaitForSingleObject(child.hProcess, 0), static_cast<DWORD>(WAIT_OBJECT_0));
}

TEST(OtherInstance, ACopyFromAnotherPathIsNotAnotherInstance) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring copy = std::wstring(temp) + L"tarnwick_other_copy.exe";
    ASSERT_TRUE(CopyFileW(ownPath().c_str(), copy.c_str(), FALSE));
    PROCESS_INFORMATION child = startChild(copy);
    RunningChild running(child);
    ASSERT_NE(child.hProcess, nullptr);
    ASSERT_TRUE(waitForWindowOf(child.dwProcessId));
    {
        AppBase base;
        EXPECT_FALSE(base.findOtherInstance(false));
        EXPECT_FALSE(base.findOtherInstanceWindow(false));
    }
    running.end();
    DeleteFileW(copy.c_str());
}
