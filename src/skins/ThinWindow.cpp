#include "skins/ThinWindow.h"

#include "foundation/objects/Pools.h"

namespace s::gui::drawer::skin {

base::IObject* ThinWindow::newInstance() const {
    return thread::take<ThinWindow>();
}

void ThinWindow::release() {
    thread::giveBack(this);
}

void ThinWindow::own(DrawerSlot slot, IDrawer* drawer) {
    IDrawer*& held = drawers_[slot];
    if (held != nullptr && held != drawer)
        held->release();
    held = drawer;
}

void ThinWindow::clear() {
    name_.freeMemory();
    for (IDrawer*& drawer : drawers_) {
        if (drawer != nullptr)
            drawer->release();
        drawer = nullptr;
    }
    colours_.fill(SkinColour{});
}

void ThinWindow::setColours(const SkinComponents& components) {
    for (std::size_t i = 0; i < kFactoryOrder.size(); ++i)
        colours_[static_cast<std::size_t>(kFactoryOrder[i])] = {
            clampComponent(components[3 * i]), clampComponent(components[3 * i + 1]),
            clampComponent(components[3 * i + 2])};
}

} // namespace s::gui::drawer::skin
