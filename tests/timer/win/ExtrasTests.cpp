// What the timer tells the system, the taskbar and the notification area
// about a run; a count-down handed over by a second start; shortcut keys.

#include "DialogFixture.h"

#include "TestSupport.h"
#include "foundation/system/Seams.h"

using namespace s::sound::gui::dialogs::plinkett;
using s::test::DialogRun;
using s::test::textOf;

namespace {

// What the seams were asked, in order, as short words.
std::mutex seen_mutex;
std::vector<std::string> seen;
std::uint64_t lastWakeDue = 0;

void note(const std::string& what) {
    std::lock_guard<std::mutex> lock(seen_mutex);
    seen.push_back(what);
}

class RunReported : public DialogRun {
protected:
    void SetUp() override {
        seen.clear();
        s::seams::setExecutionState([](unsigned flags) -> unsigned {
            note((flags & ES_SYSTEM_REQUIRED) != 0 ? "awake" : "sleepy");
            return ES_CONTINUOUS;
        });
        s::seams::setWakeTimer([](std::uint64_t due) {
            lastWakeDue = due;
            note(due != 0 ? "wake" : "nowake");
        });
        s::seams::setTaskbarProgress([](int state, std::int32_t permille) {
            static const char* names[] = {"none", "bar", "paused", "error"};
            note(std::string(names[state]) + (state == 1 || state == 3 ? std::to_string(permille / 100) : ""));
        });
        s::seams::setTrayBalloon([](const char16_t* title, const char16_t* text) {
            note("balloon " + s::test::narrow(title) + " / " + s::test::narrow(text));
        });
        DialogRun::SetUp();
    }
    void TearDown() override {
        DialogRun::TearDown();
        s::seams::setExecutionState(nullptr);
        s::seams::setWakeTimer(nullptr);
        s::seams::setTaskbarProgress(nullptr);
        s::seams::setTrayBalloon(nullptr);
    }
    std::string seenSoFar() {
        std::lock_guard<std::mutex> lock(seen_mutex);
        std::string out;
        for (const auto& s : seen)
            out += (out.empty() ? "" : ",") + s;
        seen.clear();
        return out;
    }
};

TEST_F(RunReported, ACountDownKeepsTheSystemUpAndShowsOnTheTaskbarUntilItEnds) {
    setAfter(u"0", u"0", u"10");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    // Less than a minute ahead: the wake-up is the action point itself. The
    // first tick may come a few milliseconds of real time after the start,
    // and show a sliver more of the bar.
    std::string started = seenSoFar();
    EXPECT_TRUE(started == "awake,wake,bar0" || started == "awake,wake,bar0,bar0") << started;
    EXPECT_EQ(lastWakeDue, 116444736000000000ULL + static_cast<std::uint64_t>(dialog.targetMs()) * 10000);

    // Half of the ten seconds gone, give or take the real time the test took.
    clock.advance(5000);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate, 2));
    std::string half = seenSoFar();
    EXPECT_TRUE(half == "bar5" || half == "bar6") << half;

    press<&Dialog::requestPause>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusPause));
    EXPECT_EQ(seenSoFar(), "sleepy,nowake,paused");
    press<&Dialog::requestPause>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusResume));
    EXPECT_EQ(seenSoFar().substr(0, 14), "awake,wake,bar");

    // Iconized at the action point, the tray icon says so.
    onWindowThread([&] { dialog.window().iconize(); });
    clock.advance(6000);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));
    std::string end = seenSoFar();
    EXPECT_NE(end.find("sleepy,nowake,error10,balloon It's Time! / Open File"), std::string::npos) << end;
    EXPECT_EQ(end.substr(end.size() - 4), "none") << end;
}

TEST_F(RunReported, AFarTargetWakesTheComputerAMinuteAheadAndAStopCancelsIt) {
    setAfter(u"2", u"0", u"0");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    EXPECT_EQ(lastWakeDue, 116444736000000000ULL +
                               static_cast<std::uint64_t>(dialog.targetMs() - 60000) * 10000);
    seenSoFar();
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));
    EXPECT_EQ(seenSoFar(), "sleepy,nowake,none");
}

// The warning before the end comes once, at the look that comes down to the
// span; an iconized window also says in a balloon how long is left.
TEST_F(RunReported, TheWarningComesOnceAtTheSpanAndAnIconizedWindowSaysHowLongIsLeft) {
    onWindowThread([&] { dialog.onMenuCommand(false, 176); }); // "1 Minute"
    setAfter(u"0", u"1", u"10");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    onWindowThread([&] { dialog.window().iconize(); });
    clock.advance(9000);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate, 2));
    EXPECT_EQ(recorder.count(kProcessStatusWarn), 0) << "61 s left";
    clock.advance(2000);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusWarn)) << "59 s left";
    clock.advance(60000);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));
    EXPECT_EQ(recorder.count(kProcessStatusWarn), 1);
    s::lang::Localizer* texts = appWindow.getLocalizer();
    std::string balloon = "balloon " + s::test::narrow(texts->getText(ids::kAlmostUp).cStr()) +
                          " / " + s::test::narrow(texts->getText(ids::kRemaining).cStr()) +
                          " 1m 0s";
    std::string reported = seenSoFar();
    EXPECT_NE(reported.find(balloon), std::string::npos) << reported;
}

// What a second start sends: its arguments, each ended by a zero.
LRESULT handOver(HWND window, const std::u16string& block, ULONG_PTR tag = s::gui::win::Window::kArgumentsTag) {
    COPYDATASTRUCT data{};
    data.dwData = tag;
    data.cbData = static_cast<DWORD>(block.size() * sizeof(char16_t));
    data.lpData = const_cast<char16_t*>(block.data());
    return SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

TEST_F(DialogRun, AHandedOverCountDownStartsOrReplacesTheRunningOne) {
    using namespace std::string_literals;
    HWND window = dialog.window().handle();
    // Not arguments, or not ended: taken by nobody.
    EXPECT_EQ(handOver(window, u"-after\0" u"0:0:5\0"s, 7), FALSE);
    EXPECT_EQ(handOver(window, u"-after\0" u"0:0:5"s), FALSE);
    EXPECT_EQ(handOver(window, u"-after\0banana\0"s), TRUE);
    Sleep(200);
    EXPECT_FALSE(dialog.isRunning());

    EXPECT_EQ(handOver(window, u"-after\0" u"0:2:0\0"s), TRUE);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    EXPECT_NEAR(static_cast<double>(dialog.startGapMs()), 120000, 200);

    // A second one ends the first and starts anew, in At mode.
    EXPECT_EQ(handOver(window, u"-at\0" u"10:30\0pm\0"s), TRUE);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusStart, 2));
    EXPECT_EQ(recorder.sequence().substr(0, 18), "Start,Update*,End,");
    EXPECT_EQ(dialog.timeEntry().mode, EntryMode::At);
    EXPECT_EQ(dialog.timeEntry().clockSystem, ClockSystem::Pm);
    EXPECT_TRUE(textOf(ui().atHourField) == u"10");
    // 10:00 to 22:30 of the test clock's day.
    EXPECT_NEAR(static_cast<double>(dialog.startGapMs()), 12.5 * 3600 * 1000, 5000);
}

TEST_F(DialogRun, ShortcutKeysActBeforeTheFocusedControlUnlessItTakesText) {
    auto key = [&](HWND to, WPARAM code) {
        PostMessageW(to, WM_KEYDOWN, code, 0);
        // Posted: wait until the window's thread has taken it.
        onWindowThread([] {});
    };
    HWND minutes = ui().afterMinField->handle();
    key(minutes, VK_UP);
    key(minutes, VK_UP);
    EXPECT_TRUE(textOf(ui().afterMinField) == u"5") << s::test::narrow(ui().afterMinField->getText());
    key(minutes, VK_DOWN);
    EXPECT_TRUE(textOf(ui().afterMinField) == u"4");

    key(minutes, 'C');
    EXPECT_TRUE(dialog.isClockView());
    key(dialog.window().handle(), 'C');
    EXPECT_FALSE(dialog.isClockView());

    // The path field takes letters as text.
    onWindowThread([&] { dialog.setActionBoxOpen(true); });
    key(ui().pathField->handle(), 'C');
    EXPECT_FALSE(dialog.isClockView());

    key(minutes, VK_SPACE);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    key(dialog.window().handle(), 'P');
    ASSERT_TRUE(recorder.waitFor(kProcessStatusPause));
    key(dialog.window().handle(), 'P');
    ASSERT_TRUE(recorder.waitFor(kProcessStatusResume));
    key(dialog.window().handle(), VK_SPACE);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));

    key(dialog.window().handle(), VK_ESCAPE);
    EXPECT_TRUE(dialog.window().isIconized() || IsIconic(dialog.window().handle()));
}

} // namespace
