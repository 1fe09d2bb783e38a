#include "timer/win/ComponentBuilders.h"

#include "foundation/objects/Pools.h"
#include "toolkit/box/Box.h"
#include "toolkit/controls/win/Label.h"

namespace s::sound::gui::dialogs::plinkett::build {

using s::gui::win::Box;
using s::gui::win::Label;

Box* newBox(bool column) {
    Box* box = s::thread::take<Box>();
    if (column)
        box->setColumnLayout();
    else
        box->setRowLayout();
    return box;
}

Label* idLabel(std::int32_t textId, std::int32_t sizeCode) {
    Label* result = s::thread::take<Label>();
    result->setTextId(textId);
    result->setSizeCode(sizeCode);
    return result;
}

void addAll(Box* box, std::initializer_list<s::gui::IComponent*> children) {
    for (s::gui::IComponent* child : children)
        box->add(child);
}

} // namespace s::sound::gui::dialogs::plinkett::build
