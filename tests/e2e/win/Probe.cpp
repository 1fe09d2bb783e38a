// The whole-program tests' eyes and hands inside Wine: finds the program's
// visible top-level window by the start of its title and reads or closes it
// as a user would see it.
//   e2e_probe wait TITLE MS     waits until the window shows; 0 when it does
//   e2e_probe children TITLE    one line per child window, in creation order:
//                               class|text|left top right bottom, the screen
//                               rectangle left of it inside its parents
//   e2e_probe close TITLE       asks the window to close (WM_CLOSE)
//   e2e_probe gone TITLE MS     waits until no such window shows; 0 when so
//   e2e_probe bounds TITLE      the window's screen rectangle

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK findTopLevel(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t title[256] = {};
    GetWindowTextW(hwnd, title, 256);
    if (IsWindowVisible(hwnd) && std::wcsncmp(title, search->title, std::wcslen(search->title)) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND find(const wchar_t* title) {
    Search search{title, nullptr};
    EnumWindows(findTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string utf8(const wchar_t* text) {
    char out[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, nullptr, nullptr);
    return out;
}

// A collapsed box keeps its children at their sizes: what shows of a child
// is what its parents leave of it.
RECT shownRect(HWND hwnd, HWND top) {
    RECT shown{};
    GetWindowRect(hwnd, &shown);
    for (HWND parent = GetParent(hwnd); parent != nullptr && parent != top;
         parent = GetParent(parent)) {
        RECT outer{};
        GetWindowRect(parent, &outer);
        if (!IntersectRect(&shown, &shown, &outer))
            return RECT{};
    }
    if (!IsWindowVisible(hwnd))
        return RECT{};
    return shown;
}

BOOL CALLBACK printChild(HWND hwnd, LPARAM top) {
    wchar_t name[128] = {}, text[512] = {};
    GetClassNameW(hwnd, name, 128);
    // Asked of the control itself: an edit control keeps its text apart
    // from the window's caption, which is all another process reads
    // otherwise.
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &length);
    RECT r = shownRect(hwnd, reinterpret_cast<HWND>(top));
    std::printf("%s|%s|%ld %ld %ld %ld\n", utf8(name).c_str(), utf8(text).c_str(), r.left, r.top,
                r.right, r.bottom);
    return TRUE;
}

bool waitUntil(const wchar_t* title, int ms, bool shown) {
    for (int waited = 0;; waited += 50) {
        if ((find(title) != nullptr) == shown)
            return true;
        if (waited >= ms)
            return false;
        Sleep(50);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return 2;
    // Reads the program's windows in the display's own pixels, as xdotool
    // and the screenshots see them, whatever the display's scaling.
    SetProcessDPIAware();
    std::wstring command = argv[1];
    const wchar_t* title = argv[2];
    int ms = argc > 3 ? _wtoi(argv[3]) : 0;
    if (command == L"wait")
        return waitUntil(title, ms, true) ? 0 : 1;
    if (command == L"gone")
        return waitUntil(title, ms, false) ? 0 : 1;
    HWND window = find(title);
    if (window == nullptr)
        return 1;
    if (command == L"children") {
        EnumChildWindows(window, printChild, reinterpret_cast<LPARAM>(window));
        std::fflush(stdout);
        return 0;
    }
    if (command == L"bounds") {
        RECT r{};
        GetWindowRect(window, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        std::fflush(stdout);
        return 0;
    }
    if (command == L"close")
        return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    return 2;
}
