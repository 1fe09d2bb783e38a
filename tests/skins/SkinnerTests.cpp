#include "skins/Skinner.h"
#include "skins/ThinWindow.h"

#include "SkinsTestSupport.h"
#include "localization/IEventListener.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace skins_test;
using s::gui::drawer::Skinner;

namespace {

// Writes its tag and the event into a shared log.
class Recorder : public s::gui::events::IEventListener {
public:
    Recorder(std::string tag, std::vector<std::string>& log) : tag_(std::move(tag)), log_(log) {}
    void handleEvent(void* source, int eventId) override {
        auto* set = static_cast<Skinner*>(source);
        log_.push_back(tag_ + std::to_string(eventId) + "@" + std::to_string(set->currentIndex()));
    }

private:
    std::string tag_;
    std::vector<std::string>& log_;
};

TEST(Skinner, SelectionByNameAndByChoiceNotifiesOnlyOnChange) {
    SkinnerPtr set = setOf(u"abc");
    std::vector<std::string> log;
    Recorder first("1:", log), second("2:", log);
    set->addListener(&first);
    set->addListener(&second);
    set->addListener(&first);

    set->selectSkinByName(u"B");
    EXPECT_EQ(log, (std::vector<std::string>{"1:0@1", "2:0@1", "1:0@1"}));
    log.clear();
    set->selectSkin(set->skinAt(1));
    set->selectSkinByName(u"b");
    EXPECT_TRUE(log.empty()) << "the current skin selected again";

    set->removeListener(&first);
    set->selectSkinByName(u"no such skin");
    EXPECT_EQ(set->currentIndex(), 0) << "an unknown name selects the first skin";
    EXPECT_EQ(log, (std::vector<std::string>{"2:0@0", "1:0@0"}));

    SkinnerPtr other = setOf(u"x");
    set->selectSkin(other->skinAt(0));
    EXPECT_EQ(set->currentIndex(), 0) << "a skin of another set";

    std::int32_t index = 7;
    EXPECT_EQ(set->findSkin(u"C", &index), set->skinAt(2));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(set->findSkin(u"", &index), nullptr);
    EXPECT_EQ(index, -1);
}

TEST(Skinner, RemovingKeepsNamesInStepAndNeverLeavesAReleasedSkinCurrent) {
    SkinnerPtr set = setOf(u"abcd");
    set->selectSkin(set->skinAt(2));
    set->removeSkinAt(0);
    EXPECT_EQ(set->currentIndex(), 1) << "the current skin moved down with the others";
    set->removeSkinAt(1);
    EXPECT_EQ(set->currentSkin(), nullptr);
    EXPECT_EQ(set->currentIndex(), -1);
    set->removeSkinAt(5);
    set->removeSkinAt(-1);
    ASSERT_EQ(namesOf(*set), (std::vector<std::string>{"b", "d"}));
    for (std::int32_t i = 0; i < set->skinCount(); ++i)
        EXPECT_TRUE(set->nameAt(i)->equals(&set->skinAt(i)->getName())) << i;
    EXPECT_EQ(set->skinAt(2), nullptr);
    EXPECT_EQ(set->nameAt(2), nullptr);
}

TEST(Skinner, RandomChoiceIsAnyOtherSkinNeverTheCurrent) {
    SkinnerPtr one = setOf(u"a");
    one->selectSkin(one->skinAt(0));
    one->selectRandomSkin();
    EXPECT_EQ(one->currentIndex(), 0);

    SkinnerPtr two = setOf(u"ab");
    std::vector<std::string> log;
    Recorder recorder("", log);
    two->addListener(&recorder);
    two->selectSkin(two->skinAt(0));
    for (int i = 0; i < 50; ++i) {
        std::int32_t before = two->currentIndex();
        two->selectRandomSkin();
        ASSERT_EQ(two->currentIndex(), 1 - before) << "draw " << i;
    }
    EXPECT_EQ(log.size(), 51u);

    SkinnerPtr four = setOf(u"abcd");
    four->selectSkin(four->skinAt(3));
    std::set<std::int32_t> seen;
    for (int i = 0; i < 200; ++i) {
        four->selectSkin(four->skinAt(3));
        four->selectRandomSkin();
        seen.insert(four->currentIndex());
    }
    EXPECT_EQ(seen, (std::set<std::int32_t>{0, 1, 2}));

    SkinnerPtr none = setOf(u"ab");
    none->selectRandomSkin();
    EXPECT_NE(none->currentIndex(), -1) << "a set without a current skin gets one";
}

} // namespace

namespace {

// Counts how often it is given back.
class CountedDrawer : public s::gui::drawer::IDrawer {
public:
    explicit CountedDrawer(int& released) : released_(released) {}
    const char16_t* getClassName() const override { return u"CountedDrawer"; }
    s::base::IObject* newInstance() const override { return nullptr; }
    void release() override { ++released_; }
    void clear() override {}
    void paint(void*, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}

private:
    int& released_;
};

TEST(ThinWindow, OwnsItsDrawersAndGivesThemBackWhenReplacedOrCleared) {
    int first = 0, second = 0;
    CountedDrawer a(first), b(second);
    s::gui::drawer::skin::ThinWindow skin;
    skin.setButtonDrawer(&a);
    skin.setButtonDrawer(&a);
    EXPECT_EQ(first, 0) << "setting the same drawer again keeps it";
    skin.setButtonDrawer(&b);
    EXPECT_EQ(first, 1);
    skin.clear();
    EXPECT_EQ(second, 1);
    EXPECT_EQ(skin.getButtonDrawer(), nullptr);
    skin.clear();
    EXPECT_EQ(second, 1);
}

} // namespace
