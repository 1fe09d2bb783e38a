#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "localization/IEventListener.h"

#include <cstdint>

namespace s::col::_array {
class ArrayP;
}

namespace s::gui::win {
class BackBuffer;
}

namespace s::gui {

class IContainer;
class IWindow;

// An element of a window: it owns one native child window (its peer), keeps
// its own position and size in pixels, answers size questions from its
// container and tells listeners what happened to it.
//
// Events a component raises carry static_cast<IComponent*>(component) as
// their source, so that a listener can compare it with the component it
// holds whatever the component's most derived class.
//
// Positions are relative to the parent's inner area; the origin is added
// when the peer is placed. Colours are 24-bit RGB, red in the low byte.
class IComponent : public events::IEventListener, public base::IObject, public thread::IPoolable {
public:
    virtual std::int32_t getX() const = 0;
    virtual void setX(std::int32_t x) = 0;
    virtual std::int32_t getY() const = 0;
    virtual void setY(std::int32_t y) = 0;
    virtual std::int32_t getScreenX() = 0;
    virtual std::int32_t getScreenY() = 0;
    // Edges inclusive; false while not showing.
    virtual bool containsScreenPoint(std::int32_t sx, std::int32_t sy) = 0;
    virtual std::int32_t getWidth() const = 0;
    virtual void setWidth(std::int32_t w) = 0;
    virtual std::int32_t getHeight() const = 0;
    virtual void setHeight(std::int32_t h) = 0;
    virtual std::int32_t getInnerWidth() const = 0;
    virtual void setInnerWidth(std::int32_t w) = 0;
    virtual std::int32_t getInnerHeight() const = 0;
    virtual void setInnerHeight(std::int32_t h) = 0;
    virtual void setLocation(std::int32_t x, std::int32_t y) = 0;
    virtual void setSize(std::int32_t w, std::int32_t h) = 0;
    virtual void setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) = 0;
    virtual void setOrigin(std::int32_t ox, std::int32_t oy) = 0;
    virtual void moveOrigin(std::int32_t dx, std::int32_t dy) = 0;
    virtual std::int32_t getMinimumWidth() const = 0;
    virtual std::int32_t getMinimumHeight() const = 0;
    virtual std::int32_t getMinimumInnerWidth() const = 0;
    virtual std::int32_t getMinimumInnerHeight() const = 0;
    virtual std::int32_t getPreferredWidth() const = 0;
    virtual std::int32_t getPreferredHeight() const = 0;
    virtual std::int32_t getPreferredInnerWidth() const = 0;
    virtual std::int32_t getPreferredInnerHeight() const = 0;
    // Visible and with a native window.
    virtual bool isShowing() const = 0;
    virtual void setVisible(bool visible, bool refresh) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual bool isEditable() const = 0;
    virtual void setEditable(bool editable) = 0;
    virtual void centerInParent() = 0;
    virtual void centerHorizontally() = 0;
    virtual void centerVertically() = 0;
    virtual std::uint32_t getBackground() const = 0;
    virtual bool isBackgroundTransparent() const = 0;
    virtual void setBackgroundTransparent(bool repaint) = 0;
    virtual void setBackgroundWhite(bool repaint) = 0;
    virtual void setBackgroundSystem(bool repaint) = 0;
    virtual void setBackgroundBlack(bool repaint) = 0;
    virtual void setBackgroundLight(bool repaint) = 0;
    virtual void setBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b, bool repaint) = 0;
    virtual IWindow* getWindow() const = 0;
    virtual IContainer* getParent() const = 0;
    // Attaches to parent (creating the native window under the parent's),
    // or with null detaches and destroys the native window.
    virtual void setParent(IContainer* parent) = 0;
    // The container operations; leaves ignore them.
    virtual void add(IComponent* component) = 0;
    virtual void remove(IComponent* component, bool recursive) = 0;
    virtual void removeAll(bool recursive) = 0;
    virtual bool isContainer() const = 0;
    virtual void repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) = 0;
    virtual void repaint() = 0;
    // Clamps into [minimum, preferred] on each axis, the minimum winning.
    virtual void setSizeWithinLimits(std::int32_t w, std::int32_t h) = 0;
    virtual void revalidate() = 0;
    virtual std::int32_t getComponentCount() const = 0;
    // index below getComponentCount(); null for leaves.
    virtual IComponent* getComponent(std::int32_t index) const = 0;
    // The children, stored as base::IObject pointers; null for leaves.
    virtual col::_array::ArrayP* getComponentList() = 0;
    // The off-screen image holding the pixels behind this component, with x
    // and y turned into that image's coordinates; null when there is none.
    virtual win::BackBuffer* getBackgroundImage(std::int32_t& x, std::int32_t& y) = 0;
    virtual bool isFrozen() const = 0;
    virtual void freeze() = 0;
    virtual void unfreeze() = 0;
};

} // namespace s::gui
