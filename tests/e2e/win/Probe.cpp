// The whole-program tests' eyes and hands inside Wine: finds the program's
// visible top-level window by the start of its title and reads or closes it
// as a user would see it.
//   e2e_probe wait TITLE MS     waits until the window shows; 0 when it does
//   e2e_probe children TITLE    one line per child window, in creation order:
//                               class|text|left top right bottom, the screen
//                               rectangle left of it inside its parents
//   e2e_probe close TITLE       asks the window to close (WM_CLOSE)
//   e2e_probe gone TITLE MS     waits until no such window shows; 0 when so
//   e2e_probe menu TITLE        one line per entry of each open popup menu,
//                               outermost first: depth|id|text|marks, marks
//                               being C (checked), R (radio), D (disabled),
//                               S (separator), > (submenu); needs
//                               e2e_menureader.dll beside the probe
//   e2e_probe fits TITLE        one line per shown child that has a text to
//                               fit: class|text|need room, the width its
//                               text takes as drawn and the width the
//                               control leaves for it, as the control
//                               answers the message "TarnwickTextFit"
//   e2e_probe alpha TITLE       the window's layered alpha, 255 when opaque
//   e2e_probe rect TITLE        left top right bottom opacity%: the window's
//                               screen rectangle and layered opacity
//   e2e_probe state TITLE       "topmost iconic", each 1 or 0: the window
//                               is in the top-most band, is minimized
//   e2e_probe box TITLE         the children of a shown message box of that
//                               title, as children prints them
//   e2e_probe logoff TITLE      tells the window the user logs off, as the
//                               system does (WM_QUERYENDSESSION, then
//                               WM_ENDSESSION), without ending the program
//   e2e_probe broadcast NAME    posts the registered message NAME to every
//                               top-level window, as the shell does
//   e2e_probe trayforget TITLE  removes the tray icon (id 0) of every
//                               top-level window of that title, shown or
//                               not, as a restarting shell forgets them
//   e2e_probe icon EXE SIZE RGB the icon group 128 of EXE drawn at SIZE
//                               pixels over the colour RGB (hex RRGGBB) as a
//                               text PPM picture, as the shell draws it
// A window whose whole title is TITLE is taken before one whose title only
// begins with it (the version window's title begins with the timer's).
// Message boxes carry the program's title too; all but the box command look
// past them to the window itself.

#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* title;
    bool messageBox;
    bool exact;
    HWND found;
};

bool isMessageBox(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return std::wcscmp(name, L"#32770") == 0;
}

BOOL CALLBACK findTopLevel(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t title[256] = {};
    GetWindowTextW(hwnd, title, 256);
    const bool matches = search->exact
                             ? std::wcscmp(title, search->title) == 0
                             : std::wcsncmp(title, search->title, std::wcslen(search->title)) == 0;
    if (IsWindowVisible(hwnd) && isMessageBox(hwnd) == search->messageBox && matches) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND find(const wchar_t* title, bool messageBox = false) {
    for (bool exact : {true, false}) {
        Search search{title, messageBox, exact, nullptr};
        EnumWindows(findTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
    }
    return nullptr;
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

BOOL CALLBACK printFit(HWND hwnd, LPARAM top) {
    static const UINT ask = RegisterWindowMessageW(L"TarnwickTextFit");
    RECT r = shownRect(hwnd, reinterpret_cast<HWND>(top));
    DWORD_PTR answer = 0;
    if (IsRectEmpty(&r) ||
        !SendMessageTimeoutW(hwnd, ask, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) || answer == 0)
        return TRUE;
    wchar_t name[128] = {}, text[512] = {};
    GetClassNameW(hwnd, name, 128);
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &length);
    std::printf("%s|%s|%u %u\n", utf8(name).c_str(), utf8(text).c_str(),
                static_cast<unsigned>(LOWORD(answer)), static_cast<unsigned>(HIWORD(answer)));
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

struct Menus {
    HWND found[8];
    int count;
};

BOOL CALLBACK findMenuWindow(HWND hwnd, LPARAM param) {
    auto* menus = reinterpret_cast<Menus*>(param);
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    if (IsWindowVisible(hwnd) && std::wcscmp(name, L"#32768") == 0 && menus->count < 8)
        menus->found[menus->count++] = hwnd;
    return TRUE;
}

// The open popup menus, outermost first, read by e2e_menureader.dll inside
// the thread that shows them.
int printMenus() {
    Menus menus{};
    EnumWindows(findMenuWindow, reinterpret_cast<LPARAM>(&menus));
    if (menus.count == 0)
        return 1;
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, path);
    lstrcatW(path, L"e2e_probe_menu.txt");
    DeleteFileW(path);
    HMODULE reader = LoadLibraryW(L"e2e_menureader.dll");
    auto hook = reader != nullptr
                    ? reinterpret_cast<HOOKPROC>(
                          reinterpret_cast<void*>(GetProcAddress(reader, "menuReaderHook")))
                    : nullptr;
    if (hook == nullptr)
        return 2;
    const UINT ask = RegisterWindowMessageW(L"TarnwickProbeReadMenu");
    // The system lists the newest (innermost) menu window first.
    for (int i = menus.count - 1; i >= 0; --i) {
        HWND window = menus.found[i];
        HHOOK installed = SetWindowsHookExW(WH_CALLWNDPROC, hook, reader,
                                            GetWindowThreadProcessId(window, nullptr));
        if (installed == nullptr)
            return 2;
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, ask, static_cast<WPARAM>(menus.count - 1 - i), 0,
                            SMTO_ABORTIFHUNG, 2000, &ignored);
        UnhookWindowsHookEx(installed);
    }
    FILE* file = _wfopen(path, L"rb");
    if (file == nullptr)
        return 1;
    char line[1024];
    while (std::fgets(line, sizeof line, file) != nullptr)
        std::fputs(line, stdout);
    std::fclose(file);
    std::fflush(stdout);
    return 0;
}

BOOL CALLBACK forgetTrayIcon(HWND hwnd, LPARAM title) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    const auto* start = reinterpret_cast<const wchar_t*>(title);
    if (std::wcsncmp(text, start, std::wcslen(start)) == 0) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = hwnd;
        data.uID = 0;
        Shell_NotifyIconW(NIM_DELETE, &data);
    }
    return TRUE;
}

// The icon as the platform draws it over a plain background, written as a
// plain-text PPM for ImageMagick to compare with a screenshot.
int printIcon(const wchar_t* exe, int size, const wchar_t* rgb) {
    HMODULE module = LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE |
                                                      LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr || size <= 0 || size > 256)
        return 1;
    s::system::win::Icon icon(static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(128), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    if (!icon)
        return 1;
    unsigned long background = std::wcstoul(rgb, nullptr, 16);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    s::system::win::CreatedDc dc(CreateCompatibleDC(nullptr));
    s::system::win::Bitmap bitmap(
        CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        return 1;
    s::system::win::GdiObject<HBRUSH> brush(CreateSolidBrush(
        RGB(background >> 16, (background >> 8) & 0xFF, background & 0xFF)));
    s::system::win::Selection selection(dc.get(), bitmap.get());
    RECT all{0, 0, size, size};
    FillRect(dc.get(), &all, brush.get());
    DrawIconEx(dc.get(), 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::printf("P3\n%d %d\n255\n", size, size);
    const auto* pixel = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < size * size; ++i, pixel += 4)
        std::printf("%u %u %u\n", pixel[2], pixel[1], pixel[0]);
    std::fflush(stdout);
    return 0;
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
    if (command == L"menu")
        return printMenus();
    if (command == L"broadcast")
        return PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(title), 0, 0) ? 0 : 1;
    if (command == L"trayforget")
        return EnumWindows(forgetTrayIcon, reinterpret_cast<LPARAM>(title)) ? 0 : 1;
    if (command == L"icon")
        return argc > 4 ? printIcon(title, ms, argv[4]) : 2;
    HWND window = find(title, command == L"box");
    if (window == nullptr)
        return 1;
    if (command == L"alpha") {
        BYTE alpha = 255;
        DWORD flags = 0;
        if (!(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) ||
            !GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
            alpha = 255;
        std::printf("%u\n", alpha);
        return 0;
    }
    if (command == L"fits") {
        EnumChildWindows(window, printFit, reinterpret_cast<LPARAM>(window));
        std::fflush(stdout);
        return 0;
    }
    if (command == L"children" || command == L"box") {
        EnumChildWindows(window, printChild, reinterpret_cast<LPARAM>(window));
        std::fflush(stdout);
        return 0;
    }
    if (command == L"focus") {
        // The control with the keyboard focus, as children prints it, with
        // the selection of an edit field beside it ("start end").
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ||
            info.hwndFocus == nullptr || info.hwndFocus == window)
            return 1;
        wchar_t name[16] = {};
        GetClassNameW(info.hwndFocus, name, 16);
        if (lstrcmpiW(name, L"Edit") == 0) {
            DWORD_PTR selection = 0;
            SendMessageTimeoutW(info.hwndFocus, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 2000,
                                &selection);
            std::printf("%lu %lu|", static_cast<unsigned long>(LOWORD(selection)),
                        static_cast<unsigned long>(HIWORD(selection)));
        } else {
            std::printf("|");
        }
        printChild(info.hwndFocus, reinterpret_cast<LPARAM>(window));
        std::fflush(stdout);
        return 0;
    }
    if (command == L"rect") {
        RECT r{};
        GetWindowRect(window, &r);
        BYTE alpha = 255;
        DWORD flags = 0;
        if (!(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) ||
            !GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
            alpha = 255;
        std::printf("%ld %ld %ld %ld %d\n", r.left, r.top, r.right, r.bottom, (alpha * 100 + 127) / 255);
        std::fflush(stdout);
        return 0;
    }
    if (command == L"state") {
        bool topmost = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        std::printf("%d %d\n", topmost ? 1 : 0, IsIconic(window) ? 1 : 0);
        std::fflush(stdout);
        return 0;
    }
    if (command == L"close")
        return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (command == L"logoff") {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 5000,
                            &answer);
        return SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK,
                                   5000, &answer)
                   ? 0
                   : 1;
    }
    return 2;
}
