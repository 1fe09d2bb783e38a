#include "skins/ThinWindow.h"

#include "foundation/objects/Pools.h"
#include "skins/SkinDrawers.h"

namespace s::gui::drawer::skin {

base::IObject* ThinWindow::newInstance() const {
    return thread::take<ThinWindow>();
}

void ThinWindow::release() {
    thread::giveBack(this);
}

IDrawer* ThinWindow::drawer(DrawerSlot slot) const {
    buildPendingDrawers();
    return drawers_[slot];
}

void ThinWindow::buildPendingDrawers() const {
    if (!drawersPending_)
        return;
    drawersPending_ = false;
    // Building fills the slots through own(), which is not const.
    buildThinDrawers(const_cast<ThinWindow&>(*this));
}

void ThinWindow::own(DrawerSlot slot, IDrawer* drawer) {
    buildPendingDrawers();
    IDrawer*& held = drawers_[slot];
    if (held != nullptr && held != drawer)
        held->release();
    held = drawer;
}

void ThinWindow::clear() {
    drawersPending_ = false;
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
