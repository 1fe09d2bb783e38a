#pragma once

namespace s::gui {
class IComponent;
}
namespace s::gui::drawer {
class ISkin;
}

namespace s::sound::gui::dialogs::plinkett {

// Gives the boxes and controls below root the skin's window colour, the way
// the timer window's are coloured; edit fields keep their own white and
// whatever stands on a counter's bars stays transparent.
void colourWithSkin(s::gui::IComponent* root, const s::gui::drawer::ISkin& skin);

} // namespace s::sound::gui::dialogs::plinkett
