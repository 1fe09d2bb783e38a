#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using s::gui::IComponent;
using s::gui::win::Box;
using s::test::FakePeerFactory;
using s::test::Leaf;
using s::test::RootBox;

namespace {

class TreeMaker {
public:
    explicit TreeMaker(std::uint32_t seed) : random_(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void configure(Box& box) {
        switch (pick(0, 3)) {
        case 0:
            box.setRowLayout();
            break;
        case 1:
            box.setColumnLayout();
            break;
        case 2:
            box.setFlowLayout();
            break;
        default:
            box.setPileLayout();
            break;
        }
        int h = pick(0, 2), v = pick(0, 2);
        h == 1 ? box.alignCenter() : h == 2 ? box.alignRight() : box.alignLeft();
        v == 1 ? box.alignMiddle() : v == 2 ? box.alignBottom() : box.alignTop();
        box.setHorizontalGap(pick(0, 6));
        box.setVerticalGap(pick(0, 6));
        box.setInsetsHorizontal(pick(0, 4));
        box.setInsetsVertical(pick(0, 4));
    }

    // Children of every kind, some hidden, some sized by percentage.
    void fill(Box& box, int depth) {
        int count = pick(0, 5);
        for (int i = 0; i < count; ++i) {
            IComponent* child;
            if (depth < 3 && pick(0, 3) == 0) {
                Box* inner = s::thread::take<Box>();
                configure(*inner);
                if (pick(0, 3) == 0)
                    inner->setPercentWidth(pick(0, 100), false);
                if (pick(0, 3) == 0)
                    inner->setPercentHeight(pick(0, 100), false);
                fill(*inner, depth + 1);
                child = inner;
            } else {
                int minW = pick(0, 40), minH = pick(0, 25);
                Leaf* leaf = Leaf::make(minW, minH, minW + pick(-10, 60), minH + pick(-5, 30));
                if (pick(0, 5) == 0)
                    leaf->storePercentWidth(pick(0, 100));
                child = leaf;
            }
            if (pick(0, 9) == 0)
                child->setVisible(false, false);
            box.add(child);
        }
    }

private:
    std::mt19937 random_;
};

std::string describe(const IComponent* c) {
    auto size = [](std::int32_t w, std::int32_t h) {
        return std::to_string(w) + "x" + std::to_string(h);
    };
    return std::to_string(c->getX()) + "," + std::to_string(c->getY()) + " " +
           size(c->getWidth(), c->getHeight()) + " min " +
           size(c->getMinimumWidth(), c->getMinimumHeight()) + " preferred " +
           size(c->getPreferredWidth(), c->getPreferredHeight());
}

// Below a pile only the showing children are sized; in a row or a column
// the showing children follow each other without overlapping.
void checkTree(IComponent& parent, const FakePeerFactory& peers, const std::string& path) {
    auto* box = dynamic_cast<Box*>(&parent);
    if (box == nullptr)
        return;
    const IComponent* previous = nullptr;
    for (std::int32_t i = 0; i < box->getComponentCount(); ++i) {
        IComponent* child = box->getComponent(i);
        std::string where = path + "/" + std::to_string(i) + " in layout " +
                            std::to_string(box->getLayoutType()) + ": " + describe(child);
        bool sized = child->isShowing() || box->getLayoutType() != Box::kPile;
        if (sized) {
            EXPECT_GE(child->getWidth(), child->getMinimumWidth()) << where;
            EXPECT_GE(child->getHeight(), child->getMinimumHeight()) << where;
        }
        const s::test::PeerRecord* peer = peers.recordOf(child);
        ASSERT_NE(peer, nullptr) << where;
        EXPECT_LE(peer->placements, 1) << where << ": one native move per pass";
        if (child->isShowing() && child->getWidth() > 0 && child->getHeight() > 0) {
            if (previous != nullptr && box->getLayoutType() == Box::kRow) {
                EXPECT_LE(previous->getX() + previous->getWidth(), child->getX()) << where;
            }
            if (previous != nullptr && box->getLayoutType() == Box::kColumn) {
                EXPECT_LE(previous->getY() + previous->getHeight(), child->getY()) << where;
            }
            previous = child;
        }
        checkTree(*child, peers, path + "/" + std::to_string(i));
    }
}

} // namespace

// Trees of every layout, laid out once more from the top: no child below its
// minimum, no overlap along a row or a column, and each native window moved
// at most once in the pass.
TEST(BoxLayout, RandomTreesKeepMinimumsApartAndMoveEachWindowOnce) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        FakePeerFactory peers;
        TreeMaker maker(seed);
        RootBox root;
        maker.configure(root);
        maker.fill(root, 0);
        ASSERT_TRUE(root.open(maker.pick(0, 300), maker.pick(0, 200)));
        peers.resetCounts();
        root.doLayout();
        checkTree(root, peers, "");
        if (testing::Test::HasFailure())
            break;
    }
}
