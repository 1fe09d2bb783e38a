// The current skin's window colour given to the timer window's boxes and
// controls.

#include "timer/win/Dialog.h"
#include "timer/win/SkinColouring.h"

#include "skins/ISkin.h"
#include "skins/MeterText.h"
#include "skins/SkinColours.h"
#include "skins/Skinner.h"
#include "toolkit/controls/win/ComboBox.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/controls/win/TextField.h"
#include "toolkit/counter/win/Counter.h"
#include "toolkit/controls/win/Control.h"

namespace s::sound::gui::dialogs::plinkett {

namespace {

using s::gui::drawer::ISkin;
using s::gui::drawer::SkinColour;
using s::gui::drawer::SkinRole;

// A text over a progress meter stays readable on the meter's bar and beside
// it: outlined where the skin's text colour does not stand apart from both.
void showOverMeter(s::gui::win::Label* label, const ISkin& skin) {
    const s::gui::drawer::MeterTextLook look = s::gui::drawer::meterTextLook(skin);
    const SkinColour& c = look.outline;
    if (look.style == 7)
        label->setColour3(c.r, c.g, c.b);
    else if (look.style != 0)
        label->setColour2(c.r, c.g, c.b);
    label->setTextStyle(look.style);
}

std::uint32_t packed(SkinColour c) {
    return s::gui::drawer::rgb(c.r, c.g, c.b);
}

// An opened list looks like the closed box: the skin's text on its window
// colour, the selected item as a pressed button.
void colourList(s::gui::win::ComboBox* combo, const ISkin& skin) {
    combo->setListColours(packed(skin.getRoleColour(SkinRole::windowBg)),
                          packed(skin.getRoleColour(SkinRole::text)),
                          packed(skin.getRoleColour(SkinRole::listHeaderBg)),
                          packed(skin.getRoleColour(SkinRole::listHeaderFont)));
}

// Boxes and labels take the skin's window colour, those over a counter stay
// transparent so that its bars show through. The painters come from the
// window's skin holder, which gives each component the painter of its kind
// as it attaches.
void paintTree(s::gui::IComponent* component, const ISkin& skin, bool overCounter) {
    bool counter = dynamic_cast<s::gui::win::Counter*>(component) != nullptr;
    bool control = dynamic_cast<s::gui::win::Control*>(component) != nullptr;
    // Controls stand on the window's colour, the edit fields keep their own
    // white.
    if (control && overCounter) {
        component->setBackgroundTransparent(false);
        if (auto* label = dynamic_cast<s::gui::win::Label*>(component))
            showOverMeter(label, skin);
    } else if (control && dynamic_cast<s::gui::win::TextField*>(component) == nullptr) {
        SkinColour colour = skin.getRoleColour(SkinRole::windowBg);
        component->setBackground(colour.r, colour.g, colour.b, false);
        if (auto* combo = dynamic_cast<s::gui::win::ComboBox*>(component))
            colourList(combo, skin);
    }
    if (!control && !counter) {
        if (overCounter) {
            component->setBackgroundTransparent(false);
        } else {
            SkinColour colour = skin.getRoleColour(SkinRole::windowBg);
            component->setBackground(colour.r, colour.g, colour.b, false);
        }
    }
    for (std::int32_t i = 0; i < component->getComponentCount(); ++i)
        paintTree(component->getComponent(i), skin, overCounter || counter);
}

} // namespace

// The root box fills the whole window: left opaque it would cover the
// window's 1-pixel border, which the window painter draws in windowFg, so it
// shows the window's own painting behind its insets.
void colourWithSkin(s::gui::IComponent* root, const ISkin& skin) {
    paintTree(root, skin, false);
    root->setBackgroundTransparent(true);
}

void Dialog::applySkin() {
    ISkin* skin = skinSet_ != nullptr ? skinSet_->currentSkin() : nullptr;
    if (skin == nullptr)
        return;
    colourWithSkin(ui_.rootBox, *skin);
}

} // namespace s::sound::gui::dialogs::plinkett
