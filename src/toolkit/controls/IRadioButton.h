#pragma once

#include "toolkit/controls/ICheckControl.h"

namespace s::gui::drawer {
class IRadioButton;
}

namespace s::gui {

// A radio button: 0 to the checked list at every check and 0 to the
// unchecked list at every uncheck, changed or not.
class IRadioButton : public virtual ICheckControl {
public:
    virtual void setDrawer(drawer::IRadioButton* painter, bool owned) = 0;
};

} // namespace s::gui
