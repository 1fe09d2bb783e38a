#pragma once

namespace s::gui::drawer::skin {

class ThinWindow;

// Gives the skin the thin drawers of the toolkit, each coloured from the
// skin's roles. The counter, menu, scroll bar, list and tab drawers are not
// made here. In a build without a window system the skin keeps its colours
// and gets no drawers.
void buildThinDrawers(ThinWindow& skin);

} // namespace s::gui::drawer::skin
