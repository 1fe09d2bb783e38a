#pragma once

#include "toolkit/component/IComponent.h"
#include "toolkit/native/INativePeer.h"

#include <cstdint>
#include <memory>

namespace s::gui {

class ISkinHolder;

// The state and behaviour every component shares, and the whole of a leaf's.
// Without a peer (before attaching, or when native creation failed) every
// operation works on the stored values alone. Concrete classes supply the
// class name, their pool and their own defaults in clear().
class Component : public virtual IComponent, public INativeHolder {
public:
    Component();
    ~Component() override;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    // The text and skin refresh: from the window's localizer a component
    // with a textId takes its text again (refreshText); from the window's
    // skin holder it takes a new painter (refreshSkin). Other events are
    // ignored here.
    void handleEvent(void* source, int eventId) override;
    void clear() override;

    std::int32_t getX() const override { return x_; }
    void setX(std::int32_t x) override { setLocation(x, getY()); }
    std::int32_t getY() const override { return y_; }
    void setY(std::int32_t y) override { setLocation(getX(), y); }
    std::int32_t getScreenX() override;
    std::int32_t getScreenY() override;
    bool containsScreenPoint(std::int32_t sx, std::int32_t sy) override;
    std::int32_t getWidth() const override { return width_; }
    void setWidth(std::int32_t w) override { setSize(w, getHeight()); }
    std::int32_t getHeight() const override { return height_; }
    void setHeight(std::int32_t h) override { setSize(getWidth(), h); }
    std::int32_t getInnerWidth() const override;
    void setInnerWidth(std::int32_t w) override;
    std::int32_t getInnerHeight() const override;
    void setInnerHeight(std::int32_t h) override;
    void setLocation(std::int32_t x, std::int32_t y) override;
    void setSize(std::int32_t w, std::int32_t h) override;
    void setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override;
    void setOrigin(std::int32_t ox, std::int32_t oy) override;
    void moveOrigin(std::int32_t dx, std::int32_t dy) override;
    std::int32_t getMinimumWidth() const override;
    std::int32_t getMinimumHeight() const override;
    std::int32_t getMinimumInnerWidth() const override { return getMinimumWidth(); }
    std::int32_t getMinimumInnerHeight() const override { return getMinimumHeight(); }
    std::int32_t getPreferredWidth() const override;
    std::int32_t getPreferredHeight() const override;
    std::int32_t getPreferredInnerWidth() const override { return getPreferredWidth(); }
    std::int32_t getPreferredInnerHeight() const override { return getPreferredHeight(); }
    bool isShowing() const override { return visible_ && peer_ != nullptr; }
    void setVisible(bool visible, bool refresh) override;
    bool isEnabled() const override { return enabled_; }
    void setEnabled(bool on) override;
    bool isEditable() const override { return false; }
    void setEditable(bool) override {}
    void centerInParent() override;
    void centerHorizontally() override;
    void centerVertically() override;
    std::uint32_t getBackground() const override { return background_; }
    bool isBackgroundTransparent() const override { return backgroundTransparent_; }
    void setBackgroundTransparent(bool repaint) override;
    void setBackgroundWhite(bool repaint) override { setBackground(255, 255, 255, repaint); }
    void setBackgroundSystem(bool repaint) override;
    void setBackgroundBlack(bool repaint) override { setBackground(0, 0, 0, repaint); }
    void setBackgroundLight(bool repaint) override;
    void setBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b, bool repaint) override;
    IWindow* getWindow() const override { return window_; }
    IContainer* getParent() const override { return parent_; }
    void setParent(IContainer* parent) override;
    void add(IComponent*) override {}
    void remove(IComponent*, bool) override {}
    void removeAll(bool) override {}
    bool isContainer() const override { return false; }
    void repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override;
    void repaint() override;
    void setSizeWithinLimits(std::int32_t w, std::int32_t h) override;
    void revalidate() override {}
    std::int32_t getComponentCount() const override { return 0; }
    IComponent* getComponent(std::int32_t) const override { return nullptr; }
    col::_array::ArrayP* getComponentList() override { return nullptr; }
    win::BackBuffer* getBackgroundImage(std::int32_t& x, std::int32_t& y) override;
    bool isFrozen() const override { return frozen_; }
    void freeze() override { frozen_ = true; }
    void unfreeze() override;

    INativePeer* nativePeer() const override { return peer_.get(); }

    bool isVisible() const { return visible_; }
    std::int32_t getOriginX() const { return originX_; }
    std::int32_t getOriginY() const { return originY_; }
    std::int32_t getPercentWidth() const { return percentWidth_; }
    std::int32_t getPercentHeight() const { return percentHeight_; }
    std::int32_t getFixedWidth() const { return fixedWidth_; }
    std::int32_t getFixedHeight() const { return fixedHeight_; }

    // Where hidden boxes and spacers wait, off the parent's area.
    static constexpr std::int32_t kParkedX = -10000;
    static constexpr std::int32_t kParkedY = 10000;

protected:
    // The component's text in the new language; by default it becomes the
    // native window's text.
    virtual void refreshText(const char16_t* text);
    // The skin changed: controls take the painter of their kind from the
    // holder and repaint. Nothing for components without a painter.
    virtual void refreshSkin(ISkinHolder& holder) { (void)holder; }
    // Takes the painter of its kind from the window's skin holder, when the
    // component is in a window that has one; run on attaching.
    void takeSkinOfWindow();

    // The natural sizes, which controls measure from their text and font.
    void setMinimumSize(std::int32_t w, std::int32_t h);
    void setPreferredSize(std::int32_t w, std::int32_t h);
    // A percent and a fixed size of one axis exclude each other: setting one
    // resets the other to -1 (not set).
    void storePercentWidth(std::int32_t p);
    void storePercentHeight(std::int32_t p);
    void storeFixedWidth(std::int32_t w);
    void storeFixedHeight(std::int32_t h);

    // Remembers the parent and its window, forgetting an earlier peer.
    void rememberParent(IContainer* parent);
    // Makes and creates the peer under parentPeer, placed at the stored
    // bounds and hidden; false, and no peer, when that fails.
    bool createPeer(INativePeer* parentPeer);
    // A window made after those of the components that come after it (a
    // collapsed box's, made when it opens) goes before them, as if it had
    // been made in order.
    void orderBeforeLaterSiblings();
    void destroyPeer();
    void showPeer();
    // Runs after every setLocation, setSize and setBounds.
    virtual void boundsChanged() {}
    // The margins inside the edge, left plus right and top plus bottom.
    virtual std::int32_t horizontalInsets() const { return 0; }
    virtual std::int32_t verticalInsets() const { return 0; }
    // Width settings become height settings and the other way round.
    void swapAxisSettings();
    // Boxes and spacers hide by moving off the parent's area; the place
    // they left is where they come back to when they have no parent to
    // lay them out.
    void park();
    void unpark();
    // Back from parking and shown; the parent lays out twice, as a flow
    // settles in its second pass.
    void showParked(bool refresh);

    std::int32_t textId_ = -1;

private:
    void resetComponent();
    void placeBounds(bool move, bool size);

    std::int32_t x_ = 0, y_ = 0;
    std::int32_t originX_ = 0, originY_ = 0;
    std::int32_t width_ = 0, height_ = 0;
    std::int32_t minimumWidth_ = 0, minimumHeight_ = 0;
    std::int32_t preferredWidth_ = 0, preferredHeight_ = 0;
    std::int32_t percentWidth_ = -1, percentHeight_ = -1;
    std::int32_t fixedWidth_ = -1, fixedHeight_ = -1;
    std::int32_t unparkedX_ = 0, unparkedY_ = 0;
    bool parked_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    bool backgroundTransparent_ = false;
    bool frozen_ = false;
    bool boundsPending_ = false;
    std::uint32_t background_ = 0;
    IContainer* parent_ = nullptr;
    IWindow* window_ = nullptr;
    std::unique_ptr<INativePeer> peer_;
};

} // namespace s::gui
