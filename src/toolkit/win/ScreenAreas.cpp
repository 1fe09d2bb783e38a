#include "toolkit/win/ScreenAreas.h"

namespace s::gui::win::screen {

geometry::Rect primaryWorkArea() {
    RECT r{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0))
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {r.left, r.top, r.right, r.bottom};
}

geometry::Rect workAreaOf(HWND hwnd) {
    if (hwnd == nullptr)
        return primaryWorkArea();
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST);
    if (monitor == nullptr || !GetMonitorInfoW(monitor, &info))
        return primaryWorkArea();
    const RECT& r = info.rcWork;
    return {r.left, r.top, r.right, r.bottom};
}

geometry::Rect virtualScreen() {
    std::int32_t x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    std::int32_t y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

geometry::Rect keepInsideBounds() {
    return GetSystemMetrics(SM_CMONITORS) >= 2 ? virtualScreen() : primaryWorkArea();
}

} // namespace s::gui::win::screen
