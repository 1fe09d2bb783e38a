#include "toolkit/win/DisplayScales.h"

#include "foundation/system/win/Handles.h"
#include "toolkit/component/IComponent.h"
#include "toolkit/component/IContainer.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/HwndPeer.h"

namespace s::gui::win {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up by name: GetDpiForWindow came with Windows 10 (1607).
GetDpiForWindowFunction dpiForWindow() {
    static const GetDpiForWindowFunction found = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 == nullptr
                   ? nullptr
                   : reinterpret_cast<GetDpiForWindowFunction>(
                         reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
    }();
    return found;
}

} // namespace

DisplayScale systemScale() {
    system::win::WindowDc screen(nullptr);
    return DisplayScale(screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSX)
                                                : DisplayScale::kBaseDpi);
}

DisplayScale scaleOfWindow(HWND hwnd) {
    if (hwnd != nullptr) {
        if (GetDpiForWindowFunction f = dpiForWindow()) {
            const UINT dpi = f(hwnd);
            if (dpi != 0)
                return DisplayScale(static_cast<std::int32_t>(dpi));
        }
    }
    return systemScale();
}

DisplayScale scaleOf(const IComponent* component) {
    for (const IComponent* c = component; c != nullptr; c = c->getParent()) {
        if (HWND hwnd = HwndPeer::handleOf(peerOf(c)))
            return scaleOfWindow(hwnd);
    }
    return systemScale();
}

} // namespace s::gui::win
