#pragma once

#include <cstdint>
#include <initializer_list>

namespace s::gui {
class IComponent;
}
namespace s::gui::win {
class Box;
class Label;
} // namespace s::gui::win

// The small builders the timer's windows are put together with.
namespace s::sound::gui::dialogs::plinkett::build {

// A new box laid out as a column or as a row.
s::gui::win::Box* newBox(bool column);
// A label showing the language text textId in the size the code gives.
s::gui::win::Label* idLabel(std::int32_t textId, std::int32_t sizeCode);
// Adds the children to box in order.
void addAll(s::gui::win::Box* box, std::initializer_list<s::gui::IComponent*> children);

} // namespace s::sound::gui::dialogs::plinkett::build
