#pragma once

#include "toolkit/native/INativePeer.h"

#include <cstdint>
#include <memory>

namespace s::gui {

class IComponent;

enum class SystemColour { ButtonFace, InactiveCaptionText };

// The native side of the toolkit: makes the peer of each kind of component
// and answers the system colours. The Windows build installs its factory at
// start-up; until one is installed, components have no native windows and
// work on their stored values alone.
class INativePeerFactory {
public:
    virtual ~INativePeerFactory() = default;
    // The peer for component, not yet created; null when the component has
    // no native form here.
    virtual std::unique_ptr<INativePeer> makePeer(IComponent& component) = 0;
    virtual std::uint32_t systemColour(SystemColour which) = 0;
};

// Installed once, before components are attached; null uninstalls.
void installNativePeerFactory(INativePeerFactory* factory);
INativePeerFactory* nativePeerFactory();

// Through the installed factory; without one the common default scheme.
std::uint32_t systemColour(SystemColour which);

// The peer of a component or window, null when it has none.
INativePeer* peerOf(const IComponent* component);

constexpr std::uint32_t rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return std::uint32_t{r} | (std::uint32_t{g} << 8) | (std::uint32_t{b} << 16);
}

} // namespace s::gui
