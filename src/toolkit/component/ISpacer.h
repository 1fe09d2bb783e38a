#pragma once

#include "toolkit/component/IComponent.h"

#include <cstdint>

namespace s::gui {

// An invisible filler with an orientation. A vertical spacer takes no width
// in a row box, a horizontal one no height in a column box.
class ISpacer : public virtual IComponent {
public:
    // Changing the orientation exchanges the width and height settings.
    virtual void setHorizontal() = 0;
    virtual void setVertical() = 0;
    virtual bool isHorizontal() const = 0;
    virtual void setPercentWidth(std::int32_t p) = 0;
    virtual void setPercentHeight(std::int32_t p) = 0;
    virtual void setFixedWidth(std::int32_t w) = 0;
    virtual void setFixedHeight(std::int32_t h) = 0;
};

} // namespace s::gui
