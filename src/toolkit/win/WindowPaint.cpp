// Painting a window that has a frame drawer: the drawer paints the whole
// window (its frame lies inside the client area) into the back buffer, and
// one copy puts it on the screen around the children.

#include "toolkit/win/Window.h"

#include "toolkit/drawers/IDrawer.h"
#include "toolkit/native/NativePeerFactory.h"

namespace s::gui::win {

namespace {
// Paint nothing over the children, which paint themselves.
void excludeChildren(Window& window, HDC dc) {
    for (std::int32_t i = 0; i < window.getComponentCount(); ++i) {
        IComponent* child = window.getComponent(i);
        HWND hwnd = HwndPeer::handleOf(peerOf(child));
        if (hwnd == nullptr || !IsWindowVisible(hwnd))
            continue;
        RECT r;
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}
} // namespace

void Window::paintWithDrawer(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc == nullptr)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    if (HDC buffer = backBuffer_.fit(dc, client.right, client.bottom)) {
        frameDrawer_->paint(buffer, 0, 0, client.right, client.bottom);
        excludeChildren(*this, dc);
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    }
    EndPaint(hwnd, &ps);
}

} // namespace s::gui::win
