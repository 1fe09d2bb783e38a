#include "DialogFixture.h"
#include "TestSupport.h"
#include "win/ShutdownPrivilege.h"
#include "win/SoundCapture.h"

#include "audio/Mp3.h"
#include "foundation/collections/Arrays.h"
#include "foundation/system/Platform.h"
#include "foundation/system/Seams.h"
#include "foundation/files/win/FileInputStream.h"
#include "foundation/files/win/PathWin.h"
#include "foundation/system/win/Power.h"

#include <shellapi.h>
#include <shlobj.h>
#include <commdlg.h>
#include <dlgs.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

using s::test::narrow;

using namespace s::sound::gui::dialogs::plinkett;
using s::test::DialogRun;
using s::test::textOf;

namespace {

// What the seams were asked, in order: "shell <verb>|<file>|<parameters>|<show>",
// "power <suspend> <force>", "exit <flags> <reason>".
std::mutex callsMutex;
std::vector<std::string> calls;
std::atomic<int> powerAnswer{1};
std::atomic<int> shellAnswer{1};

void note(const std::string& call) {
    std::lock_guard<std::mutex> lock(callsMutex);
    calls.push_back(call);
}

int recordShell(SHELLEXECUTEINFOW* request) {
    note("shell " + narrow(request->lpVerb) + "|" + narrow(request->lpFile) + "|" +
         narrow(request->lpParameters) + "|" + std::to_string(request->nShow));
    return shellAnswer;
}

int recordPower(int suspend, int force) {
    note("power " + std::to_string(suspend) + " " + std::to_string(force));
    return powerAnswer;
}

int recordExit(unsigned flags, unsigned long reason) {
    note("exit " + std::to_string(flags) + " " + std::to_string(reason));
    return 1;
}

// A WAV file of frames stereo frames of one sample value.
std::vector<std::uint8_t> waveFile(std::uint32_t frames, std::int16_t value) {
    return s::test::waveFile(std::vector<std::int16_t>(2 * frames, value));
}

// The 16-bit samples of captured PCM.
std::vector<std::int16_t> samplesOf(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    return samples;
}

// A folder of its own for the files of one test.
class ActionRun : public DialogRun {
protected:
    void SetUp() override {
        DialogRun::SetUp();
        {
            std::lock_guard<std::mutex> lock(callsMutex);
            calls.clear();
        }
        powerAnswer = 1;
        shellAnswer = 1;
        s::seams::setShellExecute(&recordShell);
        s::seams::setSetSystemPowerState(&recordPower);
        s::seams::setExitWindows(&recordExit);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"tarnwick-actions-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder.c_str(), nullptr);
        capture = s::test::capturePath();
        if (!capture.empty())
            DeleteFileW(capture.c_str());
    }
    void TearDown() override {
        s::seams::setShellExecute(nullptr);
        s::seams::setSetSystemPowerState(nullptr);
        s::seams::setExitWindows(nullptr);
    }

    std::wstring file(const wchar_t* name, const std::vector<std::uint8_t>& bytes) {
        std::wstring path = folder + L"\\" + name;
        s::platform::writeFile(reinterpret_cast<const char16_t*>(path.c_str()), bytes.data(),
                               bytes.size());
        return path;
    }

    void choose(const char16_t* key, const std::wstring& path, const char16_t* parameter = u"",
                bool repeat = false, std::int32_t volume = 100, std::int32_t shutdown = 5) {
        onWindowThread([&] {
            ActionEntry& entry = dialog.actionEntry();
            entry.actionKey.set(key);
            entry.pathText.set(reinterpret_cast<const char16_t*>(path.c_str()));
            entry.parameterText.set(parameter);
            entry.repeatChecked = repeat;
            entry.volumeKey = volume;
            entry.shutdownKey = shutdown;
        });
    }

    std::vector<std::string> seen() {
        std::lock_guard<std::mutex> lock(callsMutex);
        return calls;
    }

    void needsCapture() {
        if (capture.empty())
            GTEST_SKIP() << "run through CTest, which names the capture file";
    }

    // A count-down run out at once whose action fails: the window says why
    // and the default alarm is heard, and both stand until Stop ends the run.
    void expectFailureShown(const char16_t* why, int ends, const std::string& row) {
        DeleteFileW(capture.c_str());
        setAfter(u"0", u"0", u"0");
        press<&Dialog::requestStartStop>();
        ASSERT_TRUE(recorder.waitFor(kProcessStatusAction, ends)) << row;
        bool heard = false;
        for (DWORD start = GetTickCount(); !heard && GetTickCount() - start < 20000; Sleep(20))
            heard = s::test::fileBytes(capture).size() >= 44100u * 4;
        EXPECT_TRUE(heard) << "the default alarm is heard for " << row;
        EXPECT_TRUE(textOf(ui().actionLabel) == why) << row;
        EXPECT_FALSE(recorder.waitFor(kProcessStatusEnd, ends, 500)) << row;
        press<&Dialog::requestStartStop>();
        ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd, ends, 5000)) << row;
    }

    // The default alarm, which CTest also puts beside the test.
    std::wstring defaultAlarm() {
        std::wstring alarm = s::test::environment(L"TARNWICK_DEFAULT_ALARM");
        EXPECT_FALSE(alarm.empty()) << "CTest names the default alarm";
        return alarm;
    }

    std::wstring folder;
    std::wstring capture;
};

} // namespace

TEST_F(ActionRun, OpenExecuteAndWebPageGoToTheShellAtOnceWithoutStatusEvents) {
    choose(u"Open", L"C:\\docs\\plan.txt");
    press<&Dialog::requestTest>();
    choose(u"Execute", L"C:\\tools\\backup.exe", u"--quiet now");
    press<&Dialog::requestTest>();
    choose(u"EXECUTE", L"C:\\tools\\backup.exe");
    press<&Dialog::requestTest>();
    choose(u"WebPage", L"https://vexa.example/");
    press<&Dialog::requestTest>();
    std::vector<std::string> expected = {
        "shell |C:\\docs\\plan.txt||1",
        "shell |C:\\tools\\backup.exe|--quiet now|1",
        "shell |C:\\tools\\backup.exe||1",
        "shell open|https://vexa.example/||1",
    };
    EXPECT_EQ(seen(), expected);
    EXPECT_EQ(recorder.sequence(), "") << "a test of these actions sends no status event";
    EXPECT_FALSE(dialog.isRunning());
}

TEST_F(ActionRun, EveryShutdownTypeMakesItsPlatformCall) {
    for (std::int32_t type = 1; type <= 5; ++type) {
        if (type == kHibernate)
            continue; // its failure opens a box; it has its own test
        choose(u"Shutdown", L"", u"", false, 100, type);
        press<&Dialog::requestTest>();
    }
    std::vector<std::string> expected = {"power 1 1", "exit 4 0", "exit 6 0", "exit 13 0"};
    EXPECT_EQ(seen(), expected);
    EXPECT_EQ(dialog.actionTarget().length(), 0u) << "Shutdown has no target";
}

TEST(ShutdownPrivilege, IsEnabledByTheFirstStepOfTheProcessOnly) {
    // Whichever shutdown action of this process came first has run the
    // step; taken away now, the privilege stays off however often the
    // action runs again.
    s::system::win::ensureShutdownPrivilege();
    EXPECT_FALSE(s::system::win::ensureShutdownPrivilege()) << "the step runs once";
    s::test::setShutdownPrivilege(false);
    ASSERT_FALSE(s::test::shutdownPrivilegeEnabled());
    s::seams::setExitWindows(&recordExit);
    {
        Dialog dialog;
        dialog.actionEntry().actionKey.set(u"Shutdown");
        dialog.actionEntry().shutdownKey = kReboot;
        dialog.requestTest();
        dialog.requestTest();
    }
    s::seams::setExitWindows(nullptr);
    EXPECT_FALSE(s::test::shutdownPrivilegeEnabled());
    s::test::setShutdownPrivilege(true);
}

namespace {
// Finds the message box this process shows, answers what it says and
// closes it.
std::wstring closeMessageBox(DWORD limitMs) {
    struct Search {
        HWND found = nullptr;
        wchar_t text[1024] = {};
    };
    for (DWORD start = GetTickCount(); GetTickCount() - start < limitMs; Sleep(20)) {
        Search search;
        EnumWindows(
            [](HWND hwnd, LPARAM data) -> BOOL {
                auto* search = reinterpret_cast<Search*>(data);
                DWORD process = 0;
                GetWindowThreadProcessId(hwnd, &process);
                wchar_t name[32] = {};
                GetClassNameW(hwnd, name, 32);
                // A box whose text is in place: one still being built has none.
                if (process == GetCurrentProcessId() && std::wstring(name) == L"#32770" &&
                    GetDlgItemTextW(hwnd, 0xFFFF, search->text, 1024) > 0) {
                    search->found = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            PostMessageW(search.found, WM_COMMAND, IDOK, 0);
            return search.text;
        }
    }
    return L"(no message box)";
}
} // namespace

TEST_F(ActionRun, AFailedHibernateExplainsWhatToDo) {
    powerAnswer = 0;
    choose(u"Shutdown", L"", u"", false, 100, kHibernate);
    std::wstring shown;
    std::thread watcher([&] { shown = closeMessageBox(10000); });
    press<&Dialog::requestTest>();
    watcher.join();
    EXPECT_EQ(shown, L"Not Enough virtual Memory (Paging File)\r\n"
                     L"Solution 1: Close some of applications (which is using lots of memory) "
                     L"and try again.\r\n"
                     L"Solution 2: Increase minimum virtual memory (Paging File) size and reboot "
                     L"the system once.");
    EXPECT_EQ(seen(), std::vector<std::string>{"power 0 1"});
}

TEST_F(ActionRun, TheActionIsCapturedWhenTheTimeComes) {
    choose(u"Open", L"C:\\first.txt");
    setAfter(u"0", u"0", u"5");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusUpdate));
    EXPECT_TRUE(textOf(ui().actionLabel) == u"(Open File)");
    // Changed while the count-down runs: the change is what runs.
    choose(u"WebPage", L"https://vexa.example/later");
    clock.advance(5000);
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd));
    EXPECT_EQ(recorder.sequence(), "Start,Update*,Action,End");
    EXPECT_EQ(seen(), std::vector<std::string>{"shell open|https://vexa.example/later||1"});
    EXPECT_EQ(dialog.actionKind(), kWebPage);
}

TEST_F(ActionRun, ASoundThatCannotBePlayedSaysWhyAndTheDefaultAlarmSoundsInstead) {
    needsCapture();
    std::vector<std::uint8_t> alarm = s::test::fileBytes(defaultAlarm());
    ASSERT_GT(alarm.size(), 1000u);
    // Its tag, its information frame and one frame of sound: 26 ms.
    std::vector<std::uint8_t> cut(alarm.begin(), alarm.begin() + 1000);
    std::vector<std::uint8_t> text = {'n', 'o', ' ', 's', 'o', 'u', 'n', 'd', '\r', '\n'};
    CreateDirectoryW((folder + L"\\folder.wav").c_str(), nullptr);
    std::vector<std::uint8_t> wave = waveFile(4410, 3000), none, silent = waveFile(0, 0);
    struct Row {
        const wchar_t* name;
        const std::vector<std::uint8_t>* bytes; // null: the file is not written
        const char16_t* why;
    };
    const Row rows[] = {
        {L"missing.wav", nullptr, u"Sound file not found"},
        {L"folder.wav", nullptr, u"Sound file not found"},
        {L"alarm.ogg", &wave, u"Sound file cannot be played"},
        {L"empty.wav", &none, u"Sound file cannot be played"},
        {L"text.mp3", &text, u"Sound file cannot be played"},
        {L"cut.mp3", &cut, u"Sound file cannot be played"},
        {L"silent.wav", &silent, u"Sound file cannot be played"},
    };
    int ends = 0;
    for (const Row& row : rows) {
        std::wstring path = folder + L"\\" + row.name;
        if (row.bytes != nullptr)
            file(row.name, *row.bytes);
        choose(u"Play", path);
        expectFailureShown(row.why, ++ends, narrow(row.name));
    }

    // The name's case does not matter; a test of what cannot play says why.
    choose(u"Play", file(L"ALARM.WAV", wave));
    press<&Dialog::requestTest>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEndAction, 1, 10000));
    std::vector<std::int16_t> heard = samplesOf(s::test::fileBytes(capture));
    ASSERT_GE(heard.size(), 2u * 4410);
    for (std::size_t i = 0; i < 2u * 4410; ++i)
        ASSERT_EQ(heard[i], 3000) << "sample " << i;
    choose(u"Play", folder + L"\\alarm.ogg");
    std::wstring shown;
    std::thread watcher([&] { shown = closeMessageBox(10000); });
    press<&Dialog::requestTest>();
    watcher.join();
    EXPECT_EQ(shown, L"Sound file cannot be played");
}

TEST_F(ActionRun, AnotherActionThatFailsSaysWhyAndSoundsTheDefaultAlarmOnce) {
    needsCapture();
    shellAnswer = 0;
    powerAnswer = 0;
    struct Row {
        const char16_t* key;
        std::int32_t shutdown;
        const char16_t* why;
    } rows[] = {
        {u"Open", 0, u"File could not be opened"},
        {u"Execute", 0, u"Program could not be started"},
        {u"WebPage", 0, u"Web page could not be opened"},
        {u"Shutdown", kStandBy, u"Windows refused the action"},
    };
    int ends = 0;
    for (const Row& row : rows) {
        choose(row.key, L"C:\\nothing", u"", true, 100, row.shutdown);
        expectFailureShown(row.why, ++ends, narrow(row.key));
    }

    // A failed hibernation explains itself in a box while the alarm sounds.
    choose(u"Shutdown", L"", u"", false, 100, kHibernate);
    std::wstring shown;
    std::thread watcher([&] { shown = closeMessageBox(15000); });
    expectFailureShown(u"Windows refused the action", ++ends, "hibernate");
    watcher.join();
    EXPECT_EQ(shown.substr(0, 39), L"Not Enough virtual Memory (Paging File)");
}

TEST_F(ActionRun, TestOfPlayGoesTestingAndASecondPressStopsTheSound) {
    needsCapture();
    dialog.window().show(true, false);
    onWindowThread([&] { dialog.window().iconize(); });
    ASSERT_TRUE(dialog.window().isIconized());
    choose(u"Play", file(L"long.wav", waveFile(44100 * 10, 2000)), u"", true);
    press<&Dialog::requestTest>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusStartAction));
    for (DWORD start = GetTickCount();
         s::test::fileBytes(capture).empty() && GetTickCount() - start < 5000;)
        Sleep(20);
    EXPECT_TRUE(dialog.isRunning());
    EXPECT_EQ(ui().testButton->getTextId(), 3010501);
    EXPECT_FALSE(ui().startButton->isEnabled());
    EXPECT_FALSE(dialog.window().isIconized()) << "the window comes forward for the sound";
    EXPECT_TRUE(dialog.window().isActive());
    EXPECT_FALSE(s::test::fileBytes(capture).empty()) << "the sound reaches the device";

    DWORD start = GetTickCount();
    press<&Dialog::requestTest>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEndAction, 1, 5000));
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_EQ(recorder.sequence(), "Start_Action,End_Action");
    EXPECT_EQ(ui().testButton->getTextId(), 3010600);
    EXPECT_TRUE(ui().startButton->isEnabled());
}

TEST_F(ActionRun, RepeatPlaysAgainUntilStopped) {
    needsCapture();
    // A tenth of a second, played once, ends the test run well within 2 s.
    choose(u"Play", file(L"short.wav", waveFile(4410, 1000)));
    press<&Dialog::requestTest>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEndAction, 1, 3000));
    EXPECT_EQ(recorder.sequence(), "Start_Action,End_Action");
    EXPECT_TRUE(ui().startButton->isEnabled());
    EXPECT_EQ(ui().testButton->getTextId(), 3010600);

    onWindowThread([&] { dialog.requestRepeat(true); });
    press<&Dialog::requestTest>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusStartAction, 2));
    // Each repeat opens the device again, and the capture file starts empty
    // at every open: the sound is heard when any look finds it there.
    bool heard = false;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(20))
        heard = heard || !s::test::fileBytes(capture).empty();
    EXPECT_EQ(recorder.count(kProcessStatusEndAction), 1) << "still playing after 30 lengths";
    EXPECT_TRUE(heard);
    press<&Dialog::requestTest>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEndAction, 2, 3000));
}

TEST_F(ActionRun, AVolumeChangeWhilePlayingIsHeardWithoutARestart) {
    needsCapture();
    const std::uint32_t frames = 44100 * 30;
    choose(u"Play", file(L"steady.wav", waveFile(frames, 20000)), u"", false, 50);
    press<&Dialog::requestTest>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusStartAction));
    // The test device takes the sound faster than it would sound: the change
    // comes once a second of it has reached the device.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(5))
        if (GetFileAttributesExW(capture.c_str(), GetFileExInfoStandard, &data) &&
            data.nFileSizeLow >= 176400)
            break;
    onWindowThread([&] { dialog.requestVolume(100); });
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEndAction, 1, 60000));
    std::vector<std::int16_t> heard = samplesOf(s::test::fileBytes(capture));
    ASSERT_GE(heard.size(), 2u * frames) << "the whole sound, played once from its start";
    // Volume 50 % is a quarter of the amplitude, 100 % all of it.
    EXPECT_EQ(heard.front(), 5000);
    EXPECT_EQ(heard[2 * frames - 1], 20000);
    std::size_t quiet = 0, loud = 0;
    for (std::size_t i = 0; i < 2u * frames; ++i) {
        quiet += heard[i] == 5000;
        loud += heard[i] == 20000;
    }
    EXPECT_EQ(quiet + loud, 2u * frames) << "every sample at one of the two volumes";
    EXPECT_GE(quiet, 2u * 44100);
    EXPECT_GT(loud, 2u * 44100);
}

TEST_F(ActionRun, ATwoSecondCountDownEndsInTheDefaultAlarm) {
    needsCapture();
    std::wstring alarm = defaultAlarm();
    // What the alarm decodes to.
    std::vector<std::uint8_t> decoded;
    {
        auto* path = s::file::win::PathWin::of(reinterpret_cast<const char16_t*>(alarm.c_str()));
        auto* mp3 = s::thread::take<s::sound::mp3::win::Mp3>();
        mp3->setInputSize(path->size());
        mp3->setInput(path->openInputStream(), true);
        std::uint8_t buffer[4096];
        std::uint32_t count = 0;
        while (mp3->readPcm(buffer, sizeof buffer, &count) && count != 0)
            decoded.insert(decoded.end(), buffer, buffer + count);
        mp3->release();
        path->release();
    }
    ASSERT_GT(decoded.size(), 44100u * 4 * 3) << "a few seconds of sound";

    choose(u"Play", alarm);
    setAfter(u"0", u"0", u"2");
    press<&Dialog::requestStartStop>();
    ASSERT_TRUE(recorder.waitFor(kProcessStatusEnd, 1, 20000));
    EXPECT_EQ(recorder.sequence(), "Start,Update*,Action,End");
    std::vector<std::uint8_t> heard = s::test::fileBytes(capture);
    ASSERT_GE(heard.size(), decoded.size());
    EXPECT_TRUE(std::equal(decoded.begin(), decoded.end(), heard.begin()))
        << "the alarm reached the device sample for sample";
}

TEST(Browse, OpensInTheStoredPathsFolderOrOnTheDesktop) {
    wchar_t desktop[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop),
              S_OK);
    wchar_t temp[MAX_PATH];
    DWORD n = GetTempPathW(MAX_PATH, temp);
    std::wstring tempFolder(temp, n > 0 && temp[n - 1] == L'\\' ? n - 1 : n);
    struct Case {
        std::wstring stored;
        std::wstring folder;
    };
    const Case cases[] = {
        {L"", desktop},
        {L"sound.mp3", desktop},                       // not a whole path
        {L"C:\\no such folder\\x\\sound.mp3", desktop}, // the folder does not exist
        {L"C:\\a\"b|<>\\sound.mp3", desktop},           // not well-formed
        {tempFolder + L"\\sound.mp3", tempFolder},     // the file need not exist
    };
    for (const Case& c : cases) {
        s::str::StrBuffer stored(reinterpret_cast<const char16_t*>(c.stored.c_str()));
        s::str::StrBuffer folder;
        Dialog::browseFolder(stored, folder);
        s::str::StrBuffer expected(reinterpret_cast<const char16_t*>(c.folder.c_str()));
        EXPECT_TRUE(folder.equalsIgnoreCase(&expected)) << narrow(c.stored.c_str());
    }
}

namespace {
// The file-open dialog this process shows, once it is there.
HWND findFileDialog(DWORD limitMs) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < limitMs; Sleep(20)) {
        HWND found = nullptr;
        EnumWindows(
            [](HWND hwnd, LPARAM data) -> BOOL {
                DWORD process = 0;
                GetWindowThreadProcessId(hwnd, &process);
                wchar_t name[32] = {};
                GetClassNameW(hwnd, name, 32);
                if (process != GetCurrentProcessId() || std::wstring(name) != L"#32770" ||
                    !IsWindowVisible(hwnd))
                    return TRUE;
                *reinterpret_cast<HWND*>(data) = hwnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found != nullptr)
            return found;
    }
    return nullptr;
}
} // namespace

TEST_F(ActionRun, BrowseTakesTheChosenFileIntoThePathField) {
    std::wstring chosen = file(L"chime.wav", waveFile(10, 0));
    std::wstring stored = folder + L"\\earlier.mp3";
    choose(u"Play", stored);
    onWindowThread([&] { dialog.captureAction(); }); // the Play string is now stored
    choose(u"Play", L"typed but not stored");

    std::wstring openedIn, filter;
    std::thread user([&] {
        HWND box = findFileDialog(10000);
        if (box == nullptr)
            return;
        wchar_t text[MAX_PATH] = {};
        SendMessageW(box, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(text));
        openedIn = text;
        HWND types = GetDlgItem(box, cmb1);
        wchar_t type[256] = {};
        SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(type));
        filter = type;
        SetDlgItemTextW(box, cmb13, chosen.c_str());
        SetDlgItemTextW(box, edt1, chosen.c_str());
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    bool taken = false;
    onWindowThread([&] { taken = dialog.browse(); });
    user.join();
    EXPECT_TRUE(taken);
    s::str::StrBuffer expected(reinterpret_cast<const char16_t*>(chosen.c_str()));
    EXPECT_TRUE(dialog.actionEntry().pathText.equalsIgnoreCase(&expected))
        << narrow(reinterpret_cast<const wchar_t*>(dialog.actionEntry().pathText.cStr()));
    EXPECT_EQ(openedIn, folder) << "the folder of the stored path, not of the typed text";
    EXPECT_EQ(filter, L"Audio Files (*.mp3, *.wav)");
}

namespace {
// A dialog's answer, zeros inside included.
template <std::size_t N> std::u16string answer(const char16_t (&text)[N]) {
    return std::u16string(text, N - 1);
}
} // namespace

TEST(Browse, TheFirstOfTheChosenFilesIsTaken) {
    const std::pair<std::u16string, const char16_t*> cases[] = {
        {answer(u"C:\\music\\bell.mp3"), u"C:\\music\\bell.mp3"},
        {answer(u"C:\\music\0bell.mp3\0gong.wav"), u"C:\\music\\bell.mp3"},
        {answer(u"C:\\\0bell.mp3\0gong.wav"), u"C:\\bell.mp3"},
    };
    for (const auto& [chosen, expected] : cases) {
        // The dialog ends its answer with two zeros.
        std::u16string buffer = chosen + u'\0';
        s::str::StrBuffer first;
        Dialog::firstChosenFile(buffer.c_str(), first);
        EXPECT_TRUE(first.equals(expected)) << narrow(reinterpret_cast<const wchar_t*>(first.cStr()));
    }
}

TEST_F(ActionRun, AResetBeforeTheWorkerReportsItsStartStillStopsTheSound) {
    choose(u"Play", file(L"endless.wav", waveFile(44100 * 10, 500)), u"", true);
    // The window's thread is busy for a moment after the press, so the
    // worker's start report waits while the reset asks for the stop.
    std::thread window([&] {
        onWindowThread([&] {
            dialog.requestTest();
            Sleep(300);
        });
    });
    Sleep(100);
    DWORD start = GetTickCount();
    dialog.clear();
    DWORD took = GetTickCount() - start;
    window.join();
    EXPECT_LT(took, 3000u) << "the stop was lost and the worker had to be ended by force";
    EXPECT_FALSE(dialog.isRunning());
}
