#pragma once

#include "toolkit/ISkinHolder.h"

#include "toolkit/controls/ICheckBox.h"
#include "toolkit/controls/win/CheckControl.h"

namespace s::gui::drawer {
class ICheckBox;
}

namespace s::gui::win {

// The platform's auto check box. Events: 1 to the checked list when it
// became checked, 2 to the unchecked list when it became unchecked (only on
// a real change); 0 to the enabled and disabled lists.
class CheckBox : public CheckControl, public virtual ICheckBox {
public:
    enum Event : int { kChecked = 1, kUnchecked = 2 };

    CheckBox();
    ~CheckBox() override;

    const char16_t* getClassName() const override { return u"s_gui_win_CheckBox"; }
    base::IObject* newInstance() const override;
    void release() override;

    // A text on several lines; applied when the native control is made.
    void setMultiLine(bool on) { multiLine_ = on; }
    void setDrawer(drawer::ICheckBox* painter, bool owned) override;
    // The current skin's painter of this kind, installed not owned.
    void refreshSkin(ISkinHolder& holder) override {
        setDrawer(dynamic_cast<drawer::ICheckBox*>(holder.getPainter(ISkinHolder::kCheckboxPainter)), false);
    }

    NativeForm nativeForm() const override;

protected:
    void checkChanged(bool changed) override;
    void paint(HDC surface, const RECT& client) override;
    std::int32_t textRoom(const RECT& client) const override;
    void measure() override;
    void fillFonts() override;
    void resetControl() override;

private:
    bool multiLine_ = false;
};

} // namespace s::gui::win
