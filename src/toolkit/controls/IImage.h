#pragma once

#include "toolkit/controls/IControl.h"

#include <cstdint>

namespace s::gui {
class Image;
}
namespace s::gui::drawer {
class IDrawer;
}

namespace s::gui {

// Shows one picture, or plays a set of frames one after the other. Its
// minimum and preferred size are the picture's.
class IImage : public virtual IControl {
public:
    // A copy when copy is set, otherwise the caller's picture, which must
    // then outlive its use here. Null shows nothing.
    virtual void setImage(const Image* image, bool copy) = 0;
    // Copies count frames, shown every frameMs (0: the default pace) while
    // playing; the first one shows at once.
    virtual void setFrames(const Image* frames, std::int32_t count, std::uint32_t frameMs) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    virtual std::int32_t getFrameCount() const = 0;
    virtual std::int32_t getFrame() const = 0;
    // Shows frame i; an index out of range changes nothing.
    virtual void setFrame(std::int32_t i) = 0;
    // Paints under the picture.
    virtual void setDrawer(drawer::IDrawer* painter, bool owned) = 0;
};

} // namespace s::gui
