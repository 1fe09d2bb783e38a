#include "toolkit/native/NativePeerFactory.h"

#include "toolkit/component/IComponent.h"

#include <atomic>

namespace s::gui {

namespace {
std::atomic<INativePeerFactory*> installed{nullptr};
}

void installNativePeerFactory(INativePeerFactory* factory) {
    installed.store(factory);
}

INativePeerFactory* nativePeerFactory() {
    return installed.load();
}

std::uint32_t systemColour(SystemColour which) {
    if (INativePeerFactory* factory = nativePeerFactory())
        return factory->systemColour(which);
    return which == SystemColour::ButtonFace ? rgb(240, 240, 240) : rgb(0, 0, 0);
}

INativePeer* peerOf(const IComponent* component) {
    auto* holder = dynamic_cast<const INativeHolder*>(component);
    return holder != nullptr ? holder->nativePeer() : nullptr;
}

} // namespace s::gui
