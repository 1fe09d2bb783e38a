#pragma once

#include "toolkit/component/IContainer.h"
#include "toolkit/controls/IFontOperations.h"

#include <cstdint>

namespace s::gui::drawer {
class IDrawer;
}

namespace s::gui {

class ICheckBox;

// A titled frame around one content component, laid out as a pile inside
// the frame. The title is shown literally (an "&" underlines nothing); the
// font operations are the title's. With a title check box, each change of
// its state is raised again as event 1 to the title check listeners.
class IGroupBox : public IContainer, public virtual IFontOperations {
public:
    // Null is the empty title.
    virtual void setTitle(const char16_t* title) = 0;
    virtual const char16_t* getTitle() const = 0;
    // Takes the title from the window's localizer, now when there is one
    // and again at each language change.
    virtual void setTitleId(std::int32_t id) = 0;
    virtual std::int32_t getTitleId() const = 0;
    // Replaces the content; the group box owns it and releases the old one.
    virtual void setContent(IComponent* component) = 0;
    // A group-box painter also fills in the title font the program left
    // unset.
    virtual void setDrawer(drawer::IDrawer* painter, bool owned) = 0;
    // The group box takes the check box, which carries the title, and
    // releases the one it replaces; null removes it.
    virtual void setTitleCheckBox(ICheckBox* box) = 0;
    virtual ICheckBox* getTitleCheckBox() const = 0;
    virtual void addTitleCheckListener(events::IEventListener* listener) = 0;
};

} // namespace s::gui
