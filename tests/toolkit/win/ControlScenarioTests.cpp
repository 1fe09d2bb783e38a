#include "foundation/system/win/Handles.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/CheckBox.h"
#include "toolkit/controls/win/RadioButton.h"
#include "toolkit/controls/win/Slider.h"
#include "toolkit/controls/win/TextField.h"
#include "toolkit/win/WindowTestSupport.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

using s::gui::IComponent;
using s::gui::win::Button;
using s::gui::win::CheckBox;
using s::gui::win::Control;
using s::gui::win::RadioButton;
using s::gui::win::Slider;
using s::gui::win::TextField;
using s::test::TestWindow;

namespace {

// What the controls raised, in order, with the time and a state read at
// the moment of the event.
class EventLog : public s::gui::events::IEventListener {
public:
    struct Entry {
        void* source;
        int eventId;
        double at;
        bool pressed;
    };
    void handleEvent(void* source, int eventId) override {
        bool pressed = false;
        if (source == static_cast<IComponent*>(toggle))
            pressed = toggle->isPressed();
        std::lock_guard<std::mutex> guard(lock_);
        entries_.push_back({source, eventId, s::test::millisNow(), pressed});
    }
    std::vector<Entry> of(Control* control) {
        std::lock_guard<std::mutex> guard(lock_);
        std::vector<Entry> found;
        for (const Entry& e : entries_) {
            if (e.source == static_cast<IComponent*>(control))
                found.push_back(e);
        }
        return found;
    }
    std::vector<int> idsOf(Control* control) {
        std::vector<int> ids;
        for (const Entry& e : of(control))
            ids.push_back(e.eventId);
        return ids;
    }
    Button* toggle = nullptr;

private:
    std::mutex lock_;
    std::vector<Entry> entries_;
};

// Starts a program of the Unix side through the helper beside the test,
// and waits until it has been started.
bool startUnixTool(const std::wstring& path, const std::wstring& arguments) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring helper = self;
    helper = helper.substr(0, helper.find_last_of(L'\\') + 1) + L"unix_tool.exe";
    std::wstring command = L"\"" + helper + L"\" " + path + L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(helper.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return false;
    s::system::win::Handle thread(process.hThread), owned(process.hProcess);
    DWORD code = 1;
    return WaitForSingleObject(owned.get(), 5000) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(owned.get(), &code) && code == 0;
}

// Real input on the X display Wine draws on; each step waits for its effect.
void xdotool(const std::wstring& arguments) {
    ASSERT_TRUE(startUnixTool(L"Z:\\usr\\bin\\xdotool", arguments));
}

bool waitFor(const std::function<bool()>& done, int ms = 3000) {
    for (int waited = 0; waited < ms; waited += 20) {
        if (done())
            return true;
        Sleep(20);
    }
    return done();
}

POINT centreOf(Control* control) {
    RECT r = s::test::rectOf(control->handle());
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void moveTo(Control* control) {
    POINT p = centreOf(control);
    xdotool(L"mousemove " + std::to_wstring(p.x) + L" " + std::to_wstring(p.y));
    waitFor([p] {
        POINT cursor;
        GetCursorPos(&cursor);
        return cursor.x == p.x && cursor.y == p.y;
    });
}

// A second click on the same control waits out the double-click time, as a
// user's would: a double click on a check box does not toggle it again.
void click(Control* control) {
    static Control* last = nullptr;
    if (control == last)
        Sleep(GetDoubleClickTime() + 100);
    last = control;
    moveTo(control);
    xdotool(L"click 1");
}

std::wstring nativeText(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

std::wstring textOf(Control* control) {
    return reinterpret_cast<const wchar_t*>(control->getText());
}

template <class T> T* make(const char16_t* text) {
    T* control = s::thread::take<T>();
    control->setText(text);
    control->setFixedWidth(180);
    control->setFixedHeight(26);
    return control;
}

} // namespace

// One window with the basic controls, worked with the real mouse and
// keyboard of the display.
TEST(ControlScenario, RealInputRaisesEachControlsEventsInOrder) {
    TestWindow window;
    window->setBounds(60, 60, 260, 380);
    window->show(true, true);
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(window->handle()) != FALSE; }));

    EventLog log;
    Button *plain = nullptr, *toggle = nullptr, *repeat = nullptr;
    TextField *field = nullptr, *target = nullptr;
    CheckBox* check = nullptr;
    RadioButton *first = nullptr, *second = nullptr;
    Button* grip = nullptr;
    Slider* slider = nullptr;
    ASSERT_TRUE(s::test::onWindowThread(*window, [&] {
        plain = make<Button>(u"Go");
        toggle = make<Button>(u"Keep");
        toggle->setToggle(true, true, false, false);
        repeat = make<Button>(u"#Up");
        repeat->setAutoRepeat(true);
        for (Button* b : {plain, toggle, repeat}) {
            b->addPressListener(&log);
            b->addActionListener(&log);
            b->addAfterActionListener(&log);
        }
        field = make<TextField>(u"");
        field->addChangeListener(&log);
        field->addEnterListener(&log);
        field->addFocusLostListener(&log);
        check = make<CheckBox>(u"Enables the field below");
        check->addCheckedListener(&log);
        check->addUncheckedListener(&log);
        target = make<TextField>(u"dependent");
        target->setEnabled(false);
        check->enabledWhileChecked(target);
        first = make<RadioButton>(u"First");
        first->setGroupStart(true);
        second = make<RadioButton>(u"Second");
        for (RadioButton* r : {first, second}) {
            r->addCheckedListener(&log);
            r->addUncheckedListener(&log);
        }
        slider = make<Slider>(u"");
        slider->setRange(0, 100);
        slider->setValue(10);
        slider->setLimit(60);
        slider->setLimitOn(true);
        slider->addChangeListener(&log);
        grip = s::thread::take<Button>();
        grip->setText(u"#Resizer");
        grip->setFixedWidth(12);
        grip->setFixedHeight(12);
        grip->addPressListener(&log);
        grip->addActionListener(&log);
        for (Control* c : std::initializer_list<Control*>{plain, toggle, repeat, field, check,
                                                          target, first, second, slider, grip})
            window->add(c);
    }));
    log.toggle = toggle;
    Sleep(300);

    // A click: press, action, after-action.
    click(plain);
    ASSERT_TRUE(waitFor([&] { return log.of(plain).size() == 3; }));
    EXPECT_EQ(log.idsOf(plain), (std::vector<int>{3, 1, 2}));

    // The toggle has flipped by its after-action event, and flips back.
    click(toggle);
    ASSERT_TRUE(waitFor([&] { return log.of(toggle).size() == 3; }));
    EXPECT_TRUE(log.of(toggle)[2].pressed);
    EXPECT_FALSE(log.of(toggle)[1].pressed) << "not yet flipped at the action event";
    click(toggle);
    ASSERT_TRUE(waitFor([&] { return log.of(toggle).size() == 6; }));
    EXPECT_FALSE(log.of(toggle)[5].pressed);
    EXPECT_FALSE(toggle->isPressed());

    // Held for a second: the press, then repeats from 500 ms on about every
    // 100 ms; nothing after letting go.
    moveTo(repeat);
    xdotool(L"mousedown 1");
    ASSERT_TRUE(waitFor([&] { return !log.of(repeat).empty(); }));
    Sleep(1000);
    xdotool(L"mouseup 1");
    ASSERT_TRUE(waitFor([&] { return log.of(repeat).back().eventId == 2; }));
    // The release is when the click came; the presses are the held time's.
    std::vector<EventLog::Entry> held;
    double released = 0;
    for (const EventLog::Entry& e : log.of(repeat)) {
        if (e.eventId == 3)
            held.push_back(e);
        else if (e.eventId == 1)
            released = e.at;
    }
    ASSERT_GE(held.size(), 4u) << "repeats while held";
    EXPECT_GE(held[1].at - held[0].at, 450.0) << "the first repeat waits half a second";
    for (std::size_t i = 2; i < held.size(); ++i)
        EXPECT_GE(held[i].at - held[i - 1].at, 80.0) << "repeat " << i;
    double heldFor = released - held[0].at;
    EXPECT_NEAR(static_cast<double>(held.size() - 1), (heldFor - 500.0) / 100.0 + 1.0, 2.0)
        << "held for " << heldFor << " ms";
    EXPECT_LE(held.back().at, released);
    std::size_t afterRelease = log.of(repeat).size();
    Sleep(400);
    EXPECT_EQ(log.of(repeat).size(), afterRelease) << "no presses after letting go";

    // Typing changes the text; Enter goes to the Enter listeners, not into
    // the text; Tab leaves the field.
    click(field);
    ASSERT_TRUE(waitFor([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(window->handle(), nullptr), &info) &&
               info.hwndFocus == field->handle();
    }));
    xdotool(L"type --delay 50 ab");
    ASSERT_TRUE(waitFor([&] { return textOf(field) == L"ab"; }));
    xdotool(L"key Return");
    ASSERT_TRUE(waitFor([&] { return log.idsOf(field).size() == 3; }));
    xdotool(L"key Tab");
    ASSERT_TRUE(waitFor([&] { return log.idsOf(field).size() == 4; }));
    EXPECT_EQ(log.idsOf(field), (std::vector<int>{1, 1, 2, 3}));
    EXPECT_EQ(textOf(field), L"ab");
    EXPECT_EQ(nativeText(field->handle()), L"ab");

    // The check box enables its dependent field exactly while checked.
    click(check);
    ASSERT_TRUE(waitFor([&] { return log.idsOf(check).size() == 1; }));
    EXPECT_TRUE(check->isChecked());
    EXPECT_TRUE(target->isEnabled());
    EXPECT_TRUE(IsWindowEnabled(target->handle()));
    click(check);
    ASSERT_TRUE(waitFor([&] { return log.idsOf(check).size() == 2; }));
    EXPECT_EQ(log.idsOf(check), (std::vector<int>{1, 2}));
    EXPECT_FALSE(target->isEnabled());
    EXPECT_FALSE(IsWindowEnabled(target->handle()));
    ASSERT_TRUE(s::test::onWindowThread(*window, [&] {
        check->setCheckedSilently(true);
        check->setChecked(true);
    }));
    EXPECT_EQ(log.idsOf(check).size(), 2u) << "silent, then no change";
    EXPECT_EQ(SendMessageW(check->handle(), BM_GETCHECK, 0, 0), BST_CHECKED);

    // Radio buttons of one group uncheck each other.
    click(first);
    ASSERT_TRUE(waitFor([&] { return first->isChecked(); }));
    click(second);
    ASSERT_TRUE(waitFor([&] { return second->isChecked() && !first->isChecked(); }));
    EXPECT_EQ(SendMessageW(first->handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    std::vector<EventLog::Entry> firstEvents = log.of(first);
    ASSERT_FALSE(firstEvents.empty());
    EXPECT_EQ(firstEvents.back().eventId, 0);

    // The track bar's moves reach the slider, which keeps below its limit.
    click(slider);
    ASSERT_TRUE(waitFor([&] { return !log.of(slider).empty(); }));
    EXPECT_GT(slider->getValue(), 10);
    xdotool(L"key End");
    ASSERT_TRUE(waitFor([&] { return slider->getValue() == 59; }));
    EXPECT_EQ(SendMessageW(slider->handle(), TBM_GETPOS, 0, 0), 59);
    for (const EventLog::Entry& e : log.of(slider))
        EXPECT_EQ(e.eventId, 0);

    // Dragging the size grip resizes the window from its bottom-right corner.
    RECT before = s::test::rectOf(window->handle());
    moveTo(grip);
    xdotool(L"mousedown 1");
    Sleep(200);
    xdotool(L"mousemove_relative 20 15");
    Sleep(200);
    xdotool(L"mousemove_relative 20 15");
    Sleep(200);
    xdotool(L"mouseup 1");
    ASSERT_TRUE(waitFor([&] {
        RECT now = s::test::rectOf(window->handle());
        return now.right - before.right == 40 && now.bottom - before.bottom == 30;
    })) << "the window did not follow the grip";
    EXPECT_EQ(s::test::rectOf(window->handle()).left, before.left);
    EXPECT_EQ(log.idsOf(grip).size(), 0u) << "a grip is no button to press or click";

    // Screen readers and test drivers read every control's text.
    for (Control* c : std::initializer_list<Control*>{plain, toggle, repeat, field, check, target,
                                                      first, second, grip})
        EXPECT_EQ(nativeText(c->handle()), textOf(c)) << reinterpret_cast<const wchar_t*>(
                                                           c->getClassName());

    // A picture of the window to look at, when asked for one.
    if (const char* shot = std::getenv("TARNWICK_CONTROLS_SCREENSHOT")) {
        std::wstring path(shot, shot + std::strlen(shot));
        if (startUnixTool(L"Z:\\usr\\bin\\import", L"-window root " + path))
            Sleep(1500);
    }
}
