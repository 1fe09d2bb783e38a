#pragma once

#include "toolkit/native/INativePeer.h"

#include <windows.h>

namespace s::gui::win {

// A peer whose native side is a window handle, so that a child peer can
// create its window under it.
class HwndPeer : public INativePeer {
public:
    virtual HWND handle() const = 0;

    // The handle of any peer of this build; null for a null or foreign peer.
    static HWND handleOf(INativePeer* peer) {
        auto* hwndPeer = dynamic_cast<HwndPeer*>(peer);
        return hwndPeer != nullptr ? hwndPeer->handle() : nullptr;
    }
};

} // namespace s::gui::win
