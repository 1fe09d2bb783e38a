#pragma once

#include "toolkit/controls/IControl.h"

#include <cstdint>

namespace s::gui::drawer {
class IText;
}

namespace s::gui {

// A text on its parent's background. Without a link it lets clicks through
// to the window; with one it opens its target through the shell when
// clicked and raises event 1.
class ILabel : public virtual IControl {
public:
    // An empty target makes the label plain again.
    virtual void setLink(const char16_t* target) = 0;
    virtual const char16_t* getLink() const = 0;
    virtual void addClickListener(events::IEventListener* listener) = 0;
    // Shows text for the given time, then the text shown before the first
    // of a run of temporary texts.
    virtual void showTemporaryText(const char16_t* text, std::uint32_t milliseconds) = 0;
    virtual void setDrawer(drawer::IText* painter, bool owned) = 0;
};

} // namespace s::gui
