#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"


// <windows.h> maps MessageBox to MessageBoxW; this class keeps its own name.
#undef MessageBox

namespace s::gui::win {

// A modal platform message box owned by the thread's active window, with the
// application's title as its caption. Take one, call one operation, let go.
class MessageBox : public base::IObject, public thread::IPoolable {
public:
    const char16_t* getClassName() const override { return u"s_gui_win_MessageBox"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override {}

    void showInformation(const char16_t* text);
    void showWarning(const char16_t* text);
    void showError(const char16_t* text);
    // True only when the user chose Yes.
    bool askYesNo(const char16_t* text);
    // False when the user cancelled (answer false); otherwise true, with
    // answer true for Yes and false for No.
    bool askYesNoCancel(const char16_t* text, bool& answer);

    // The caption of every box: the application's title.
    static void setTitle(const char16_t* title);
};

} // namespace s::gui::win
