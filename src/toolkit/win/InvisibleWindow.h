#pragma once

#include <windows.h>

namespace s::gui::win {

// The hidden owner of a top-level window: an invisible pop-up tool window,
// so that the window it owns gets no taskbar button unless it asks for one.
// Created and destroyed on the owned window's thread.
class InvisibleWindow {
public:
    InvisibleWindow() = default;
    ~InvisibleWindow() { destroy(); }
    InvisibleWindow(const InvisibleWindow&) = delete;
    InvisibleWindow& operator=(const InvisibleWindow&) = delete;

    // False, after telling the user, when the window could not be created.
    bool create();
    void destroy();
    HWND handle() const { return hwnd_; }
    // which: ICON_SMALL or ICON_BIG.
    void setIcon(WPARAM which, HICON icon);

private:
    HWND hwnd_ = nullptr;
};

} // namespace s::gui::win
