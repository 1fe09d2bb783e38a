#include "timer/TimerSettings.h"

#include "TestSupport.h"
#include "storage/XmlMappedData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

using namespace s::sound::gui::dialogs::plinkett;
using s::test::narrow;
using s::test::TempFolder;

namespace {

constexpr char16_t kView[] = u"MainWindow\\View";

struct StoreRelease {
    void operator()(s::xml::MappedData* store) const { store->release(); }
};
using StorePtr = std::unique_ptr<s::xml::MappedData, StoreRelease>;

std::string fileBytes(const std::u16string& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string recent(const TimerSettings& s) {
    s::str::StrBuffer text;
    writeRecent(s.recent, text);
    return narrow(text);
}

// Every field of the record on one line, so that a mismatch shows which.
std::string describe(const TimerSettings& s) {
    const TimeEntry& e = s.entry;
    const ActionEntry& a = s.action;
    return "mode=" + std::to_string(static_cast<int>(e.mode)) +
           " clock=" + std::to_string(static_cast<int>(e.clockSystem)) + " at=" +
           narrow(e.atHour) + ":" + narrow(e.atMin) + ":" + narrow(e.atSec) + " after=" +
           narrow(e.afterHour) + ":" + narrow(e.afterMin) + ":" + narrow(e.afterSec) +
           " action=" + narrow(a.actionKey) + " path=" + narrow(a.pathText) +
           " param=" + narrow(a.parameterText) + " repeat=" + std::to_string(a.repeatChecked) +
           " volume=" + std::to_string(a.volumeKey) + " shutdown=" +
           std::to_string(a.shutdownKey) + " box=" + std::to_string(s.actionBoxOpen) +
           " play=" + narrow(s.playPath) + " open=" + narrow(s.openPath) +
           " exec=" + narrow(s.executePath) + " execParam=" + narrow(s.executeParameter) +
           " web=" + narrow(s.webPageAddress) + " clockMode=" + std::to_string(s.clockMode) +
           " keep=" + std::to_string(s.keepInScreen) +
           " dbl=" + std::to_string(s.doubleClickExpansion) +
           " taskbar=" + std::to_string(s.showTaskBarButton) +
           " opacity=" + std::to_string(s.transparency) +
           " trayProgress=" + std::to_string(s.trayProgress) + " recent=" + recent(s);
}

class TimerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(std::filesystem::path(sound_)) << "ID3";
        std::ofstream(std::filesystem::path(otherSound_)) << "RIFF";
        defaults_.defaultSoundPath = sound_.c_str();
        defaults_.webPageAddress = u"https://maker.example/";
    }

    StorePtr open() const {
        return StorePtr(s::xml::MappedData::createOverFile(file_.c_str(), u"savedata"));
    }

    TimerSettings load(s::map::IMappedData& store) const {
        TimerSettings out;
        loadTimerSettings(store, kView, defaults_, out);
        return out;
    }

    TempFolder folder_;
    std::u16string file_ = folder_.file(u"settings.xml");
    std::u16string sound_ = folder_.file(u"sound.mp3");
    std::u16string otherSound_ = folder_.file(u"bell.wav");
    TimerSettingDefaults defaults_;
};

TEST_F(TimerSettingsTest, AnEmptyStoreGivesTheFirstStartSettings) {
    StorePtr store = open();
    TimerSettings expected;
    expected.action.pathText.set(sound_.c_str());
    expected.playPath.set(sound_.c_str());
    expected.openPath.set(sound_.c_str());
    expected.webPageAddress.set(u"https://maker.example/");
    EXPECT_EQ(describe(load(*store)), describe(expected));
}

using Field = std::string (*)(const TimerSettings&);

struct Stored {
    const char16_t* key;
    std::u16string text; // written as a string, which is how the XML store keeps every type
    Field field;
    std::string expected;
};

std::string atHour(const TimerSettings& s) { return narrow(s.entry.atHour); }
std::string afterMin(const TimerSettings& s) { return narrow(s.entry.afterMin); }
std::string clockSystem(const TimerSettings& s) {
    return std::to_string(static_cast<int>(s.entry.clockSystem));
}
std::string volume(const TimerSettings& s) { return std::to_string(s.action.volumeKey); }
std::string opacity(const TimerSettings& s) { return std::to_string(s.transparency); }
std::string action(const TimerSettings& s) {
    return narrow(s.action.actionKey) + "|" + narrow(s.action.pathText);
}
std::string shutdown(const TimerSettings& s) { return std::to_string(s.action.shutdownKey); }
std::string playPath(const TimerSettings& s) { return narrow(s.playPath); }
std::string webPage(const TimerSettings& s) { return narrow(s.webPageAddress); }
std::string keepInScreen(const TimerSettings& s) { return std::to_string(s.keepInScreen); }

TEST_F(TimerSettingsTest, StoredValuesOutsideTheirChoicesGiveTheDefaults) {
    const std::u16string longDigits(5000, u'9');
    const std::u16string longText(40000, u'x');
    const std::string sound = narrow(sound_);
    const Stored cases[] = {
        {u"AtHour", u"99999999999", atHour, "99999999999"}, // kept for the model to judge
        {u"AtHour", longDigits, atHour, "7"},
        {u"AtHour", u"", atHour, ""},
        {u"AfterMin", std::u16string(kMaxTimeTextLength, u'1'), afterMin,
         std::string(kMaxTimeTextLength, '1')},
        {u"AtAmPm24", u"pm", clockSystem, "1"},
        {u"AtAmPm24", u"Am", clockSystem, "0"},
        {u"AtAmPm24", u"xx", clockSystem, "2"},
        {u"AtAmPm24", u"13", clockSystem, "2"},
        {u"AtAmPm24", u"", clockSystem, "2"},
        {u"AtAmPm24", longText, clockSystem, "2"},
        {u"PlayVolume", u"7", volume, "50"},
        {u"PlayVolume", u"loud", volume, "50"},
        {u"PlayVolume", u"0", volume, "50"},
        {u"PlayVolume", u"110", volume, "50"},
        {u"PlayVolume", u"10", volume, "10"},
        {u"PlayVolume", u"100", volume, "100"},
        {u"Transparency", u"0", opacity, "90"},
        {u"Transparency", u"250", opacity, "90"},
        {u"Transparency", u"-10", opacity, "90"},
        {u"Transparency", u"45", opacity, "45"},
        {u"Transparency", u"10", opacity, "10"},
        {u"Action", u"Dance", action, "Play|" + sound},
        {u"Action", u"sHUTDOWN", action, "Shutdown|"},
        {u"Action", u"webpage", action, "WebPage|https://maker.example/"},
        {u"ShutdownType", u"dance", shutdown, "5"},
        {u"ShutdownType", u"suspend", shutdown, "1"},
        {u"ShutdownType", u"HIBERNATE", shutdown, "2"},
        {u"ShutdownType", u"LogOff", shutdown, "3"},
        {u"ShutdownType", u"reboot", shutdown, "4"},
        {u"Action_Play_Str", folder_.file(u"gone.mp3"), playPath, sound},
        {u"Action_Play_Str", folder_.text(), playPath, sound}, // a folder is no sound
        {u"Action_Play_Str", otherSound_, playPath, narrow(otherSound_)},
        {u"Action_WebPage_Str", longText, webPage, "https://maker.example/"},
        {u"KeepInScreen", u"0", keepInScreen, "0"},
        {u"RecentTimers", u"-after 0:03:00;-at 9:00:00 pm", recent, "-after 0:03:00;-at 9:00:00 pm"},
        {u"RecentTimers", u"x;-at 24:00:00;-after 0:05:00", recent, "-after 0:05:00"},
        {u"RecentTimers", longText, recent, ""},
    };
    for (const Stored& c : cases) {
        SCOPED_TRACE(narrow(c.key) + " = \"" + narrow(c.text.substr(0, 40)) + "\"");
        std::filesystem::remove(std::filesystem::path(file_));
        StorePtr store = open();
        store->setString(kView, c.key, c.text.c_str());
        EXPECT_EQ(c.field(load(*store)), c.expected);
    }
}

TEST_F(TimerSettingsTest, WhatIsSavedLoadsAgainWithTheExitKeysInTheirOrder) {
    TimerSettings saved;
    saved.entry.mode = EntryMode::At;
    saved.entry.clockSystem = ClockSystem::Pm;
    saved.entry.atHour.set(u"11");
    saved.entry.atMin.set(u"5");
    saved.entry.atSec.set(u"9");
    saved.entry.afterHour.set(u"2");
    saved.entry.afterMin.set(u"0");
    saved.entry.afterSec.set(u"45");
    saved.actionBoxOpen = true;
    saved.action.actionKey.set(u"Execute");
    saved.action.repeatChecked = false;
    saved.action.volumeKey = 70;
    saved.action.shutdownKey = kHibernate;
    saved.playPath.set(otherSound_.c_str());
    saved.openPath.set(u"C:\\notes & <plans>.txt");
    saved.executePath.set(u"C:\\tools\\run \"this\".exe");
    saved.executeParameter.set(u"-q /x");
    saved.webPageAddress.set(u"https://example.org/?a=1&b=2");
    saved.action.pathText.set(saved.executePath);
    saved.action.parameterText.set(saved.executeParameter);
    // Written when they change, not at exit.
    saved.clockMode = true;
    saved.keepInScreen = false;
    saved.doubleClickExpansion = false;
    saved.showTaskBarButton = false;
    saved.transparency = 40;
    saved.trayProgress = false;
    rememberRecent(saved.recent, recentOf(saved.entry));
    {
        StorePtr store = open();
        store->setBool(kView, u"TransparencyOnlyOnTop", true);
        storeClockMode(*store, kView, true);
        storeKeepInScreen(*store, kView, false);
        storeDoubleClickExpansion(*store, kView, false);
        storeShowTaskBarButton(*store, kView, false);
        storeTransparency(*store, kView, 40);
        storeOption(*store, kView, u"TrayProgress", false);
        storeRecentTimers(*store, kView, saved.recent);
        storeLanguage(*store, u"MainWindow\\Language", u"German");
        saveTimerSettingsAtExit(*store, kView, saved, true);
        store->flush();
    }
    StorePtr store = open();
    EXPECT_EQ(describe(load(*store)), describe(saved));
    EXPECT_TRUE(store->getBool(kView, u"FinishedAsIconized", false));
    EXPECT_FALSE(store->getBool(kView, u"TransparencyOnlyOnTop", true));
    EXPECT_EQ(narrow(store->getString(u"MainWindow\\Language", u"", u"(none)")), "German");

    const std::string text = fileBytes(file_);
    const char* const order[] = {"FinishedAsIconized", "ModeAt", "AtAmPm24", "AtHour", "AtMin",
                                 "AtSec", "AfterHour", "AfterMin", "AfterSec", "ActionBox_Open",
                                 "Action=", "PlayRepeat", "PlayVolume", "Action_Play_Str",
                                 "Action_Open_Str", "Action_Execute_Str",
                                 "Action_Execute_Param_Str", "Action_WebPage_Str",
                                 "ShutdownType"};
    std::size_t last = 0;
    for (const char* key : order) {
        std::size_t at = text.find(key);
        ASSERT_NE(at, std::string::npos) << key << " missing in " << text;
        EXPECT_GT(at, last) << key << " out of order in " << text;
        last = at;
    }
}

TEST_F(TimerSettingsTest, LoadingWritesNothing) {
    TimerSettings weird;
    weird.action.volumeKey = 7;
    weird.action.actionKey.set(u"Dance");
    weird.playPath.set(u"/no/such/sound.mp3");
    // An empty store, a store whose keys are all there and one whose values
    // all take defaults: loading must neither create the section nor mend a
    // value in the tree that the next flush would write.
    const TimerSettings* contents[] = {nullptr, &weird};
    for (const TimerSettings* content : contents) {
        std::filesystem::remove(std::filesystem::path(file_));
        {
            StorePtr store = open();
            if (content != nullptr)
                saveTimerSettingsAtExit(*store, kView, *content, false);
            store->flush();
        }
        const std::string before = fileBytes(file_);
        StorePtr store = open();
        load(*store);
        store->flush();
        EXPECT_EQ(fileBytes(file_), before);
    }
}

} // namespace
