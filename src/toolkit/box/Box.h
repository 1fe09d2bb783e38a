#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/strings/StrArray.h"
#include "foundation/strings/StrBuffer.h"
#include "toolkit/box/IBox.h"
#include "toolkit/component/Component.h"

#include <cstdint>

namespace s::gui::win {

// The general-purpose container. It owns its children: removing one gives
// it back to its pool. Painting, the mouse, drops and the wheel are handled
// by its native window, which reads and sets the state kept here.
class Box : public Component, public IBox {
public:
    enum LayoutType : std::int32_t { kRow = 0, kColumn = 1, kFlow = 2, kPile = 3 };
    enum Event : int {
        kFilesDropped = 1,
        kWheel = 2,
        kLaidOut = 3,
        kMoved = 4,
        kPainting = 5,
        kClicked = 6,
        kUrlDropped = 7
    };
    static constexpr std::int32_t kEventKinds = 7;

    // Everything laid out from one outermost layout call, on one thread, is
    // one pass. Within a pass a box given the size it was last laid out at
    // would come out the same: a layout that sizes each child twice (its
    // width first, then its height) lays a nested box out again only when
    // its size changed, not twice more for each level of nesting.
    class LayoutPass {
    public:
        LayoutPass();
        ~LayoutPass();
        LayoutPass(const LayoutPass&) = delete;
        LayoutPass& operator=(const LayoutPass&) = delete;
        // The pass under way; 0 when none is.
        static std::uint32_t current();
        // How many box layouts on this thread so far came to a minimum size
        // other than the box's last.
        static std::uint32_t minimumChanges();
    };

    Box();
    ~Box() override;

    const char16_t* getClassName() const override { return u"s_gui_win_Box"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    // Component operations a box does its own way
    std::int32_t getMinimumWidth() const override;
    std::int32_t getMinimumHeight() const override;
    std::int32_t getMinimumInnerWidth() const override;
    std::int32_t getMinimumInnerHeight() const override;
    std::int32_t getPreferredWidth() const override;
    std::int32_t getPreferredHeight() const override;
    std::int32_t getPreferredInnerWidth() const override;
    std::int32_t getPreferredInnerHeight() const override;
    void setVisible(bool visible, bool refresh) override;
    void setParent(IContainer* parent) override;
    void add(IComponent* component) override;
    void remove(IComponent* component, bool recursive) override;
    void removeAll(bool recursive) override;
    bool isContainer() const override { return true; }
    void setSizeWithinLimits(std::int32_t w, std::int32_t h) override;
    void revalidate() override { doLayout(); }
    std::int32_t getComponentCount() const override;
    IComponent* getComponent(std::int32_t index) const override;
    col::_array::ArrayP* getComponentList() override { return &children_; }
    win::BackBuffer* getBackgroundImage(std::int32_t& x, std::int32_t& y) override;
    void freeze() override;
    void unfreeze() override;

    // IContainer
    void doLayout() override;
    // A box knows its new minimum size only once it was laid out, and its
    // parent only at the parent's next layout: a change deep in the tree
    // reaches the top one level per pass. Lays out until a pass changes no
    // box's minimum size, when each takes its children's into account.
    void settleLayout();
    layout::ILayoutManager* getLayout() override;

    // IBox
    void setLayout(layout::ILayoutManager* manager) override { layoutManager_ = manager; }
    void setHorizontalGap(std::int32_t n) override { hGap_ = n; }
    void setVerticalGap(std::int32_t n) override { vGap_ = n; }
    void setInsetLeft(std::int32_t n) override;
    void setInsetRight(std::int32_t n) override;
    void setInsetTop(std::int32_t n) override;
    void setInsetBottom(std::int32_t n) override;
    void setInsetsHorizontal(std::int32_t n) override;
    void setInsetsVertical(std::int32_t n) override;
    void setInsets(std::int32_t n) override;
    void alignTop() override { vAlign_ = 0; }
    void alignMiddle() override { vAlign_ = 1; }
    void alignBottom() override { vAlign_ = 2; }
    void alignLeft() override { hAlign_ = 0; }
    void alignCenter() override { hAlign_ = 1; }
    void alignRight() override { hAlign_ = 2; }
    std::int32_t getLayoutType() const override { return layoutType_; }
    void setRowLayout() override { layoutType_ = kRow; }
    void setColumnLayout() override { layoutType_ = kColumn; }
    void setFlowLayout() override { layoutType_ = kFlow; }
    void setPileLayout() override { layoutType_ = kPile; }
    void fillParent() override;
    void setPercentWidth(std::int32_t p, bool relayoutParent) override;
    void setPercentHeight(std::int32_t p, bool relayoutParent) override;
    void setFixedWidth(std::int32_t w, bool relayoutParent) override;
    void setFixedHeight(std::int32_t h, bool relayoutParent) override;
    void setMinimumWidthFloor(std::int32_t w) override { minimumWidthFloor_ = w; }
    void setAcceptFiles(bool accept) override;
    void addDropListener(events::IEventListener* listener) override;
    str::StrArray* getDroppedFiles() override { return &droppedFiles_; }
    void setAcceptUrls(bool accept) override;
    void addUrlDropListener(events::IEventListener* listener) override;
    const str::IStr* getDroppedUrl() const override { return &droppedUrl_; }
    void addWheelListener(events::IEventListener* listener) override;
    std::int32_t getWheelLines() const override { return wheelLines_; }
    void setZeroMinimumWidth(bool on) override { zeroMinimumWidth_ = on; }
    void setZeroMinimumHeight(bool on) override { zeroMinimumHeight_ = on; }
    void setDrawer(drawer::IDrawer* drawer, bool owned) override;
    void addLayoutListener(events::IEventListener* listener) override;
    void showOnly(std::int32_t index) override;
    void showOnlyParked(std::int32_t index) override;
    void addMoveListener(events::IEventListener* listener) override;
    void addPaintListener(events::IEventListener* listener) override;
    void* getPaintDC() const override { return paintDC_; }
    void setPaintHandled() override { paintHandled_ = true; }
    void setClickThrough(bool on) override { clickThrough_ = on; }
    void setHoverColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
    void setVisibilityLocked(bool on) override { visibilityLocked_ = on; }
    void releaseBackBuffer() override;
    void addClickListener(events::IEventListener* listener) override;

    // The results of the last layout pass, without the insets.
    std::int32_t getLayoutMinWidth() const { return layoutMinWidth_; }
    std::int32_t getLayoutMinHeight() const { return layoutMinHeight_; }
    std::int32_t getLayoutPrefWidth() const { return layoutPrefWidth_; }
    std::int32_t getLayoutPrefHeight() const { return layoutPrefHeight_; }
    std::int32_t getInsetLeft() const { return insetLeft_; }
    std::int32_t getInsetTop() const { return insetTop_; }

    // For the native side: it raises the events it sees (drops, wheel,
    // clicks) and reads and sets the state of painting and the mouse.
    void raiseEvent(int eventId);
    bool hasListeners(int eventId) const;
    // Raises the paint event with surface as the paint DC; true when a
    // listener painted the box itself.
    bool raisePaint(void* surface);
    void setWheelLines(std::int32_t lines) { wheelLines_ = lines; }
    void setDroppedUrl(const char16_t* url) { droppedUrl_.set(url); }
    bool acceptsFiles() const { return acceptFiles_; }
    bool acceptsUrls() const { return acceptUrls_; }
    bool isClickThrough() const { return clickThrough_; }
    // Whether a press on the box's own area stays with the box. Only a box
    // that does something with the mouse keeps it (click listeners, a hover
    // colour, dropped files or addresses); any other box lets the press fall
    // to the window, which moves by a drag anywhere.
    bool keepsPresses() const;
    bool isVisibilityLocked() const { return visibilityLocked_; }
    // Makes the native windows that this box and the boxes inside it put
    // off while collapsed (see attachNative). A window calls it once it has
    // painted itself, so that after that every component has its window.
    void createDeferredNatives();
    bool isHoverColourOn() const { return hoverColourOn_; }
    std::uint32_t getHoverColour() const { return hoverColour_; }
    bool isHovering() const { return hovering_; }
    void setHovering(bool on) { hovering_ = on; }
    drawer::IDrawer* getDrawer() const { return drawer_; }

protected:
    void boundsChanged() override { raiseEvent(kMoved); }
    std::int32_t horizontalInsets() const override { return insetLeft_ + insetRight_; }
    std::int32_t verticalInsets() const override { return insetTop_ + insetBottom_; }

    // Creates this box's native window under parentPeer (a top-level one
    // for a box without parent), attaches the children to it and lays out.
    // A box collapsed to nothing (a fixed width or height of 0) puts its own
    // window and its children's off until it is given room or the window
    // asks for them: they cannot be seen, and the window shows sooner
    // without them. Its children attach all the same, measured and skinned,
    // so the layout comes out the same either way.
    bool attachNative(INativePeer* parentPeer);

private:
    void resetBox();
    IComponent* childAt(std::uint32_t i) const;
    void childOriginsToInsets();
    // Detaches every child from the native window, keeping it in the list.
    void detachChildren();
    // Detaches and gives back every child, without laying out.
    void dropChildren();
    void forgetListeners();
    void releaseOwnedDrawer();
    // The parent lays out again; a flow box's size settles in the second pass.
    void relayoutParent(bool twiceForFlow);
    void relayoutAfterSizeSetting(bool relayoutParent);
    bool collapsed() const { return getFixedWidth() == 0 || getFixedHeight() == 0; }
    void addListener(int eventId, events::IEventListener* listener);
    std::int32_t percentOfParent(std::int32_t percent, bool width) const;

    col::ArrayP children_;
    layout::ILayoutManager* layoutManager_ = nullptr;
    std::int32_t layoutType_ = kColumn;
    std::int32_t hAlign_ = 0, vAlign_ = 0;
    std::int32_t hGap_ = 0, vGap_ = 0;
    std::int32_t insetLeft_ = 0, insetRight_ = 0, insetTop_ = 0, insetBottom_ = 0;
    std::int32_t layoutMinWidth_ = 0, layoutMinHeight_ = 0;
    std::int32_t layoutPrefWidth_ = 0, layoutPrefHeight_ = 0;
    std::int32_t minimumWidthFloor_ = -1;
    bool zeroMinimumWidth_ = false, zeroMinimumHeight_ = false;
    std::int32_t layoutDepth_ = 0;
    // The pass and the size of this box's last layout.
    std::uint32_t laidOutPass_ = 0;
    std::int32_t laidOutWidth_ = 0, laidOutHeight_ = 0;
    bool attaching_ = false;
    // Collapsed when it attached, the box has no native window yet; the
    // second flag makes one while it is still collapsed.
    bool nativeDeferred_ = false, makingDeferred_ = false;
    drawer::IDrawer* drawer_ = nullptr;
    bool drawerOwned_ = false;
    std::uint32_t hoverColour_ = 0;
    bool hoverColourOn_ = false;
    bool hovering_ = false;
    bool clickThrough_ = false;
    bool visibilityLocked_ = false;
    bool acceptFiles_ = false, acceptUrls_ = false;
    str::StrArray droppedFiles_;
    str::StrBuffer droppedUrl_;
    std::int32_t wheelLines_ = 0;
    bool paintHandled_ = false;
    void* paintDC_ = nullptr;
    col::ArrayP listeners_[kEventKinds];
};

} // namespace s::gui::win
