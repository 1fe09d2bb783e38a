#include "toolkit/win/InvisibleWindow.h"

#include "toolkit/win/NativeWindowClass.h"

namespace s::gui::win {

bool InvisibleWindow::create() {
    if (hwnd_ != nullptr)
        return true;
    hwnd_ = createToolkitWindow(0, L"", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, nullptr);
    if (hwnd_ == nullptr) {
        reportCreationFailure();
        return false;
    }
    ShowWindow(hwnd_, SW_HIDE);
    LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, (ex & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
    return true;
}

void InvisibleWindow::destroy() {
    if (hwnd_ == nullptr)
        return;
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void InvisibleWindow::setIcon(WPARAM which, HICON icon) {
    if (hwnd_ != nullptr)
        SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

} // namespace s::gui::win
