// The floor of the timer window's start-up: a bare Win32 program that
// creates the same kinds and numbers of native children as the timer
// window's tree (the toolkit's own class, buttons, combo boxes, edit
// fields), shows as many of each as the timer window shows, paints them and
// counts a label down once a second. It carries the timer program's
// manifest (BareChildren.rc), so its buttons, edit fields and combo boxes
// are the same classes of the same common controls. The counts are arguments, read from
// the running timer window by bench/timer_window_bench.sh, so the two stay
// in step when the tree changes:
//   bare_children.exe [OWN OWN_SHOWN BUTTONS BUTTONS_SHOWN COMBOS COMBOS_SHOWN EDITS EDITS_SHOWN]
// Without arguments: the timer window's counts when this was written.

#include <windows.h>

#include <cwchar>
#include <cstdlib>

namespace {

constexpr wchar_t kOwnClass[] = L"BareChildrenChild";
constexpr int kWidth = 250, kHeight = 190, kCell = 18;

int secondsLeft = 180;
HWND countdown = nullptr;
HFONT font = nullptr;

LRESULT CALLBACK childProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        wchar_t text[32] = L"0";
        if (hwnd == countdown)
            std::swprintf(text, 32, L"%dm %ds", secondsLeft / 60, secondsLeft % 60);
        DrawTextW(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_TIMER:
        if (secondsLeft > 0)
            --secondsLeft;
        if (countdown != nullptr)
            InvalidateRect(countdown, nullptr, FALSE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

struct Kind {
    const wchar_t* className;
    bool own;
    DWORD style;
    const wchar_t* text;
    int count;
    int shown;
};

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    Kind kinds[] = {{kOwnClass, true, 0, L"", 70, 70},
                    {L"BUTTON", false, BS_PUSHBUTTON, L"Start", 27, 27},
                    {L"COMBOBOX", false, CBS_DROPDOWNLIST, L"", 4, 4},
                    {L"EDIT", false, ES_RIGHT | WS_BORDER, L"0", 8, 8}};
    if (__argc == 9) {
        for (int i = 0; i < 4; ++i) {
            kinds[i].count = _wtoi(__wargv[1 + 2 * i]);
            kinds[i].shown = _wtoi(__wargv[2 + 2 * i]);
        }
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"BareChildrenBench";
    WNDCLASSW child = wc;
    child.lpfnWndProc = childProc;
    child.lpszClassName = kOwnClass;
    if (!RegisterClassW(&wc) || !RegisterClassW(&child))
        return 1;
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Bare Children", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, kWidth, kHeight, nullptr, nullptr,
                                instance, nullptr);
    if (hwnd == nullptr)
        return 1;
    font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    // Shown children tile the client area (overlapping where they are more
    // than fit); hidden ones wait where the tree keeps its hidden parts.
    int columns = kWidth / kCell, placed = 0;
    for (const Kind& kind : kinds) {
        for (int i = 0; i < kind.count; ++i) {
            bool shown = i < kind.shown;
            int x = shown ? placed % columns * kCell : 0, y = shown ? placed / columns % 8 * kCell : 0;
            HWND c = CreateWindowExW(0, kind.className, kind.text,
                                     WS_CHILD | WS_CLIPSIBLINGS | (shown ? WS_VISIBLE : 0) |
                                         kind.style,
                                     x, y, kCell, kind.style == CBS_DROPDOWNLIST ? 100 : kCell,
                                     hwnd, nullptr, instance, nullptr);
            SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            if (kind.own && countdown == nullptr && shown)
                countdown = c;
            placed += shown ? 1 : 0;
        }
    }
    SetTimer(hwnd, 1, 1000, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // The font goes with the process, as in a program that keeps it to the end.
    return 0;
}
