// The yardstick of the whole-program benchmarks: a bare Win32 program that
// shows one window of the timer window's size and repaints it once a second
// with the labels the timer window shows while it counts down: the
// remaining time, large and bold, over the action's name, small and bold,
// each with a one-pixel outline as the default skin draws them. It runs
// until it is closed.
//   bare_window.exe

#include <windows.h>

#include <cwchar>

namespace {

int secondsLeft = 180;
HFONT timeFont = nullptr, actionFont = nullptr;

// The outline is the text in the outline's colour shifted by one pixel in
// the eight directions, then the text itself.
void drawOutlined(HDC dc, HFONT font, const wchar_t* text, RECT box) {
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, RGB(0x33, 0x33, 0x33));
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0)
                continue;
            RECT shifted = box;
            OffsetRect(&shifted, dx, dy);
            DrawTextW(dc, text, -1, &shifted, DT_CENTER | DT_SINGLELINE);
        }
    }
    SetTextColor(dc, RGB(0xff, 0xff, 0xff));
    DrawTextW(dc, text, -1, &box, DT_CENTER | DT_SINGLELINE);
    SelectObject(dc, old);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        SetBkMode(dc, TRANSPARENT);
        wchar_t text[32];
        std::swprintf(text, 32, L"%dm %ds", secondsLeft / 60, secondsLeft % 60);
        RECT time{client.left, client.bottom / 2 - 22, client.right, client.bottom / 2};
        RECT action{client.left, client.bottom / 2, client.right, client.bottom / 2 + 16};
        drawOutlined(dc, timeFont, text, time);
        drawOutlined(dc, actionFont, L"(Play Sound)", action);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_TIMER:
        if (secondsLeft > 0)
            --secondsLeft;
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"BareWindowBench";
    if (!RegisterClassW(&wc))
        return 1;
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Bare Window", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 234, 100, nullptr, nullptr, instance,
                                nullptr);
    if (hwnd == nullptr)
        return 1;
    // The timer window's label sizes: 15 and 8 points, bold.
    timeFont = CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    actionFont = CreateFontW(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    SetTimer(hwnd, 1, 1000, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
