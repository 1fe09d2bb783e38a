#pragma once

// The thin drawers: the painters every skin of the main window builds from
// its colours. Their interfaces are portable so that a skin can build them;
// the painters themselves exist only in the Windows build, where the take
// functions below hand out pooled drawers (null in the host build).

#include "toolkit/drawers/Painters.h"

namespace s::gui::drawer {

namespace window {
class IThin : public IWindow {};
} // namespace window

namespace border {
class IThin : public IBorder {
public:
    virtual bool isShading() const = 0;
};
} // namespace border

namespace text {
class IBasic : public IText {
public:
    virtual bool isCentred() const = 0;
    // The three colours of the font setting at index (0 .. 4).
    virtual void setFontColour(std::int32_t index, std::uint8_t r, std::uint8_t g,
                               std::uint8_t b) = 0;
    virtual void setFontColour2(std::int32_t index, std::uint8_t r, std::uint8_t g,
                                std::uint8_t b) = 0;
    virtual void setFontColour3(std::int32_t index, std::uint8_t r, std::uint8_t g,
                                std::uint8_t b) = 0;
};
} // namespace text

namespace button {
class IThin : public IButton {
public:
    // 0 square, 1 cut, 2 round.
    virtual void setCornerKind(std::int32_t kind) = 0;
    virtual void setContentShift(bool on) = 0;
    virtual void setNormalColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getNormalColour() const = 0;
    virtual void setDisabledColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getDisabledColour() const = 0;
    virtual void setPressedColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getPressedColour() const = 0;
    virtual void setPressedBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getPressedBackground() const = 0;
    // The owned text drawers: normal and disabled text, and pressed text.
    virtual text::IBasic& textDrawer() = 0;
    virtual text::IBasic& pressedTextDrawer() = 0;
};
} // namespace button

// The check box, radio button and combo drawers share this: a frame colour
// (the box, the ring, the separator and arrow) and a text drawer of their
// own for the normal and the disabled text.
class IFramedText {
public:
    virtual ~IFramedText() = default;
    virtual void setFrameColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getFrameColour() const = 0;
    virtual text::IBasic& textDrawer() = 0;
};

namespace checkbox {
class IThin : public ICheckBox, public IFramedText {};
} // namespace checkbox

namespace radiobutton {
class IThin : public IRadioButton, public IFramedText {};
} // namespace radiobutton

namespace combo {
class IThin : public ICombo, public IFramedText {};
} // namespace combo

namespace groupbox {
class IThin : public IGroupBox {
public:
    virtual void setBorderColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getBorderColour() const = 0;
    virtual text::IBasic& textDrawer() = 0;
};
} // namespace groupbox

namespace slider {
class IThin : public ISlider {
public:
    virtual void setFrameColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getFrameColour() const = 0;
    virtual void setFillColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getFillColour() const = 0;
    virtual void setDisabledColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getDisabledColour() const = 0;
};
} // namespace slider

namespace statusbar {
class IThin : public IStatusBar {
public:
    virtual void setColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual Colour getColour() const = 0;
};
} // namespace statusbar

// Pooled drawers in their defaults; the caller (a skin) releases them.
window::IThin* takeThinWindow();
border::IThin* takeThinBorder();
button::IThin* takeThinButton();
text::IBasic* takeBasicText();
checkbox::IThin* takeThinCheckBox();
radiobutton::IThin* takeThinRadioButton();
combo::IThin* takeThinCombo();
groupbox::IThin* takeThinGroupBox();
slider::IThin* takeThinSlider();
statusbar::IThin* takeThinStatusBar();
ICounter* takeBasicCounter();

} // namespace s::gui::drawer
