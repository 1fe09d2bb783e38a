#pragma once

#include "toolkit/component/IContainer.h"

#include <cstdint>

namespace s::gui::drawer {
class ICounter;
}
namespace s::gui::counter {
class CounterData;
}

namespace s::gui {

// A meter that paints one or two series of samples as bars behind an
// optional content component.
class ICounter : public IContainer {
public:
    virtual void setLayout(layout::ILayoutManager* manager) = 0;
    virtual void setPercentWidth(std::int32_t p) = 0;
    virtual void setPercentHeight(std::int32_t p) = 0;
    virtual void setFixedWidth(std::int32_t w) = 0;
    virtual void setFixedHeight(std::int32_t h) = 0;
    virtual IComponent* getContent() const = 0;
    // The counter owns its content: a replaced one is given back.
    virtual void setContent(IComponent* component) = 0;
    virtual void setDrawer(drawer::ICounter* painter, bool owned) = 0;
    // The painter set, or the counter's default one.
    virtual drawer::ICounter* getDrawer() = 0;
    // 0 history columns, 1 level bars, 2 centred history columns.
    virtual void setGraphType(std::int32_t type) = 0;
    virtual void setMargins(std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom) = 0;
    virtual counter::CounterData* getSeries1() = 0;
    virtual counter::CounterData* getSeries2() = 0;
    virtual void setShowSeries2(bool on) = 0;
    // Also the content's.
    virtual void releaseBackBuffer() = 0;
    // Returns the new state.
    virtual bool toggleColourSwap() = 0;
};

} // namespace s::gui
