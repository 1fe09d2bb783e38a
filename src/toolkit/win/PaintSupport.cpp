#include "toolkit/win/PaintSupport.h"

#include "toolkit/component/IComponent.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/HwndPeer.h"

namespace s::gui::win {

void excludeChildren(IComponent& container, HWND parent, HDC dc) {
    for (std::int32_t i = 0; i < container.getComponentCount(); ++i) {
        HWND child = HwndPeer::handleOf(peerOf(container.getComponent(i)));
        if (child == nullptr || !IsWindowVisible(child))
            continue;
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

// An opaque empty text output is the platform's cheapest solid fill.
void fillColour(HDC dc, std::int32_t width, std::int32_t height, std::uint32_t colour) {
    RECT r{0, 0, width, height};
    COLORREF old = SetBkColor(dc, static_cast<COLORREF>(colour));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

} // namespace s::gui::win
