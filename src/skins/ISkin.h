#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrBuffer.h"
#include "toolkit/drawers/IDrawer.h"
#include "skins/SkinColours.h"

namespace s::gui::drawer {

// A named colour scheme and the painters built from it, one per kind of
// control. A set operation hands the drawer over to the skin.
class ISkin : public base::IObject, public thread::IPoolable {
public:
    virtual const str::StrBuffer& getName() const = 0;
    virtual void setName(const char16_t* name) = 0;

    virtual IDrawer* getWindowDrawer() const = 0;
    virtual void setWindowDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getButtonDrawer() const = 0;
    virtual void setButtonDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getTextDrawer() const = 0;
    virtual void setTextDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getScrollbarDrawer() const = 0;
    virtual void setScrollbarDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getCheckboxDrawer() const = 0;
    virtual void setCheckboxDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getRadioButtonDrawer() const = 0;
    virtual void setRadioButtonDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getSliderDrawer() const = 0;
    virtual void setSliderDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getCounterDrawer() const = 0;
    virtual void setCounterDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getListHeaderDrawer() const = 0;
    virtual void setListHeaderDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getListBoxDrawer() const = 0;
    virtual void setListBoxDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getStatusBarDrawer() const = 0;
    virtual void setStatusBarDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getMenuDrawer() const = 0;
    virtual void setMenuDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getComboBoxDrawer() const = 0;
    virtual void setComboBoxDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getGroupBoxDrawer() const = 0;
    virtual void setGroupBoxDrawer(IDrawer* drawer) = 0;
    virtual IDrawer* getTabBoxDrawer() const = 0;
    virtual void setTabBoxDrawer(IDrawer* drawer) = 0;

    // The colour of a role as the skin was built with it.
    virtual SkinColour getRoleColour(SkinRole role) const = 0;
};

} // namespace s::gui::drawer
