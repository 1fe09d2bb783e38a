#include "shell/win/TarnwickApp.h"

#include "foundation/system/DiagnosticLog.h"
#include "foundation/system/OsVersion.h"
#include "foundation/system/win/Handles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> logSince(std::size_t first) {
    std::vector<std::string> all = s::log::lines();
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(first, all.size())), all.end()};
}

// The start-up and tear-down steps among the log lines, as "s1" ... "t4".
std::string steps(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        const char* kinds[] = {"start-up ", "tear-down "};
        for (const char* kind : kinds) {
            std::string prefix(kind);
            if (line.compare(0, prefix.size(), prefix) == 0) {
                if (!out.empty())
                    out += ' ';
                out += kind[0] == 's' ? 's' : 't';
                out += line.substr(prefix.size(), line.find(':') - prefix.size());
            }
        }
    }
    return out;
}

// Finds the application's message box, notes its text and presses OK.
struct BoxCloser {
    std::wstring text;
    bool found = false;

    static BOOL CALLBACK collectText(HWND child, LPARAM self) {
        wchar_t className[32];
        GetClassNameW(child, className, 32);
        if (lstrcmpiW(className, L"Static") == 0) {
            wchar_t buffer[512];
            int n = GetWindowTextW(child, buffer, 512);
            if (n > static_cast<int>(reinterpret_cast<BoxCloser*>(self)->text.size()))
                reinterpret_cast<BoxCloser*>(self)->text.assign(buffer,
                                                                static_cast<std::size_t>(n));
        }
        return TRUE;
    }

    static DWORD WINAPI watch(void* parameter) {
        auto* self = static_cast<BoxCloser*>(parameter);
        // Generous: a loaded machine may take a while to bring the first box up.
        for (int i = 0; i < 1500; ++i) {
            HWND box = FindWindowW(L"#32770", L"Vexa Tarnwick");
            if (box != nullptr) {
                self->found = true;
                EnumChildWindows(box, collectText, reinterpret_cast<LPARAM>(self));
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return 0;
            }
            Sleep(20);
        }
        return 1;
    }
};

// Closes the timer window of this process, as a user would, once it shows.
struct WindowCloser {
    bool closed = false;

    static BOOL CALLBACK closeTimerWindow(HWND hwnd, LPARAM self) {
        DWORD process = 0;
        GetWindowThreadProcessId(hwnd, &process);
        wchar_t title[64] = {};
        GetWindowTextW(hwnd, title, 64);
        if (process != GetCurrentProcessId() || !IsWindowVisible(hwnd) ||
            std::wstring(title).rfind(L"Vexa Tarnwick", 0) != 0)
            return TRUE;
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
        reinterpret_cast<WindowCloser*>(self)->closed = true;
        return FALSE;
    }

    static DWORD WINAPI watch(void* parameter) {
        auto* self = static_cast<WindowCloser*>(parameter);
        for (int i = 0; i < 1500 && !self->closed; ++i) {
            EnumWindows(closeTimerWindow, reinterpret_cast<LPARAM>(self));
            Sleep(20);
        }
        return self->closed ? 0 : 1;
    }
};

class Startup : public ::testing::Test {
protected:
    void TearDown() override { s::system::OsVersion::setForTesting(s::system::queryOsVersion()); }
};

} // namespace

TEST_F(Startup, SupportedSystemRunsEveryStepInOrderAndAnswersFalse) {
    std::size_t first = s::log::lines().size();
    bool answer = true;
    WindowCloser closer;
    s::system::win::Handle watcher(
        CreateThread(nullptr, 0, &WindowCloser::watch, &closer, 0, nullptr));
    {
        CTarnwickApp app;
        answer = app.initInstance();
    }
    WaitForSingleObject(watcher.get(), 30000);
    EXPECT_TRUE(closer.closed) << "the timer window showed";
    EXPECT_FALSE(answer);
    // The test program has arguments, so the first-start step is skipped.
    EXPECT_EQ(steps(logSince(first)), "s1 s2 s3 s4 s5 s6 s7 s8 s9 s10 t1 t2 t3 t4");
}

TEST_F(Startup, UnsupportedSystemShowsTheMessageAndCreatesNoTimer) {
    s::system::OsVersion::setForTesting({true, 5, 0});
    std::size_t first = s::log::lines().size();
    BoxCloser closer;
    s::system::win::Handle watcher(CreateThread(nullptr, 0, BoxCloser::watch, &closer, 0, nullptr));
    bool answer = true;
    {
        CTarnwickApp app;
        answer = app.initInstance();
    }
    WaitForSingleObject(watcher.get(), 40000);
    EXPECT_FALSE(answer);
    ASSERT_TRUE(closer.found) << "no message box appeared";
    EXPECT_EQ(closer.text, L"This Operating System is currently not supported by this "
                           L"Application. We are sorry for the inconvenience.");
    EXPECT_EQ(steps(logSince(first)), "s1 s2 s3 s4 s5 s6 t2 t3 t4");
}
