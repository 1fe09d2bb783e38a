#pragma once

#include "toolkit/component/IContainer.h"

#include <cstdint>

namespace s::str {
class IStr;
}
namespace s::str::strarray {
class StrArray;
}
namespace s::gui::drawer {
class IDrawer;
}

namespace s::gui {

// The general-purpose container: four built-in layouts (0 row, 1 column,
// 2 flow, 3 pile), insets, alignment, gaps, and listener lists for the box
// events: 1 files dropped, 2 wheel, 3 layout finished, 4 moved or resized,
// 5 painting, 6 left button down, 7 URL dropped.
class IBox : public IContainer {
public:
    // Not owned; replaces the built-in algorithm while set.
    virtual void setLayout(layout::ILayoutManager* manager) = 0;
    virtual void setHorizontalGap(std::int32_t n) = 0;
    virtual void setVerticalGap(std::int32_t n) = 0;
    // Each inset setter also moves every child's origin to (left, top).
    virtual void setInsetLeft(std::int32_t n) = 0;
    virtual void setInsetRight(std::int32_t n) = 0;
    virtual void setInsetTop(std::int32_t n) = 0;
    virtual void setInsetBottom(std::int32_t n) = 0;
    virtual void setInsetsHorizontal(std::int32_t n) = 0;
    virtual void setInsetsVertical(std::int32_t n) = 0;
    virtual void setInsets(std::int32_t n) = 0;
    virtual void alignTop() = 0;
    virtual void alignMiddle() = 0;
    virtual void alignBottom() = 0;
    virtual void alignLeft() = 0;
    virtual void alignCenter() = 0;
    virtual void alignRight() = 0;
    virtual std::int32_t getLayoutType() const = 0;
    virtual void setRowLayout() = 0;
    virtual void setColumnLayout() = 0;
    virtual void setFlowLayout() = 0;
    virtual void setPileLayout() = 0;
    virtual void fillParent() = 0;
    // A percent and a fixed size of one axis exclude each other.
    virtual void setPercentWidth(std::int32_t p, bool relayoutParent) = 0;
    virtual void setPercentHeight(std::int32_t p, bool relayoutParent) = 0;
    virtual void setFixedWidth(std::int32_t w, bool relayoutParent) = 0;
    virtual void setFixedHeight(std::int32_t h, bool relayoutParent) = 0;
    virtual void setMinimumWidthFloor(std::int32_t w) = 0;
    virtual void setAcceptFiles(bool accept) = 0;
    virtual void addDropListener(events::IEventListener* listener) = 0;
    virtual str::strarray::StrArray* getDroppedFiles() = 0;
    virtual void setAcceptUrls(bool accept) = 0;
    virtual void addUrlDropListener(events::IEventListener* listener) = 0;
    virtual const str::IStr* getDroppedUrl() const = 0;
    virtual void addWheelListener(events::IEventListener* listener) = 0;
    virtual std::int32_t getWheelLines() const = 0;
    virtual void setZeroMinimumWidth(bool on) = 0;
    virtual void setZeroMinimumHeight(bool on) = 0;
    // Gives back a previously owned drawer, keeps this one, repaints.
    virtual void setDrawer(drawer::IDrawer* drawer, bool owned) = 0;
    virtual void addLayoutListener(events::IEventListener* listener) = 0;
    virtual void showOnly(std::int32_t index) = 0;
    virtual void showOnlyParked(std::int32_t index) = 0;
    virtual void addMoveListener(events::IEventListener* listener) = 0;
    virtual void addPaintListener(events::IEventListener* listener) = 0;
    // The native drawing surface of the paint in progress, else null.
    virtual void* getPaintDC() const = 0;
    virtual void setPaintHandled() = 0;
    virtual void setClickThrough(bool on) = 0;
    virtual void setHoverColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    virtual void setVisibilityLocked(bool on) = 0;
    virtual void releaseBackBuffer() = 0;
    // Also clears click-through.
    virtual void addClickListener(events::IEventListener* listener) = 0;
};

} // namespace s::gui
