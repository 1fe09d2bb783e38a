#include "ToolkitTestSupport.h"

#include "toolkit/events/Disabler.h"
#include "toolkit/events/Enabler.h"
#include "toolkit/layout/ILayoutManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using s::gui::IComponent;
using s::gui::win::Box;
using s::test::FakePeerFactory;
using s::test::Leaf;
using s::test::RootBox;

namespace {

struct Rect {
    std::int32_t x, y, w, h;
    bool operator==(const Rect&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "(" << r.x << ", " << r.y << ", " << r.w << " x " << r.h << ")";
}

Rect boundsOf(const IComponent* c) {
    return {c->getX(), c->getY(), c->getWidth(), c->getHeight()};
}

struct ChildSizes {
    std::int32_t minW, minH, prefW, prefH;
    bool hidden = false;
};

// The box: layout type, alignments, gaps, insets and inner size.
struct Setup {
    std::int32_t type, hAlign, vAlign, hGap, vGap, insets, innerW, innerH;
};

struct LayoutCase {
    std::string name;
    Setup box;
    std::vector<ChildSizes> children;
    std::vector<Rect> expected;
    // layoutMinWidth, layoutMinHeight, layoutPrefWidth, layoutPrefHeight
    Rect results;
    // The box's preferred width and height.
    std::vector<std::int32_t> preferred;
};

} // namespace

// The boundary cases of the four layouts, each in a box that has a native
// window, so that a hidden child is not showing.
TEST(BoxLayout, EdgeCasesPlaceChildrenAndReportSizes) {
    const std::vector<LayoutCase> cases = {
        {"row shares truncated pixels in list order",
         {Box::kRow, 0, 0, 5, 0, 0, 125, 30},
         {{30, 10, 60, 10}, {40, 10, 80, 10}},
         {{0, 0, 52, 10}, {57, 0, 68, 10}},
         {75, 10, 145, 10},
         {145, 10}},
        {"column leaves no gap after a zero-height last child",
         {Box::kColumn, 0, 2, 0, 4, 0, 50, 100},
         {{10, 20, 10, 20}, {10, 0, 10, 0}},
         {{0, 80, 10, 20}, {0, 104, 10, 0}},
         {10, 20, 10, 20},
         {10, 20}},
        {"flow gives a too-wide child its own row at its minimum",
         {Box::kFlow, 1, 0, 5, 3, 0, 100, 50},
         {{40, 10, 40, 10}, {150, 20, 200, 20}, {30, 10, 30, 10}},
         {{55, 0, 40, 10}, {0, 13, 150, 20}, {60, 36, 30, 10}},
         {150, 46, 280, 46},
         {280, 46}},
        {"pile aligns bottom and centre and skips hidden children",
         {Box::kPile, 1, 2, 0, 0, 0, 100, 60},
         {{20, 10, 40, 30}, {10, 10, 80, 70}, {5, 5, 5, 5, true}},
         {{30, 30, 40, 30}, {10, 0, 80, 70}, {0, 0, 0, 0}},
         {20, 10, 80, 70},
         {80, 70}},
        {"empty box keeps zero results and prefers its insets",
         {Box::kColumn, 0, 0, 3, 3, 7, 40, 40},
         {},
         {},
         {0, 0, 0, 0},
         {14, 14}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakePeerFactory peers;
        RootBox box;
        switch (c.box.type) {
        case Box::kRow:
            box.setRowLayout();
            break;
        case Box::kFlow:
            box.setFlowLayout();
            break;
        case Box::kPile:
            box.setPileLayout();
            break;
        default:
            box.setColumnLayout();
            break;
        }
        if (c.box.hAlign == 1)
            box.alignCenter();
        if (c.box.hAlign == 2)
            box.alignRight();
        if (c.box.vAlign == 1)
            box.alignMiddle();
        if (c.box.vAlign == 2)
            box.alignBottom();
        box.setHorizontalGap(c.box.hGap);
        box.setVerticalGap(c.box.vGap);
        box.setInsets(c.box.insets);
        ASSERT_TRUE(box.open(c.box.innerW + 2 * c.box.insets, c.box.innerH + 2 * c.box.insets));
        for (const ChildSizes& sizes : c.children) {
            Leaf* leaf = Leaf::make(sizes.minW, sizes.minH, sizes.prefW, sizes.prefH);
            if (sizes.hidden)
                leaf->setVisible(false, false);
            box.add(leaf);
        }
        box.doLayout();
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(boundsOf(box.getComponent(static_cast<std::int32_t>(i))), c.expected[i])
                << "child " << i;
        EXPECT_EQ((Rect{box.getLayoutMinWidth(), box.getLayoutMinHeight(), box.getLayoutPrefWidth(),
                        box.getLayoutPrefHeight()}),
                  c.results);
        EXPECT_EQ((std::vector<std::int32_t>{box.getPreferredWidth(), box.getPreferredHeight()}),
                  c.preferred);
    }
}

TEST(BoxLayout, ChildrenOfAnInsetBoxAreNativelyPlacedPastTheInsets) {
    FakePeerFactory peers;
    RootBox root;
    root.setInsetLeft(6);
    root.setInsetTop(4);
    ASSERT_TRUE(root.open(100, 100));
    Box* inner = s::thread::take<Box>();
    Leaf* leaf = Leaf::make(10, 10, 10, 10);
    inner->add(leaf);
    EXPECT_EQ(peers.recordOf(leaf), nullptr) << "a box without a native window only records";
    root.add(inner);
    const s::test::PeerRecord* innerPeer = peers.recordOf(inner);
    const s::test::PeerRecord* leafPeer = peers.recordOf(leaf);
    ASSERT_NE(innerPeer, nullptr);
    ASSERT_NE(leafPeer, nullptr);
    EXPECT_EQ(innerPeer->parent, peers.recordOf(&root));
    EXPECT_EQ(leafPeer->parent, innerPeer);
    EXPECT_TRUE(innerPeer->shown && leafPeer->shown);
    EXPECT_EQ(inner->getOriginX(), 6);
    EXPECT_EQ(innerPeer->x, inner->getX() + 6);
    EXPECT_EQ(innerPeer->y, inner->getY() + 4);
    EXPECT_EQ(inner->getParent(), static_cast<s::gui::IContainer*>(&root));
}

TEST(BoxLayout, AComponentWithoutNativeWindowKeepsWorkingOnStoredValues) {
    FakePeerFactory peers;
    RootBox root;
    root.setRowLayout();
    ASSERT_TRUE(root.open(200, 50));
    Leaf* refused = Leaf::make(30, 10, 50, 10);
    peers.refused = refused;
    root.add(refused);
    EXPECT_EQ(refused->nativePeer(), nullptr);
    EXPECT_FALSE(refused->isShowing());
    EXPECT_EQ(refused->getWidth(), 50);
    refused->setLocation(7, 8);
    EXPECT_EQ(refused->getScreenX(), 7);
    EXPECT_FALSE(refused->containsScreenPoint(7, 8));
}

TEST(BoxLayout, PercentAndFixedSizesExcludeEachOther) {
    FakePeerFactory peers;
    RootBox root;
    ASSERT_TRUE(root.open(125, 81));
    Box* box = s::thread::take<Box>();
    Leaf* leaf = Leaf::make(0, 0, 0, 0);
    root.add(box);
    root.add(leaf);

    box->setFixedWidth(40, false);
    box->setPercentWidth(50, false);
    EXPECT_EQ(box->getFixedWidth(), -1);
    EXPECT_EQ(box->getPreferredWidth(), 63) << "a box rounds 62.5 away from zero";
    box->setFixedWidth(40, true);
    EXPECT_EQ(box->getPercentWidth(), -1);
    EXPECT_EQ(box->getPreferredWidth(), 40);
    box->setPercentHeight(50, true);
    box->setFixedHeight(12, false);
    EXPECT_EQ(box->getPercentHeight(), -1);
    EXPECT_EQ(box->getMinimumHeight(), 12);

    leaf->storeFixedWidth(40);
    leaf->storePercentWidth(50);
    EXPECT_EQ(leaf->getFixedWidth(), -1);
    EXPECT_EQ(leaf->getPreferredWidth(), 62) << "a leaf truncates";
}

namespace {

// Lays the container out again from inside its own pass.
class Reentrant final : public s::gui::layout::ILayoutManager {
public:
    const char16_t* getClassName() const override { return u"s_test_Reentrant"; }
    s::base::IObject* newInstance() const override { return nullptr; }
    void release() override {}
    void clear() override {}
    void layoutContainer(s::gui::IContainer* container) override {
        ++passes;
        container->doLayout();
    }
    int passes = 0;
};

class Counter final : public s::gui::events::IEventListener {
public:
    void handleEvent(void* source, int eventId) override {
        lastSource = source;
        lastEvent = eventId;
        ++count;
    }
    void* lastSource = nullptr;
    int lastEvent = 0;
    int count = 0;
};

} // namespace

TEST(BoxLayout, AThirdNestedPassIsDropped) {
    Box box;
    Reentrant manager;
    Counter layouts;
    box.setLayout(&manager);
    box.addLayoutListener(&layouts);
    box.add(Leaf::make(1, 1, 1, 1));
    box.doLayout();
    EXPECT_EQ(manager.passes, 2);
    EXPECT_EQ(layouts.count, 2) << "both passes finish";
    EXPECT_EQ(layouts.lastSource, static_cast<void*>(static_cast<IComponent*>(&box)));
    EXPECT_EQ(layouts.lastEvent, Box::kLaidOut);
    box.doLayout();
    EXPECT_EQ(manager.passes, 4) << "the guard unwinds";
    EXPECT_EQ(layouts.count, 4);
}

TEST(Component, AFrozenComponentMovesItsNativeWindowOnceOnUnfreeze) {
    FakePeerFactory peers;
    RootBox root;
    root.setInsets(3);
    ASSERT_TRUE(root.open(100, 100));
    Leaf* leaf = Leaf::make(10, 10, 10, 10);
    root.add(leaf);
    s::test::PeerRecord* peer = peers.recordOf(leaf);
    ASSERT_NE(peer, nullptr);
    peers.resetCounts();

    leaf->freeze();
    leaf->setLocation(1, 2);
    leaf->setLocation(11, 12);
    leaf->setSize(30, 40);
    leaf->setLocation(21, 22);
    EXPECT_EQ(peer->placements, 0);
    leaf->unfreeze();
    EXPECT_EQ(peer->placements, 1);
    EXPECT_EQ((Rect{peer->x, peer->y, peer->width, peer->height}), (Rect{24, 25, 30, 40}));
    leaf->unfreeze();
    EXPECT_EQ(peer->placements, 1) << "nothing left pending";
}

// A tree frozen while it is built keeps its native windows where they are
// through the layout passes of the containers around it, and each of them
// moves once when the tree thaws.
TEST(Component, AFrozenTreeStaysFrozenThroughTheLayoutPassesAroundIt) {
    FakePeerFactory peers;
    RootBox root;
    ASSERT_TRUE(root.open(100, 100));
    Box* tree = s::thread::take<Box>();
    Box* inner = s::thread::take<Box>();
    Leaf* leaf = Leaf::make(10, 10, 20, 20);
    inner->add(leaf);
    tree->add(inner);
    tree->freeze();
    root.add(tree);
    peers.resetCounts();
    root.doLayout();
    root.doLayout();
    for (const IComponent* c : {static_cast<IComponent*>(tree), static_cast<IComponent*>(inner),
                                static_cast<IComponent*>(leaf)})
        EXPECT_EQ(peers.recordOf(c)->placements, 0);
    tree->unfreeze();
    for (const IComponent* c : {static_cast<IComponent*>(tree), static_cast<IComponent*>(inner),
                                static_cast<IComponent*>(leaf)})
        EXPECT_EQ(peers.recordOf(c)->placements, 1);
    EXPECT_EQ((Rect{peers.recordOf(leaf)->x, peers.recordOf(leaf)->y,
                    peers.recordOf(leaf)->width, peers.recordOf(leaf)->height}),
              (Rect{0, 0, 20, 20}));
}

// A box collapsed when it attaches makes no native windows, for itself or
// its children, until it is given room or the window asks for them; its
// window then goes before that of the sibling after it, as if made in order.
TEST(Component, ACollapsedBoxMakesItsNativeWindowsWhenItIsGivenRoom) {
    FakePeerFactory peers;
    RootBox root;
    ASSERT_TRUE(root.open(100, 100));
    Box* opened = s::thread::take<Box>();
    Box* staysShut = s::thread::take<Box>();
    Leaf* inside = Leaf::make(10, 10, 20, 20);
    Leaf* after = Leaf::make(10, 10, 20, 20);
    opened->add(inside);
    for (Box* box : {opened, staysShut}) {
        box->setFixedHeight(0, false);
        root.add(box);
    }
    root.add(after);
    for (const IComponent* c : {static_cast<IComponent*>(opened),
                                static_cast<IComponent*>(staysShut),
                                static_cast<IComponent*>(inside)})
        EXPECT_EQ(peers.recordOf(c), nullptr);
    EXPECT_EQ(inside->getParent(), opened);

    opened->setFixedHeight(-1, true);
    ASSERT_NE(peers.recordOf(inside), nullptr);
    EXPECT_EQ(peers.recordOf(inside)->parent, peers.recordOf(opened));
    EXPECT_EQ(peers.recordOf(opened)->before, peers.recordOf(after));
    EXPECT_EQ(boundsOf(inside), (Rect{0, 0, 20, 20}));
    EXPECT_TRUE(peers.recordOf(inside)->shown);
    EXPECT_EQ(peers.recordOf(staysShut), nullptr);

    root.createDeferredNatives();
    ASSERT_NE(peers.recordOf(staysShut), nullptr);
    EXPECT_EQ(peers.recordOf(staysShut)->before, peers.recordOf(after));
}

// A minimum size that grows deep in the tree reaches the top, one level per
// pass, once the layout has settled.
TEST(BoxLayout, SettlingCarriesADeepMinimumSizeToTheTop) {
    RootBox root;
    root.setSize(100, 100);
    Box* parent = &root;
    for (int level = 0; level < 4; ++level) {
        Box* box = s::thread::take<Box>();
        parent->add(box);
        parent = box;
    }
    Leaf* leaf = Leaf::make(10, 10, 10, 10);
    parent->add(leaf);
    root.settleLayout();
    EXPECT_EQ(root.getMinimumWidth(), 10);
    leaf->storeFixedWidth(60);
    root.settleLayout();
    EXPECT_EQ(root.getMinimumWidth(), 60);
}

// A column sizes each child twice, its width and then its height; a nested
// box given the same size again in the same pass is not laid out again, so
// the passes do not double with each level of nesting.
TEST(BoxLayout, ANestedBoxIsLaidOutAgainInAPassOnlyAtANewSize) {
    RootBox root;
    root.setSize(100, 100);
    Box* parent = &root;
    Box* innermost = nullptr;
    for (int level = 0; level < 6; ++level) {
        innermost = s::thread::take<Box>();
        parent->add(innermost);
        parent = innermost;
    }
    innermost->add(Leaf::make(10, 10, 10, 10));
    Counter layouts;
    innermost->addLayoutListener(&layouts);
    root.doLayout();
    EXPECT_LE(layouts.count, 2);
    EXPECT_EQ(boundsOf(innermost), (Rect{0, 0, 10, 10}));
    layouts.count = 0;
    root.doLayout();
    EXPECT_GE(layouts.count, 1) << "a new pass lays it out again";
}

TEST(Component, HiddenControlsStayHiddenWhenTheirContainerMovesThem) {
    FakePeerFactory peers;
    RootBox root;
    root.setRowLayout();
    ASSERT_TRUE(root.open(100, 20));
    Leaf* leaf = Leaf::make(10, 10, 10, 10);
    root.add(Leaf::make(10, 10, 10, 10));
    root.add(leaf);
    leaf->setVisible(false, true);
    root.setHorizontalGap(5);
    root.doLayout();
    EXPECT_EQ(leaf->getX(), 15);
    EXPECT_FALSE(peers.recordOf(leaf)->shown);
}

TEST(BoxVisibility, AHiddenBoxIsParkedAndComesBackWhereTheLayoutPutsIt) {
    FakePeerFactory peers;
    RootBox root;
    root.setPileLayout();
    root.alignCenter();
    root.alignMiddle();
    ASSERT_TRUE(root.open(100, 80));
    Box* box = s::thread::take<Box>();
    box->setFixedWidth(20, false);
    box->setFixedHeight(10, false);
    root.add(box);
    Rect placed = boundsOf(box);
    EXPECT_EQ(placed, (Rect{40, 35, 20, 10}));

    box->setVisible(false, true);
    EXPECT_EQ(boundsOf(box), (Rect{-10000, 10000, 20, 10}));
    EXPECT_FALSE(box->isShowing());
    EXPECT_EQ(peers.recordOf(box)->backBufferReleases, 1);
    root.doLayout();
    EXPECT_EQ(box->getX(), -10000) << "a pile leaves hidden children where they are";

    box->setVisibilityLocked(true);
    box->setVisible(true, true);
    EXPECT_EQ(box->getX(), -10000) << "locked";
    box->setVisibilityLocked(false);
    box->setVisible(true, true);
    EXPECT_EQ(boundsOf(box), placed);
    EXPECT_EQ(peers.recordOf(box)->x, 40);
}

TEST(BoxChildren, RemovingGivesTheChildBackToItsPoolAndRelaysOut) {
    FakePeerFactory peers;
    RootBox root;
    ASSERT_TRUE(root.open(100, 100));
    Box* inner = s::thread::take<Box>();
    Leaf* grandchild = Leaf::make(10, 10, 10, 10);
    inner->add(grandchild);
    Leaf* stranger = Leaf::make(1, 1, 1, 1);
    root.add(inner);
    Counter layouts;
    root.addLayoutListener(&layouts);

    root.remove(stranger, true);
    EXPECT_EQ(layouts.count, 1) << "a component that is no child only re-lays out";
    EXPECT_EQ(root.getComponentCount(), 1);

    std::int32_t idleBoxes = s::thread::poolOf<Box>().idleCount();
    std::int32_t idleLeaves = s::thread::poolOf<Leaf>().idleCount();
    root.remove(inner, false);
    EXPECT_EQ(root.getComponentCount(), 0);
    EXPECT_EQ(root.getLayoutMinWidth(), 0);
    EXPECT_TRUE(peers.recordOf(inner)->destroyed);
    EXPECT_TRUE(peers.recordOf(grandchild)->destroyed);
    EXPECT_EQ(s::thread::poolOf<Box>().idleCount(), idleBoxes + 1);
    EXPECT_EQ(s::thread::poolOf<Leaf>().idleCount(), idleLeaves + 1)
        << "the removed box gave back what it owned";

    Box* again = s::thread::take<Box>();
    EXPECT_EQ(again->getComponentCount(), 0);
    EXPECT_EQ(again->getLayoutType(), Box::kColumn);
    EXPECT_EQ(again->getParent(), nullptr);
    EXPECT_TRUE(again->isBackgroundTransparent());
    again->release();
    stranger->release();
}

TEST(ListenerSwitches, ActOnTheirTargetsOnlyForTheirOwnSource) {
    Box source, other;
    Leaf* first = Leaf::make(0, 0, 0, 0);
    Leaf* second = Leaf::make(0, 0, 0, 0);
    source.add(first);
    source.add(second);
    first->setEnabled(false);
    second->setEnabled(false);

    s::gui::events::Enabler* enabler = s::thread::take<s::gui::events::Enabler>();
    enabler->setSource(&source);
    enabler->addTarget(first);
    enabler->addTarget(second);
    source.addMoveListener(enabler);
    other.addMoveListener(enabler);

    other.setLocation(1, 1);
    EXPECT_FALSE(first->isEnabled() || second->isEnabled());
    source.setLocation(1, 1);
    EXPECT_TRUE(first->isEnabled() && second->isEnabled());

    s::gui::events::Disabler* disabler = s::thread::take<s::gui::events::Disabler>();
    disabler->setSource(&source);
    disabler->addTarget(second);
    disabler->handleEvent(&other, 4);
    EXPECT_TRUE(second->isEnabled());
    disabler->handleEvent(static_cast<IComponent*>(&source), 0);
    EXPECT_FALSE(second->isEnabled());
    EXPECT_TRUE(first->isEnabled());

    enabler->release();
    disabler->release();
}
