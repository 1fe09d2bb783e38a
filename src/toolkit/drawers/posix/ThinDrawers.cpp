#include "toolkit/drawers/ThinDrawers.h"

// The host build paints nothing: a skin built there has its colours and no
// drawers.
namespace s::gui::drawer {

window::IThin* takeThinWindow() { return nullptr; }
border::IThin* takeThinBorder() { return nullptr; }
button::IThin* takeThinButton() { return nullptr; }
text::IBasic* takeBasicText() { return nullptr; }
checkbox::IThin* takeThinCheckBox() { return nullptr; }
radiobutton::IThin* takeThinRadioButton() { return nullptr; }
combo::IThin* takeThinCombo() { return nullptr; }
groupbox::IThin* takeThinGroupBox() { return nullptr; }
slider::IThin* takeThinSlider() { return nullptr; }
statusbar::IThin* takeThinStatusBar() { return nullptr; }
ICounter* takeBasicCounter() { return nullptr; }

} // namespace s::gui::drawer
