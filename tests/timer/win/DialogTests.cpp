#include "DialogFixture.h"

using namespace s::sound::gui::dialogs::plinkett;
using s::test::DialogRun;
using s::test::textOf;
using s::test::widen;


TEST_F(DialogRun, CountDownThatRunsOutReportsStartUpdatesActionEnd) {
    setAfter(u"0", u"0", u"5");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    EXPECT_TRUE(appWindow.timerOn());
    std::int64_t target = dialog.targetMs();
    EXPECT_EQ(appWindow.stored(u"TargetMilliSec"), target);
    EXPECT_EQ(appWindow.stored(u"TargetMilliSec_OriginalGap"), dialog.startGapMs());
    EXPECT_NEAR(static_cast<double>(dialog.startGapMs()), 5000, 100);
    EXPECT_TRUE(countdownShown());
    EXPECT_EQ(ui().startButton->getTextId(), 3010500);

    clock.advance(5000);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));
    EXPECT_EQ(recorder.sequence(), "Start,Update*,Action,End");
    EXPECT_FALSE(appWindow.timerOn());
    EXPECT_FALSE(dialog.isRunning());
    EXPECT_TRUE(textOf(ui().remainingLabel) == u"It's Time!");
    EXPECT_EQ(ui().startButton->getTextId(), 3010000);
    EXPECT_TRUE(entryShown());
}

TEST_F(DialogRun, TwoSecondCountDownRunsOutInRealTime) {
    setAfter(u"0", u"0", u"2");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd, 1, 8000));
    EXPECT_EQ(recorder.sequence(), "Start,Update*,Action,End");
    // One update per whole second crossed: 1, 0 and past zero, plus one for
    // the start when the first pass still sees the full two seconds.
    int updates = recorder.count(kProcessStatusUpdate);
    EXPECT_GE(updates, 3);
    EXPECT_LE(updates, 4);
}

TEST_F(DialogRun, ZeroSpanFiresAtOnceOnAOneSecondGap) {
    setAfter(u"0", u"0", u"0");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));
    EXPECT_EQ(recorder.sequence(), "Start,Update*,Action,End");
    EXPECT_EQ(dialog.startGapMs(), 1000);
}

TEST_F(DialogRun, StoppedCountDownEndsWithoutAction) {
    setAfter(u"0", u"3", u"0");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));
    EXPECT_EQ(recorder.sequence(), "Start,Update*,End");
    EXPECT_FALSE(appWindow.timerOn());
    EXPECT_TRUE(ui().testButton->isEnabled());
}

TEST_F(DialogRun, PauseDoesNotCountInAfterMode) {
    setAfter(u"0", u"10", u"0");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    clock.advance(1500);
    press<&Dialog::requestPause>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusPause));
    // The remaining time, truncated to whole seconds, shows in the After fields.
    EXPECT_EQ(recorder.pausedAfterFields(), u"0:9:58");
    EXPECT_FALSE(appWindow.timerOn());

    clock.advance(3600 * 1000);
    press<&Dialog::requestEnterInField>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusResume));
    // Read after the resume has been shown: the window's layout work in
    // between counts, a paused hour must not.
    std::int64_t remaining = dialog.targetMs() - s::time::nowMillis();
    EXPECT_NEAR(static_cast<double>(remaining), 598000, 1000);
    EXPECT_TRUE(appWindow.timerOn());
    EXPECT_EQ(appWindow.stored(u"TargetMilliSec"), dialog.targetMs());
    EXPECT_TRUE(dialog.timeEntry().afterMin.equals(u"10"))
        << "the entry is restored after the pause";

    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));
    std::string sequence = recorder.sequence();
    EXPECT_EQ(sequence.rfind("Start,Update*,Pause,Resume,", 0), 0u) << sequence;
    EXPECT_EQ(sequence.find("Action"), std::string::npos) << sequence;
}

TEST_F(DialogRun, StopDuringAPauseSendsResumeBeforeEnd) {
    setAfter(u"1", u"0", u"0");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    press<&Dialog::requestPause>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusPause));
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));
    std::string sequence = recorder.sequence();
    const std::string tail = "Pause,Resume,End";
    ASSERT_GE(sequence.size(), tail.size());
    EXPECT_EQ(sequence.substr(sequence.size() - tail.size()), tail) << sequence;
    EXPECT_FALSE(appWindow.timerOn());
}

TEST_F(DialogRun, AtTargetFiresAtTheClockTime) {
    onWindowThread([&] {
        dialog.timeEntry().mode = EntryMode::At;
        dialog.timeEntry().clockSystem = ClockSystem::Am;
        dialog.timeEntry().atHour.set(u"10");
        dialog.timeEntry().atMin.set(u"0");
        dialog.timeEntry().atSec.set(u"3");
    });
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    EXPECT_EQ(dialog.targetMs(), s::test::localInstant(2026, 12, 9, 10, 0, 3));
    EXPECT_FALSE(ui().pauseButton->getFixedWidth() > 0) << "pause is offered in After mode only";
    clock.advance(3000);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));
    EXPECT_EQ(recorder.sequence(), "Start,Update*,Action,End");
}

TEST_F(DialogRun, ReleasingTheDialogStopsARunningCountDown) {
    setAfter(u"5", u"0", u"0");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    dialog.clear();
    EXPECT_EQ(recorder.sequence(), "Start,Update*,End");
    EXPECT_FALSE(dialog.isRunning());
    EXPECT_TRUE(dialog.timeEntry().afterMin.equals(u"3")) << "fields return to their defaults";
}

TEST_F(DialogRun, ClockViewShowsTwelveHourTimeWithNamesOfTheDay) {
    struct Case {
        int hour, minute;
        const char *hourMinute, *amPm;
    };
    const Case cases[] = {{0, 5, "12:05", "AM"}, {12, 0, "12:00", "PM"}, {13, 7, "1:07", "PM"}};
    for (const Case& c : cases) {
        s::test::TestClock at(s::test::localInstant(2013, 8, 12, c.hour, c.minute, 9),
                              s::test::TestClock::kFrozen);
        onWindowThread([&] {
            dialog.setClockView(true);
            dialog.showClock();
        });
        EXPECT_EQ(textOf(ui().hourMinuteLabel), widen(c.hourMinute)) << c.hourMinute;
        EXPECT_EQ(textOf(ui().amPmLabel), widen(c.amPm)) << c.amPm;
        EXPECT_EQ(textOf(ui().secondsLabel), u"09");
        EXPECT_EQ(textOf(ui().dateLabel), u"Aug 12");
        EXPECT_EQ(textOf(ui().weekdayLabel), u"Mon");
    }
}

// What the window's components ask of the dialog, each through its own event
// as the window's thread delivers it.
TEST_F(DialogRun, ComponentEventsChangeTheEntryTheRowsAndTheActionBox) {
    using s::gui::win::Button;
    auto raise = [&](s::gui::IComponent* source, int eventId) {
        onWindowThread([&] { dialog.handleEvent(source, eventId); });
    };
    auto field = [&](s::gui::win::TextField* f) { return textOf(f); };

    // The steps: down on the After hours below zero goes to zero, up on the
    // After minutes adds one; the At seconds stepping back across 12 o'clock
    // switch AM to PM.
    raise(ui().downButtons[3], Button::kPress);
    EXPECT_EQ(field(ui().afterHourField) + u":" + field(ui().afterMinField), u"0:0");
    raise(ui().upButtons[4], Button::kPress);
    EXPECT_EQ(field(ui().afterHourField) + u":" + field(ui().afterMinField), u"0:1");
    EXPECT_TRUE(dialog.timeEntry().afterMin.equals(u"1"));
    onWindowThread([&] { ui().atHourField->setText(u"12", true); });
    onWindowThread([&] { ui().atMinField->setText(u"0", true); });
    raise(ui().downButtons[2], Button::kPress);
    EXPECT_EQ(field(ui().atHourField) + u":" + field(ui().atMinField) + u":" +
                  field(ui().atSecField),
              u"11:59:59");
    EXPECT_TRUE(dialog.timeEntry().clockSystem == ClockSystem::Pm);
    EXPECT_EQ(ui().amPmCombo->getSelectedIndex(), 1);

    // Typing reaches the entry; the mode radios swap the rows.
    onWindowThread([&] { ui().afterSecField->setText(u"7", true); });
    EXPECT_TRUE(dialog.timeEntry().afterSec.equals(u"7"));
    raise(ui().atRadio, s::gui::win::CheckControl::kCheckedList);
    EXPECT_TRUE(dialog.timeEntry().mode == EntryMode::At);
    EXPECT_EQ(ui().atRow->getFixedHeight(), -1);
    EXPECT_EQ(ui().afterRow->getFixedHeight(), 0);
    raise(ui().afterRadio, s::gui::win::CheckControl::kCheckedList);
    EXPECT_EQ(ui().atRow->getFixedHeight(), 0);
    EXPECT_EQ(ui().afterRow->getFixedHeight(), -1);

    // The action box opens and closes; each action keeps its own path text
    // and Shutdown shows its list instead of the path.
    raise(ui().actionButton, Button::kAction);
    EXPECT_TRUE(dialog.isActionBoxOpen());
    EXPECT_EQ(textOf(ui().actionArrowButton), u"#Up");
    onWindowThread([&] { ui().pathField->setText(u"C:\\alarm.wav", true); });
    onWindowThread([&] { ui().actionCombo->selectById(kShutdown, true); });
    EXPECT_EQ(textOf(ui().pathField), u"");
    EXPECT_EQ(ui().pathRow->getFixedHeight(), 0);
    EXPECT_EQ(ui().shutdownRow->getFixedHeight(), -1);
    EXPECT_EQ(textOf(ui().actionLabel), u"(Shutdown System)");
    onWindowThread([&] { ui().actionCombo->selectById(kPlay, true); });
    EXPECT_EQ(textOf(ui().pathField), u"C:\\alarm.wav");
    EXPECT_EQ(ui().playRow->getFixedHeight(), -1);
    raise(ui().actionArrowButton, Button::kAction);
    EXPECT_FALSE(dialog.isActionBoxOpen());
    EXPECT_EQ(ui().actionArea->getFixedHeight(), 0);

    // The start button starts and stops like Enter in a field.
    setAfter(u"0", u"5", u"0");
    raise(ui().startButton, Button::kAction);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    raise(ui().afterMinField, s::gui::win::TextField::kEnter);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));
    EXPECT_EQ(recorder.sequence(), "Start,Update*,End");
}
