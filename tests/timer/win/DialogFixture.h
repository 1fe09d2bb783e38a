#pragma once

// The dialog under test with its window thread, an application window of
// its own (an XML store and the embedded English pack), a test clock, and a
// recorder of the status events.

#include "TestClock.h"
#include "foundation/objects/Pools.h"
#include "foundation/system/Seams.h"
#include "foundation/system/win/Handles.h"
#include "localization/Localizer.h"
#include "toolkit/IAppWindow.h"
#include "storage/Node.h"
#include "storage/XmlMappedData.h"
#include "timer/win/Dialog.h"
#include "toolkit/box/Box.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/ComboBox.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/controls/win/RadioButton.h"
#include "toolkit/controls/win/TextField.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace s::test {

using namespace s::sound::gui::dialogs::plinkett;

// The application window as the dialog sees it: a store and the embedded
// language pack in English.
class FakeAppWindow : public s::app::IAppWindow {
public:
    FakeAppWindow()
        : store(s::xml::MappedData::createOverElement(newRoot())),
          localizer(s::lang::Localizer::create(nullptr, u"IDR_XML", 130)) {
        localizer->selectLanguage(u"English");
    }
    ~FakeAppWindow() override {
        localizer->release();
        store->release();
    }

    const char16_t* getSectionPath(const char16_t* section) override {
        path_.set(u"MainWindow\\");
        path_.append(section);
        return path_.cStr();
    }
    s::map::IMappedData* getStore() override { return store; }
    s::lang::Localizer* getLocalizer() override { return localizer; }
    s::gui::drawer::Skinner* getSkinSet() override { return nullptr; }

    bool timerOn() { return store->getBool(u"MainWindow\\View", u"TimerOn", false); }
    std::int64_t stored(const char16_t* key) {
        return store->getInt64(u"MainWindow\\View", key, -1);
    }

    s::xml::MappedData* store;
    s::lang::Localizer* localizer;

private:
    static s::xml::Node* newRoot() {
        auto* root = s::thread::take<s::xml::Node>();
        root->setName(u"savedata");
        return root;
    }

    s::str::StrBuffer path_;
};

// Listens after the dialog and notes every status event, with what the
// dialog made of it, on the window's thread.
class Recorder : public s::gui::events::IEventListener {
public:
    explicit Recorder(Dialog& dialog)
        : dialog_(dialog), changed_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

    void handleEvent(void*, int) override {
        auto name = static_cast<const char16_t*>(dialog_.window().getRequestValue1());
        if (name == kProcessUpdateClock)
            return; // the Clock View ticks on its own worker
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(std::u16string(name));
        if (std::u16string(name) == kProcessStatusPause) {
            const TimeEntry& entry = dialog_.timeEntry();
            pausedAfterFields_ = std::u16string(entry.afterHour.cStr()) + u":" +
                                 entry.afterMin.cStr() + u":" + entry.afterSec.cStr();
        }
        SetEvent(changed_.get());
    }

    // Waits until an event of this name has been seen count times.
    bool waitFor(const char16_t* name, int count = 1, DWORD timeoutMs = 10000) {
        DWORD deadline = GetTickCount() + timeoutMs;
        for (;;) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                int seen = 0;
                for (const auto& e : events_)
                    seen += e == name;
                if (seen >= count)
                    return true;
            }
            DWORD now = GetTickCount();
            if (static_cast<int>(deadline - now) <= 0)
                return false;
            WaitForSingleObject(changed_.get(), deadline - now);
        }
    }

    // The events so far, runs of updates folded into one "Update*".
    std::string sequence() {
        std::lock_guard<std::mutex> lock(mutex_);
        std::string out;
        for (const auto& e : events_) {
            std::string n(e.begin() + 13, e.end()); // drop "ProcessStatus"
            if (n == "Update" && out.size() >= 7 && out.compare(out.size() - 7, 7, "Update*") == 0)
                continue;
            if (!out.empty())
                out += ",";
            out += n == "Update" ? "Update*" : n;
        }
        return out;
    }

    int count(const char16_t* name) {
        std::lock_guard<std::mutex> lock(mutex_);
        int seen = 0;
        for (const auto& e : events_)
            seen += e == name;
        return seen;
    }

    std::u16string pausedAfterFields() {
        std::lock_guard<std::mutex> lock(mutex_);
        return pausedAfterFields_;
    }

private:
    Dialog& dialog_;
    s::system::win::Handle changed_;
    std::mutex mutex_;
    std::vector<std::u16string> events_;
    std::u16string pausedAfterFields_;
};

inline std::u16string textOf(const s::gui::win::Control* control) {
    return std::u16string(control->getText());
}

inline std::u16string widen(const char* text) { return std::u16string(text, text + std::strlen(text)); }

class DialogRun : public ::testing::Test {
protected:
    // The run's action is one the shell takes at once: the default sound is
    // not beside the test, and a sound that cannot be played would sound the
    // fallback alarm until stopped.
    void SetUp() override {
        s::seams::setShellExecute([](SHELLEXECUTEINFOW*) { return 1; });
        dialog.bind(&appWindow);
        ASSERT_TRUE(dialog.openWindow());
        dialog.window().addRequestListener(&recorder);
        onWindowThread([&] {
            dialog.actionEntry().actionKey.set(u"Open");
            dialog.actionEntry().pathText.set(u"C:\\plan.txt");
        });
    }
    void TearDown() override { s::seams::setShellExecute(nullptr); }

    // User requests run on the window's thread, as the window's events do.
    template <void (Dialog::*request)()> void press() {
        dialog.window().invoke([](void* d) { (static_cast<Dialog*>(d)->*request)(); }, &dialog);
    }
    template <typename F> void onWindowThread(F f) {
        dialog.window().invoke([](void* p) { (*static_cast<F*>(p))(); }, &f);
    }

    const TimerComponents& ui() { return dialog.components(); }
    // What the window shows of the run: the count-down display fills the
    // Timer View while it runs, the time entry otherwise.
    bool countdownShown() { return ui().countdownBox->getPercentHeight() == 100; }
    bool entryShown() { return ui().entryBox->getFixedHeight() != 0; }

    void setAfter(const char16_t* h, const char16_t* m, const char16_t* s) {
        onWindowThread([&] {
            dialog.timeEntry().afterHour.set(h);
            dialog.timeEntry().afterMin.set(m);
            dialog.timeEntry().afterSec.set(s);
        });
    }

    s::test::TestClock clock{s::test::localInstant(2026, 12, 9, 10, 0, 0)};
    FakeAppWindow appWindow;
    // Declared before the dialog so that it outlives the dialog's last event.
    Recorder recorder{dialog};
    Dialog dialog;
};


} // namespace s::test
