#include "toolkit/drawers/ThinDrawers.h"

#include "toolkit/drawers/win/ButtonThin.h"
#include "toolkit/drawers/win/CheckBoxThin.h"
#include "toolkit/drawers/win/ComboThin.h"
#include "toolkit/drawers/win/CounterBasic.h"
#include "toolkit/drawers/win/GroupBoxThin.h"
#include "toolkit/drawers/win/RadioButtonThin.h"
#include "toolkit/drawers/win/SliderThin.h"
#include "toolkit/drawers/win/StatusBarThin.h"
#include "toolkit/drawers/win/WindowThin.h"

namespace s::gui::drawer {

window::IThin* takeThinWindow() { return thread::take<window::win::Thin>(); }
border::IThin* takeThinBorder() { return thread::take<border::win::Thin>(); }
button::IThin* takeThinButton() { return thread::take<button::win::Thin>(); }
text::IBasic* takeBasicText() { return thread::take<text::win::Basic>(); }
checkbox::IThin* takeThinCheckBox() { return thread::take<checkbox::win::Thin>(); }
radiobutton::IThin* takeThinRadioButton() { return thread::take<radiobutton::win::Thin>(); }
combo::IThin* takeThinCombo() { return thread::take<combo::win::Thin>(); }
groupbox::IThin* takeThinGroupBox() { return thread::take<groupbox::win::Thin>(); }
slider::IThin* takeThinSlider() { return thread::take<slider::win::Thin>(); }
statusbar::IThin* takeThinStatusBar() { return thread::take<statusbar::win::Thin>(); }
ICounter* takeBasicCounter() { return thread::take<counter::win::Basic>(); }

} // namespace s::gui::drawer
