#pragma once

#include "toolkit/ISkinHolder.h"

#include "toolkit/controls/IRadioButton.h"
#include "toolkit/controls/win/CheckControl.h"

namespace s::gui::drawer {
class IRadioButton;
}

namespace s::gui::win {

// The platform's auto radio button; the radio buttons among one parent's
// children from one that starts a group to the next uncheck each other.
// Events: 0 to the checked list at every check and 0 to the unchecked list
// at every uncheck, changed or not; 0 to the enabled and disabled lists.
class RadioButton : public CheckControl, public virtual IRadioButton {
public:
    RadioButton();
    ~RadioButton() override;

    const char16_t* getClassName() const override { return u"s_gui_win_RadioButton"; }
    base::IObject* newInstance() const override;
    void release() override;

    // Starts a new group of radio buttons; applied when the native control
    // is made.
    void setGroupStart(bool on) { groupStart_ = on; }
    void setDrawer(drawer::IRadioButton* painter, bool owned) override;
    // The current skin's painter of this kind, installed not owned.
    void refreshSkin(ISkinHolder& holder) override {
        setDrawer(dynamic_cast<drawer::IRadioButton*>(holder.getPainter(ISkinHolder::kRadioButtonPainter)), false);
    }

    NativeForm nativeForm() const override;

protected:
    void checkChanged(bool changed) override;
    void paint(HDC surface, const RECT& client) override;
    std::int32_t textRoom(const RECT& client) const override;
    void fillFonts() override;
    void resetControl() override;

private:
    bool groupStart_ = false;
};

} // namespace s::gui::win
