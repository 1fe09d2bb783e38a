#include "toolkit/win/TaskbarProgress.h"

#include "foundation/system/Seams.h"

#include <windows.h>

#include <shobjidl.h>

namespace s::gui::win {

void TaskbarProgress::show(HWND window, State state, std::int32_t permille) {
    if (permille < 0)
        permille = 0;
    if (permille > 1000 || state == kNone)
        permille = state == kNone ? 0 : 1000;
    if (state == shownState_ && permille == shownPermille_)
        return;
    shownState_ = state;
    shownPermille_ = permille;
    if (auto replaced = seams::taskbarProgress()) {
        replaced(state, permille);
        return;
    }
    if (!created_) {
        created_ = true;
        if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_ITaskbarList3, list_.out())) ||
            FAILED(list_->HrInit()))
            list_.reset();
    }
    if (!list_ || window == nullptr)
        return;
    static constexpr TBPFLAG kFlags[] = {TBPF_NOPROGRESS, TBPF_NORMAL, TBPF_PAUSED, TBPF_ERROR};
    list_->SetProgressState(window, kFlags[state]);
    if (state != kNone)
        list_->SetProgressValue(window, static_cast<ULONGLONG>(permille), 1000);
}

} // namespace s::gui::win
