#pragma once

#include "toolkit/controls/IControl.h"

#include <cstdint>

namespace s::gui::drawer {
class ISlider;
}

namespace s::gui {

// A value in [minimum, maximum] the user moves with a thumb; with the limit
// on, the value also stays below the limit. A change by the user raises
// event 0.
class ISlider : public virtual IControl {
public:
    virtual void setVertical(bool on) = 0;
    virtual bool isVertical() const = 0;
    // Bounds given the wrong way round are swapped; the value is clamped
    // into the new range.
    virtual void setRange(std::int32_t minimum, std::int32_t maximum) = 0;
    virtual std::int32_t getMinimum() const = 0;
    virtual std::int32_t getMaximum() const = 0;
    virtual std::int32_t getValue() const = 0;
    // Clamped into the range, and below the limit when it is on.
    virtual void setValue(std::int32_t v) = 0;
    // Ticks every n, a page of 10 n and a line of n.
    virtual void setTickFrequency(std::int32_t n) = 0;
    virtual void setTicks(bool on) = 0;
    virtual void addChangeListener(events::IEventListener* listener) = 0;
    virtual void setDrawer(drawer::ISlider* painter, bool owned) = 0;
    virtual void setHighlight(bool on) = 0;
    // Whether the limit holds the value below it.
    virtual void setLimitOn(bool on) = 0;
    virtual bool isLimitOn() const = 0;
    virtual void setLimit(std::int32_t v) = 0;
    virtual void setMarks(std::int32_t a, std::int32_t b, std::int32_t c) = 0;
};

} // namespace s::gui
