#pragma once

#include "toolkit/controls/ITextField.h"
#include "toolkit/controls/win/Control.h"

namespace s::gui::win {

// The platform's single-line edit control, drawn by the platform with the
// control's colours. Events: 1 the text changed (by the user, or by setText
// with notify), 2 Enter pressed in the field, 3 the field lost the keyboard
// focus.
class TextField : public Control, public virtual ITextField {
public:
    enum Event : int { kChanged = 1, kEnter = 2, kFocusLost = 3 };
    // Sent to the field's window: take the focus and select all the text.
    static constexpr UINT kFocusAndSelectAllMessage = WM_USER + 1;

    TextField();
    ~TextField() override;

    const char16_t* getClassName() const override { return u"s_gui_win_TextField"; }
    base::IObject* newInstance() const override;
    void release() override;

    // The text as the user left it.
    const char16_t* getText() const override { return Control::getText(); }
    void setText(const char16_t* text) override { setText(text, true); }
    // notify false: no change event for this text.
    void setText(const char16_t* text, bool notify) override;
    bool isEmpty() const override { return getText()[0] == 0; }
    // Empties the field, raising the change event.
    void clearText() override { setText(u"", true); }

    void addChangeListener(events::IEventListener* l) override { addListener(kChanged, l); }
    // Enter never reaches the platform's edit control: the Enter listeners
    // get it instead, in registration order.
    void addEnterListener(events::IEventListener* l) override { addListener(kEnter, l); }
    void addFocusLostListener(events::IEventListener* l) override { addListener(kFocusLost, l); }
    void setPassword(bool on) override;
    bool isPassword() const override { return password_; }
    void focusAndSelectAll() override;
    bool isEditable() const override { return editable_; }
    void setEditable(bool on) override;
    // On: a text set by the program shows its end where it is too long for
    // the field (a path shows its file name).
    void setShowEnd(bool on) { showEnd_ = on; }

    NativeForm nativeForm() const override;
    void nativeCreated(HWND hwnd) override;

protected:
    // What the user typed or chose is not fitted: a path shows its end.
    const char16_t* shownText() const override { return u""; }
    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                      bool& handled) override;
    void measure() override;
    void resetControl() override;
    void boundsChanged() override;

private:
    void scrollToEnd(HWND hwnd);
    void readNativeText(HWND hwnd);
    LRESULT typeCharacter(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static void setNarrowMargins(HWND hwnd);

    // The gap between the field's border and its text, each side.
    static constexpr std::int32_t kMargin = 2;

    bool password_ = false;
    bool editable_ = true;
    bool quiet_ = false;
    bool showEnd_ = false;
};

} // namespace s::gui::win
