#include "timer/AlarmOptions.h"

#include "TestSupport.h"
#include "foundation/objects/Pooled.h"
#include "storage/XmlMappedData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

using namespace s::sound::gui::dialogs::plinkett;
using s::test::TempFolder;

namespace {

constexpr char16_t kView[] = u"MainWindow\\View";

using StorePtr = s::thread::Pooled<s::xml::MappedData>;

class AlarmOptionsTest : public ::testing::Test {
protected:
    StorePtr open() const {
        return StorePtr(s::xml::MappedData::createOverFile(file_.c_str(), u"savedata"));
    }

    TempFolder folder_;
    std::u16string file_ = folder_.file(u"settings.xml");
};

// Stored by a user's editor (as text, which is how the XML store keeps every
// type) or by an older or newer version: a span between the menu's steps is
// kept, a span no timer could mean takes the default.
TEST_F(AlarmOptionsTest, StoredSpansAreKeptUnlessNoTimerCouldMeanThem) {
    struct Case {
        const char16_t* text; // nullptr: absent
        std::int32_t snooze;
        std::int32_t warn;
    };
    const Case cases[] = {
        {nullptr, 300, 0},  {u"3", 3, 3},          {u"60", 60, 60},
        {u"600", 600, 600}, {u"7200", 7200, 7200}, {u"86400", 86400, 86400},
        {u"0", 300, 0},     {u"-5", 300, 0},       {u"86401", 300, 0},
        {u"soon", 300, 0},  {u"", 300, 0},         {u"99999999999", 300, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text != nullptr ? s::test::narrow(c.text) : "(absent)");
        std::filesystem::remove(std::filesystem::path(file_));
        StorePtr store = open();
        if (c.text != nullptr) {
            store->setString(kView, u"SnoozeSeconds", c.text);
            store->setString(kView, u"WarnBeforeEndSeconds", c.text);
        }
        AlarmOptions options;
        loadAlarmOptions(*store, kView, options);
        EXPECT_EQ(c.snooze, options.snoozeSeconds);
        EXPECT_EQ(c.warn, options.warnSeconds);
    }
}

TEST_F(AlarmOptionsTest, WhatTheMenuStoresReadsBackAfterARestart) {
    {
        StorePtr store = open();
        storeSnoozeSeconds(*store, kView, 900);
        storeWarnSeconds(*store, kView, 60);
        store->flush();
    }
    StorePtr store = open();
    AlarmOptions options;
    loadAlarmOptions(*store, kView, options);
    EXPECT_EQ(900, options.snoozeSeconds);
    EXPECT_EQ(60, options.warnSeconds);
}

// Each submenu marks the choice of a stored span and nothing for a span
// between its steps; the commands stay in the range kept for them, apart
// from every other command of the menus.
TEST(AlarmMenus, ChoicesMarkTheirOwnSpanAndCommandsStayInTheirRange) {
    std::set<std::int32_t> commands;
    for (const auto* choices : {&kSnoozeChoices, &kWarnChoices}) {
        for (const AlarmSpanChoice& choice : *choices) {
            EXPECT_EQ(&choice, choiceOfSpan(*choices, choice.seconds)) << choice.seconds;
            EXPECT_EQ(&choice, choiceOfCommand(*choices, choice.command)) << choice.command;
            EXPECT_GE(choice.command, 170);
            EXPECT_LE(choice.command, 189);
            EXPECT_TRUE(commands.insert(choice.command).second) << choice.command;
        }
        for (std::int32_t between : {3, 59, 120, 86400, -60})
            EXPECT_EQ(nullptr, choiceOfSpan(*choices, between)) << between;
    }
    EXPECT_EQ(nullptr, choiceOfSpan(kSnoozeChoices, 0)); // only the warning can be off
    EXPECT_EQ(nullptr, choiceOfCommand(kSnoozeChoices, 175));
    EXPECT_EQ(nullptr, choiceOfCommand(kWarnChoices, 170));
    EXPECT_EQ(nullptr, choiceOfCommand(kWarnChoices, 162));
    ASSERT_NE(nullptr, choiceOfSpan(kSnoozeChoices, kDefaultSnoozeSeconds));
    ASSERT_NE(nullptr, choiceOfSpan(kWarnChoices, kDefaultWarnSeconds));
}

// The worker looks at the remaining time about once a second, just after
// each whole second; the warning sounds at the look that comes down to the
// span, and only for a count-down that began above it.
TEST(Warning, IsDueWhenTheRemainingTimeComesDownToTheSpan) {
    struct Case {
        std::int64_t previous, remaining, startGap;
        std::int32_t warn;
        bool due;
        const char* what;
    };
    const Case cases[] = {
        {300999, 299999, 600000, 300, true, "the look just past five minutes"},
        {300001, 300000, 600000, 300, true, "exactly at the span"},
        {301999, 300999, 600000, 300, false, "a second before"},
        {299999, 298999, 600000, 300, false, "a second after: already past"},
        {600000, 299999, 600000, 300, true, "a long sleep past the point still warns"},
        {300999, 299999, 600000, 0, false, "off"},
        {300999, 299999, 300000, 300, false, "a count-down of exactly the span"},
        {60999, 59999, 30000, 60, false, "a count-down shorter than the span"},
        {299000, 290000, 600000, 300, false, "resumed below the span"},
        {300500, -1, 600000, 300, false, "the end already passed"},
        {3999, 2999, 8000, 3, true, "a span of a few seconds"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.due, warningDue(c.previous, c.remaining, c.startGap, c.warn)) << c.what;
}

} // namespace
