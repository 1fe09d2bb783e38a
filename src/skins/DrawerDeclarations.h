#pragma once

// The painters a skin owns, one per kind of control. Their interface belongs
// to the toolkit's drawers; a skin only holds them, so a declaration does.
namespace s::gui::drawer {
class IDrawer;
}
