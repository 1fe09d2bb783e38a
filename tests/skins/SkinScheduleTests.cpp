#include "skins/SkinSchedule.h"

#include "SkinsTestSupport.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

using namespace skins_test;
using s::gui::drawer::kRandomSkinDayKey;
using s::gui::drawer::kRandomSkinLastChangeKey;
using s::test::localInstant;
using s::test::TestClock;

namespace {

const char16_t* const kSection = u"MainWindow\\View";

struct Civil {
    int y, mo, d, h, mi, s;
    std::int64_t seconds() const { return localInstant(y, mo, d, h, mi, s) / 1000; }
};

// Dates in local time; 2026-03-15 is a Sunday.
TEST(SkinSchedule, ChangesWhenThePeriodHasRunOut) {
    enum Written { kNothing, kNow };
    struct Case {
        const char* what;
        std::optional<std::int32_t> day;
        std::optional<Civil> last;
        Civil now;
        bool changes;
        Written written;
    };
    // clang-format off
    const Case cases[] = {
        {"everyday, a second after midnight", 1, Civil{2026, 3, 9, 23, 59, 0}, {2026, 3, 10, 0, 0, 1}, true, kNow},
        {"everyday, later the same day", 1, Civil{2026, 3, 10, 8, 0, 0}, {2026, 3, 10, 23, 59, 59}, false, kNothing},
        {"every 2nd day, the next day", 2, Civil{2026, 3, 9, 8, 0, 0}, {2026, 3, 10, 23, 0, 0}, false, kNothing},
        {"every 4th day (not on the menu)", 4, Civil{2026, 3, 6, 22, 0, 0}, {2026, 3, 10, 0, 0, 0}, true, kNow},
        {"every week from Sunday, the next Monday", 7, Civil{2026, 3, 15, 20, 0, 0}, {2026, 3, 16, 0, 0, 0}, true, kNow},
        {"every week from Sunday, that Sunday night", 7, Civil{2026, 3, 15, 20, 0, 0}, {2026, 3, 15, 23, 59, 59}, false, kNothing},
        {"every week from Monday, the next Monday", 7, Civil{2026, 3, 9, 9, 0, 0}, {2026, 3, 16, 0, 0, 0}, true, kNow},
        {"every week from Monday, the Sunday after", 7, Civil{2026, 3, 9, 9, 0, 0}, {2026, 3, 15, 23, 59, 59}, false, kNothing},
        {"every 2nd week (13 counts as one)", 13, Civil{2026, 3, 9, 9, 0, 0}, {2026, 3, 16, 0, 0, 0}, true, kNow},
        {"every 2nd week, a week later", 14, Civil{2026, 3, 9, 9, 0, 0}, {2026, 3, 22, 23, 0, 0}, false, kNothing},
        {"every month, 31 January to 1 February", 30, Civil{2026, 1, 31, 12, 0, 0}, {2026, 2, 1, 0, 0, 1}, true, kNow},
        {"every month, later in the same month", 30, Civil{2026, 1, 1, 0, 0, 1}, {2026, 1, 31, 23, 59, 59}, false, kNothing},
        {"every month, twelve months later", 30, Civil{2026, 1, 15, 12, 0, 0}, {2027, 1, 15, 12, 0, 0}, true, kNow},
        {"every time", 0, Civil{2026, 3, 10, 8, 0, 0}, {2026, 3, 10, 8, 0, 1}, true, kNow},
        {"every time, never changed before", 0, std::nullopt, {2026, 3, 10, 8, 0, 0}, true, kNow},
        {"don't change", -1, Civil{2025, 1, 1, 0, 0, 0}, {2026, 3, 10, 8, 0, 0}, false, kNothing},
        {"no setting", std::nullopt, std::nullopt, {2026, 3, 10, 8, 0, 0}, false, kNothing},
        {"a period above 30", 31, Civil{2025, 1, 1, 0, 0, 0}, {2026, 3, 10, 8, 0, 0}, false, kNothing},
        {"a last change in the future", 1, Civil{2026, 3, 12, 8, 0, 0}, {2026, 3, 10, 8, 0, 0}, false, kNow},
        {"no last change yet", 7, std::nullopt, {2026, 3, 10, 8, 0, 0}, false, kNow},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::int64_t now = c.now.seconds();
        TestClock clock(now * 1000 + 999, TestClock::kFrozen);
        SkinnerPtr set = setOf(u"abc");
        set->selectSkin(set->skinAt(1));
        StorePtr store = storeOver();
        if (c.day)
            store->setInt32(kSection, kRandomSkinDayKey, *c.day);
        std::int64_t last = c.last ? c.last->seconds() : 0;
        if (c.last)
            store->setInt64(kSection, kRandomSkinLastChangeKey, last);

        bool changed = s::gui::drawer::applySchedule(*set, *store, kSection);

        EXPECT_EQ(changed, c.changes) << c.what;
        EXPECT_EQ(set->currentIndex() != 1, c.changes) << c.what;
        EXPECT_NE(set->currentIndex(), -1) << c.what;
        if (c.written == kNow)
            EXPECT_EQ(store->getInt64(kSection, kRandomSkinLastChangeKey, -1), now) << c.what;
        else if (c.last)
            EXPECT_EQ(store->getInt64(kSection, kRandomSkinLastChangeKey, -1), last) << c.what;
        else
            EXPECT_FALSE(store->hasKey(kSection, kRandomSkinLastChangeKey)) << c.what;
        EXPECT_EQ(store->hasKey(kSection, kRandomSkinDayKey), c.day.has_value()) << c.what;
    }
}

TEST(SkinSchedule, MenuChoicesStartTheScheduleNow) {
    std::int64_t now = Civil{2026, 3, 10, 8, 0, 0}.seconds();
    TestClock clock(now * 1000, TestClock::kFrozen);
    const std::int64_t earlier = now - 86400;

    for (const s::gui::drawer::SkinPeriod& period : s::gui::drawer::kSkinPeriods) {
        StorePtr store = storeOver();
        store->setInt64(kSection, kRandomSkinLastChangeKey, earlier);
        EXPECT_EQ(s::gui::drawer::applyPeriodCommand(*store, kSection, period.command), &period);
        EXPECT_EQ(store->getInt32(kSection, kRandomSkinDayKey, -99), period.day);
        EXPECT_EQ(store->getInt64(kSection, kRandomSkinLastChangeKey, -1), now) << period.day;
        EXPECT_EQ(s::gui::drawer::skinPeriodOfDay(period.day), &period);
    }

    SkinnerPtr set = setOf(u"abc");
    set->selectSkin(set->skinAt(0));
    StorePtr store = storeOver();
    store->setInt64(kSection, kRandomSkinLastChangeKey, earlier);
    EXPECT_EQ(s::gui::drawer::applyPeriodCommand(*store, kSection, 29299), nullptr);
    EXPECT_EQ(s::gui::drawer::applyPeriodCommand(*store, kSection, 29289), nullptr);
    EXPECT_FALSE(s::gui::drawer::applySkinCommand(*set, *store, kSection, 28203));
    EXPECT_FALSE(s::gui::drawer::applySkinCommand(*set, *store, kSection, 28199));
    EXPECT_EQ(store->getInt64(kSection, kRandomSkinLastChangeKey, -1), earlier);
    EXPECT_FALSE(store->hasKey(kSection, kRandomSkinDayKey));

    EXPECT_TRUE(s::gui::drawer::applySkinCommand(*set, *store, kSection, 28202));
    EXPECT_EQ(set->currentIndex(), 2);
    EXPECT_EQ(store->getInt64(kSection, kRandomSkinLastChangeKey, -1), now);
    EXPECT_EQ(s::gui::drawer::skinPeriodOfDay(4), nullptr);
}

} // namespace
