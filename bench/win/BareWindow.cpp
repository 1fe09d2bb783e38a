// The yardstick of the whole-program benchmarks: a bare Win32 program that
// shows one window of the timer window's size, paints it with a fill and a
// line of text, counts that text down once a second (the least a count-down
// window does), and runs until it is closed.
//   bare_window.exe

#include <windows.h>

#include <cwchar>

namespace {

int secondsLeft = 180;

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
        DrawTextW(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
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
