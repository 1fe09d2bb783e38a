#pragma once

#include "foundation/system/win/Handles.h"

#include <shobjidl.h>

#include <cstdint>

namespace s::gui::win {

// The progress a window shows on its taskbar button. Each change reaches the
// shell once; calls while the window has no button do nothing visible.
// Use it on the window's thread, which has COM initialised.
class TaskbarProgress {
public:
    enum State : int { kNone = 0, kNormal = 1, kPaused = 2, kError = 3 };

    TaskbarProgress() = default;
    TaskbarProgress(const TaskbarProgress&) = delete;
    TaskbarProgress& operator=(const TaskbarProgress&) = delete;

    // permille: 0 to 1000 of the bar; ignored for kNone.
    void show(HWND window, State state, std::int32_t permille);
    // Forgets what was shown, so that the next show reaches the shell again
    // (after the shell made the button anew, for example).
    void forget() { shownState_ = -1; }

private:
    system::win::ComRef<ITaskbarList3> list_;
    bool created_ = false;
    int shownState_ = -1;
    std::int32_t shownPermille_ = -1;
};

} // namespace s::gui::win
