#pragma once

#include <windows.h>

namespace s::gui::win {

// The toolkit's window class, "OstrelWindowClass", shared by top-level
// windows, their hidden owners and the child windows of boxes and spacers.
inline constexpr wchar_t kToolkitClassName[] = L"OstrelWindowClass";

// Receives the messages of one window of the toolkit's class. A window
// without a handler gets the default processing.
class INativeWindowHandler {
public:
    virtual ~INativeWindowHandler() = default;
    // handled false: the default processing follows.
    virtual LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  bool& handled) = 0;
};

// Registers the class once per process, under a lock; later calls answer the
// first one's result. On failure the user sees "Window Registration Failed!".
bool registerToolkitClass();

// Creates a window of the toolkit's class whose messages go to handler
// (which may be null) from the first one on.
HWND createToolkitWindow(DWORD exStyle, const wchar_t* title, DWORD style, int x, int y, int width,
                         int height, HWND parent, INativeWindowHandler* handler);

// Sends what the platform tells parent about one of its controls (command
// notifications, colour requests, owner-drawn items, track bar scrolls) back
// to the control, which is the one that knows what to do with it. A control
// that is itself a parent of controls calls it for its children; reflected
// false when the message was not for a control.
LRESULT reflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                         bool& reflected);

// Stops delivering messages to the window's handler.
void detachHandler(HWND hwnd);

// The warning box of a native window that could not be created.
void reportCreationFailure();

} // namespace s::gui::win
