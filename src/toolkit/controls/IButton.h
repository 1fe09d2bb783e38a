#pragma once

#include "toolkit/controls/IControl.h"

#include <cstdint>

namespace s::gui::drawer {
class IButton;
}

namespace s::gui {

// A push button showing a text or a glyph name ("#Play"), optionally a
// toggle that stays down. Events: 3 the left button went down on it
// (repeated while held with auto-repeat), 1 clicked, 2 after the click was
// processed (a toggle's pressed state already flipped).
class IButton : public virtual IControl {
public:
    virtual void addActionListener(events::IEventListener* listener) = 0;
    virtual void addAfterActionListener(events::IEventListener* listener) = 0;
    virtual void addPressListener(events::IEventListener* listener) = 0;
    // Press events every 100 ms after the first 500 ms held.
    virtual void setAutoRepeat(bool on) = 0;
    virtual bool isAutoRepeat() const = 0;
    // An owned painter is released with the button or the next painter.
    virtual void setDrawer(drawer::IButton* painter, bool owned) = 0;
    // Whether the painter draws the border while the button is neither
    // hovered nor pressed.
    virtual void setBordered(bool on) = 0;
    virtual bool isBordered() const = 0;
    // A releasable toggle flips at each click; a non-releasable one stays
    // pressed once pressed, and clicks on it fall through to the window.
    virtual void setToggle(bool toggle, bool releasable, bool inverted, bool flat) = 0;
    virtual bool isToggle() const = 0;
    virtual bool isReleasable() const = 0;
    virtual bool isInverted() const = 0;
    virtual bool isFlat() const = 0;
    virtual void setPressed(bool on) = 0;
    virtual bool isPressed() const = 0;
    // The text "#Color-" and the colour in hexadecimal digits: the painter
    // shows a swatch of it.
    virtual void setColourSwatch(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
};

} // namespace s::gui
