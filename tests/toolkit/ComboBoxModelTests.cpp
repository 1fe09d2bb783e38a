#include "foundation/objects/Pools.h"
#include "toolkit/combobox/ComboBoxItems.h"
#include "toolkit/combobox/DropDown.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using s::gui::combobox::ComboBoxItem;
using s::gui::combobox::ComboBoxItems;

namespace {

// An owned object that counts its releases, so that a test sees which items
// were released and which were only taken out.
class Token final : public s::base::IObject, public s::thread::IPoolable {
public:
    explicit Token(int* released) : released_(released) {}
    const char16_t* getClassName() const override { return u"s_test_Token"; }
    s::base::IObject* newInstance() const override { return nullptr; }
    void release() override {
        ++*released_;
        delete this;
    }
    void clear() override {}

private:
    int* released_;
};

ComboBoxItem* item(std::int32_t id, int* released) {
    auto* it = s::thread::take<ComboBoxItem>();
    it->setId(id);
    it->setText(u"item");
    it->setObject(new Token(released));
    return it;
}

std::string idsOf(const ComboBoxItems& items) {
    std::string ids;
    for (std::int32_t i = 0; i < items.count(); ++i)
        ids += (i > 0 ? " " : "") + std::to_string(items.at(i)->getId());
    return ids;
}

enum class Op {
    Insert,
    RemoveAt,
    RemoveItem,
    ReleaseById,
    ReleaseSelected,
    Select,
    SelectById,
    TakeSelection
};

struct IndexCase {
    const char* name;
    std::int32_t selected, previous; // before, in the list of ids 0 to 4
    Op op;
    std::int32_t argument; // index, or id for the by-id operations
    std::int32_t wantSelected, wantPrevious;
    const char* wantIds;
    int wantReleased;
};

const IndexCase kIndexCases[] = {
    {"insert before the selection", 2, 3, Op::Insert, 1, 3, 4, "0 99 1 2 3 4", 0},
    {"insert at the selection", 2, 0, Op::Insert, 2, 3, 0, "0 1 99 2 3 4", 0},
    {"insert after the selection", 2, 4, Op::Insert, 3, 2, 5, "0 1 2 99 3 4", 0},
    {"insert beyond the end appends", 1, 0, Op::Insert, 17, 1, 0, "0 1 2 3 4 99", 0},
    {"remove the selected item", 2, 3, Op::RemoveAt, 2, -1, 2, "0 1 3 4", 0},
    {"remove before the selection", 3, 1, Op::RemoveAt, 0, 2, 0, "1 2 3 4", 0},
    {"remove the previous item", 1, 3, Op::RemoveItem, 3, 1, -1, "0 1 2 4", 0},
    {"remove out of range", 1, 3, Op::RemoveAt, 5, 1, 3, "0 1 2 3 4", 0},
    {"release by id after the selection", 1, 0, Op::ReleaseById, 4, -1, 1, "0 1 2 3", 1},
    {"release by id before the selection", 3, 1, Op::ReleaseById, 0, -1, 2, "1 2 3 4", 1},
    {"release an unknown id", 3, 1, Op::ReleaseById, 42, 3, 1, "0 1 2 3 4", 0},
    {"release the selected item", 2, 0, Op::ReleaseSelected, 0, -1, -1, "0 1 3 4", 1},
    {"select out of range", 3, 1, Op::Select, 7, 0, 3, "0 1 2 3 4", 0},
    {"select below range", 3, 1, Op::Select, -1, 0, 3, "0 1 2 3 4", 0},
    {"select the current item", 2, 1, Op::Select, 2, 2, 1, "0 1 2 3 4", 0},
    {"select by id", 2, 1, Op::SelectById, 4, 4, 2, "0 1 2 3 4", 0},
    {"select an unknown id", 2, 1, Op::SelectById, 42, 0, 2, "0 1 2 3 4", 0},
    {"native selection cleared", 2, 1, Op::TakeSelection, -1, -1, 2, "0 1 2 3 4", 0},
    {"native selection out of range", 2, 1, Op::TakeSelection, 5, 2, 1, "0 1 2 3 4", 0},
};

} // namespace

TEST(ComboBoxItems, IndexRulesOfInsertRemoveReleaseAndSelect) {
    for (const IndexCase& c : kIndexCases) {
        SCOPED_TRACE(c.name);
        int released = 0;
        ComboBoxItems items;
        for (std::int32_t id = 0; id < 5; ++id)
            items.add(item(id, &released));
        if (c.previous >= 0)
            items.select(c.previous);
        items.select(c.selected);
        ASSERT_EQ(items.previous(), c.previous);

        ComboBoxItem* taken = nullptr;
        switch (c.op) {
        case Op::Insert:
            items.insert(c.argument, item(99, &released));
            break;
        case Op::RemoveAt:
            taken = items.removeAt(c.argument);
            break;
        case Op::RemoveItem: {
            ComboBoxItem* target = items.at(c.argument);
            EXPECT_EQ(items.remove(target), c.argument);
            taken = target;
            break;
        }
        case Op::ReleaseById:
            items.releaseById(c.argument);
            break;
        case Op::ReleaseSelected:
            items.releaseSelected();
            break;
        case Op::Select:
            items.select(c.argument);
            break;
        case Op::SelectById:
            items.selectById(c.argument);
            break;
        case Op::TakeSelection:
            items.takeSelection(c.argument);
            break;
        }

        EXPECT_EQ(items.selected(), c.wantSelected);
        EXPECT_EQ(items.previous(), c.wantPrevious);
        EXPECT_EQ(idsOf(items), c.wantIds);
        EXPECT_EQ(released, c.wantReleased);
        // A removed item is the caller's: still whole, and not in the list.
        if (taken != nullptr) {
            EXPECT_EQ(items.indexOf(taken), -1);
            taken->release();
        }
        items.releaseAll();
        EXPECT_EQ(released, 5 + (c.op == Op::Insert ? 1 : 0));
    }
}

TEST(ComboBoxItems, AnEmptyListSelectsNothing) {
    ComboBoxItems items;
    EXPECT_FALSE(items.select(0));
    EXPECT_EQ(items.selected(), -1);
    EXPECT_EQ(items.selectedItem(), nullptr);
    EXPECT_FALSE(items.releaseSelected());
}

TEST(ComboBoxDropDown, WidthTakesTheWidestItemAndAScrollBarBeyondThirtyItems) {
    using s::gui::combobox::dropDownWidth;
    using s::gui::combobox::MeasuredItem;
    constexpr std::int32_t kScrollBar = 17, kZero = 7;
    for (std::int32_t count : {30, 31}) {
        SCOPED_TRACE(count);
        std::vector<MeasuredItem> items(static_cast<std::size_t>(count), MeasuredItem{40, 0});
        items[3] = {65, s::gui::combobox::kBold};
        // A header is indented past the widest plain item.
        items[9] = {60, s::gui::combobox::kHeader};
        std::int32_t want = 70 + kZero + (count > 30 ? kScrollBar : 0);
        EXPECT_EQ(dropDownWidth(items.data(), count, kScrollBar, kZero), want);
    }
    EXPECT_EQ(dropDownWidth(nullptr, 0, kScrollBar, kZero), kZero);
}

TEST(ComboBoxDropDown, TopIndexOnOpen) {
    struct Case {
        std::int32_t listHeight, itemHeight, current, previous, want;
    } cases[] = {
        {200, 10, 50, 45, 45},                        // both within the 20 rows: the smaller on top
        {200, 10, 45, 50, 45}, {200, 10, 50, 30, 40}, // 20 rows apart: centre the current one
        {0, 0, 5, -1, 0},                             // no size: 20 rows, clamped at the top
        {30, 10, 50, 10, -1},                         // three rows: left alone
        {200, 10, -1, 3, -1},                         // no selection
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            s::gui::combobox::topIndexOnOpen(c.listHeight, c.itemHeight, c.current, c.previous),
            c.want)
            << c.listHeight << "/" << c.itemHeight << " current " << c.current << " previous "
            << c.previous;
}
