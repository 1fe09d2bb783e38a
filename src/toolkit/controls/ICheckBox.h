#pragma once

#include "toolkit/controls/ICheckControl.h"

namespace s::gui::drawer {
class ICheckBox;
}

namespace s::gui {

// A check box: event 1 to the checked list when it became checked, 2 to the
// unchecked list when it became unchecked, only on a real change.
class ICheckBox : public virtual ICheckControl {
public:
    virtual void setDrawer(drawer::ICheckBox* painter, bool owned) = 0;
};

} // namespace s::gui
