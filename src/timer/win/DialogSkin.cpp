// The current skin's painters given to the timer window and to each of its
// components of a kind the skin paints.

#include "timer/win/Dialog.h"

#include "skins/ISkin.h"
#include "skins/SkinColours.h"
#include "skins/Skinner.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/CheckBox.h"
#include "toolkit/controls/win/ComboBox.h"
#include "toolkit/controls/win/GroupBox.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/controls/win/RadioButton.h"
#include "toolkit/controls/win/TextField.h"
#include "toolkit/counter/win/Counter.h"
#include "toolkit/drawers/Painters.h"

namespace s::sound::gui::dialogs::plinkett {

namespace {

using namespace s::gui::drawer;

template <class Painter, class Component>
bool paintWith(s::gui::IComponent* component, IDrawer* drawer) {
    auto* target = dynamic_cast<Component*>(component);
    if (target == nullptr)
        return false;
    if (auto* painter = dynamic_cast<Painter*>(drawer))
        target->setDrawer(painter, false);
    return true;
}

// Boxes take the skin's window colour, those over a counter's bars stay
// transparent; controls take the painter of their kind.
void paintTree(s::gui::IComponent* component, const ISkin& skin, bool overCounter) {
    bool counter = dynamic_cast<s::gui::win::Counter*>(component) != nullptr;
    bool control = dynamic_cast<s::gui::win::Control*>(component) != nullptr;
    // Controls stand on the window's colour, the edit fields keep their own
    // white.
    if (control && dynamic_cast<s::gui::win::TextField*>(component) == nullptr) {
        SkinColour colour = skin.getRoleColour(SkinRole::windowBg);
        component->setBackground(colour.r, colour.g, colour.b, false);
    }
    if (!control && !counter) {
        if (overCounter) {
            component->setBackgroundTransparent(false);
        } else {
            SkinColour colour = skin.getRoleColour(SkinRole::windowBg);
            component->setBackground(colour.r, colour.g, colour.b, false);
        }
    }
    paintWith<IText, s::gui::win::Label>(component, skin.getTextDrawer()) ||
        paintWith<IButton, s::gui::win::Button>(component, skin.getButtonDrawer()) ||
        paintWith<ICheckBox, s::gui::win::CheckBox>(component, skin.getCheckboxDrawer()) ||
        paintWith<IRadioButton, s::gui::win::RadioButton>(component,
                                                          skin.getRadioButtonDrawer()) ||
        paintWith<ICombo, s::gui::win::ComboBox>(component, skin.getComboBoxDrawer()) ||
        paintWith<ICounter, s::gui::win::Counter>(component, skin.getCounterDrawer()) ||
        paintWith<IDrawer, s::gui::win::GroupBox>(component, skin.getGroupBoxDrawer());
    for (std::int32_t i = 0; i < component->getComponentCount(); ++i)
        paintTree(component->getComponent(i), skin, overCounter || counter);
}

} // namespace

void Dialog::applySkin() {
    ISkin* skin = skinSet_ != nullptr ? skinSet_->currentSkin() : nullptr;
    if (skin == nullptr)
        return;
    window_->setFrameDrawer(skin->getWindowDrawer(), false);
    paintTree(ui_.rootBox, *skin, false);
}

} // namespace s::sound::gui::dialogs::plinkett
