#include "toolkit/win/WindowTestSupport.h"

#include "toolkit/combobox/ComboBoxItem.h"
#include "toolkit/controls/win/CheckBox.h"
#include "toolkit/controls/win/ComboBox.h"
#include "toolkit/controls/win/GroupBox.h"
#include "toolkit/controls/win/ImageControl.h"
#include "toolkit/controls/win/StatusBar.h"
#include "toolkit/drawers/Painters.h"
#include "toolkit/native/NativePeerFactory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <vector>

using s::gui::combobox::ComboBoxItem;
using s::gui::win::ComboBox;
using s::gui::win::GroupBox;
using s::gui::win::StatusBar;
using s::test::TestWindow;

namespace {

// Real input through the platform's input queue, in screen pixels.
void click(int x, int y) {
    int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
    for (DWORD flags : {DWORD{0}, DWORD{MOUSEEVENTF_LEFTDOWN}, DWORD{MOUSEEVENTF_LEFTUP}}) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = x * 65535 / w;
        input.mi.dy = y * 65535 / h;
        input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        SendInput(1, &input, sizeof input);
        Sleep(80);
    }
    Sleep(300);
}

void pressKey(WORD key) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    Sleep(300);
}

HWND handleOf(const s::gui::IComponent* component) {
    return s::gui::win::HwndPeer::handleOf(s::gui::peerOf(component));
}

RECT clientRectOnScreen(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Each selection event with the indexes the combo box had when raising it.
class SelectionLog : public s::gui::events::IEventListener {
public:
    explicit SelectionLog(ComboBox& combo) : combo_(combo) {}
    void handleEvent(void* source, int eventId) override {
        std::lock_guard<std::mutex> lock(mutex_);
        sameSource = sameSource && source == static_cast<s::gui::IComponent*>(&combo_);
        events.push_back({eventId, combo_.getSelectedIndex(), combo_.getPreviousIndex()});
    }
    struct Event {
        int id, selected, previous;
        bool operator==(const Event&) const = default;
    };
    std::vector<Event> snapshot() {
        std::lock_guard<std::mutex> lock(mutex_);
        return events;
    }
    bool sameSource = true;

private:
    ComboBox& combo_;
    std::mutex mutex_;
    std::vector<Event> events;
};

std::ostream& operator<<(std::ostream& out, const SelectionLog::Event& e) {
    return out << "{event " << e.id << ", selected " << e.selected << ", previous " << e.previous
               << "}";
}

// A combo painter that remembers the hover state of its last painting.
class HoverRecorder final : public s::gui::drawer::ICombo {
public:
    const char16_t* getClassName() const override { return u"s_test_HoverRecorder"; }
    s::base::IObject* newInstance() const override { return nullptr; }
    void release() override {}
    void clear() override {}
    void paint(void*, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void fillFonts(s::gui::win::FontSetting*, s::gui::win::FontSetting*) override {}
    void paintCombo(void*, const s::gui::drawer::Rect&, std::int32_t hoverState, const char16_t*,
                    const s::gui::win::Font*, bool) override {
        hover = hoverState;
    }
    void paintFocus(void*, const s::gui::drawer::Rect&) override {}
    std::atomic<std::int32_t> hover{-1};
};

void moveTo(int x, int y) {
    int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / w;
    input.mi.dy = y * 65535 / h;
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
    Sleep(300);
}

// Screenshots are taken from outside while the window waits this long.
void pauseForScreenshot() {
    if (const char* ms = std::getenv("TARNWICK_SCREENSHOT_PAUSE_MS"))
        Sleep(static_cast<DWORD>(std::atoi(ms)));
}

} // namespace

TEST(ListControls, ComboSelectionGroupTitleStatusBarAndImageUnderRealInput) {
    TestWindow window;
    window->setBounds(200, 200, 360, 260);

    auto* group = s::thread::take<GroupBox>();
    group->setTitle(u"A&B");
    auto* combo = s::thread::take<ComboBox>();
    const char16_t* texts[] = {u"Zero", u"One", u"Two", u"Three", u"Four"};
    for (const char16_t* text : texts) {
        auto* item = s::thread::take<ComboBoxItem>();
        item->setText(text);
        combo->addItem(item);
    }
    combo->getItem(2)->setFlags(s::gui::combobox::kBold);
    combo->setFixedWidth(160);
    SelectionLog log(*combo);
    combo->addSelectionListener(&log);
    group->setContent(combo);
    auto* titleCheck = s::thread::take<s::gui::win::CheckBox>();
    group->setTitleCheckBox(titleCheck);
    s::test::EventCounter titleChecks;
    group->addTitleCheckListener(&titleChecks);
    auto* bar = s::thread::take<StatusBar>();
    bar->setSizeGrip(true);
    // The bar shows a small red picture, half of it transparent.
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < 12 * 12; ++i)
        pixels.insert(pixels.end(), {255, 0, 0, static_cast<std::uint8_t>(i % 12 < 6 ? 255 : 0)});
    s::gui::Image picture;
    picture.assign(12, 12, pixels.data());
    auto* image = s::thread::take<s::gui::win::Image>();
    image->setImage(&picture, true);
    bar->setContent(image, 0);
    window->add(group);
    window->add(bar);
    window->show(true, true);
    Sleep(500);

    HWND comboHwnd = handleOf(combo);
    HWND groupHwnd = handleOf(group);
    HWND barHwnd = handleOf(bar);
    ASSERT_NE(comboHwnd, nullptr);
    ASSERT_NE(groupHwnd, nullptr);
    ASSERT_NE(barHwnd, nullptr);
    // Created with item 0 selected, and no event for that.
    EXPECT_EQ(SendMessageW(comboHwnd, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(combo->getSelectedIndex(), 0);

    // The mouse opens the list and picks item 3.
    RECT field = clientRectOnScreen(comboHwnd);
    click((field.left + field.right) / 2, (field.top + field.bottom) / 2);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(comboHwnd, &info));
    ASSERT_TRUE(IsWindowVisible(info.hwndList)) << "the list did not open";
    RECT list = clientRectOnScreen(info.hwndList);
    auto row = static_cast<int>(SendMessageW(comboHwnd, CB_GETITEMHEIGHT, 0, 0));
    pauseForScreenshot();
    click(list.left + 20, list.top + row * 3 + row / 2);
    EXPECT_FALSE(IsWindowVisible(info.hwndList));
    std::vector<SelectionLog::Event> byMouse{{0, 3, 0}};
    EXPECT_EQ(log.snapshot(), byMouse);

    // The keyboard moves it on by one.
    pressKey(VK_DOWN);
    std::vector<SelectionLog::Event> byKey{{0, 3, 0}, {0, 4, 3}};
    EXPECT_EQ(log.snapshot(), byKey);
    EXPECT_TRUE(log.sameSource);
    wchar_t text[32] = {};
    GetWindowTextW(comboHwnd, text, 32);
    EXPECT_STREQ(text, L"Four");

    // With a painter the closed field shows the pointer over it (1), the
    // list open (2) and neither (0).
    HoverRecorder painter;
    s::test::onWindowThread(*window, [&] { combo->setDrawer(&painter, false); });
    POINT middle{(field.left + field.right) / 2, (field.top + field.bottom) / 2};
    moveTo(middle.x, middle.y);
    moveTo(middle.x + 2, middle.y);
    EXPECT_EQ(painter.hover, 1);
    click(middle.x, middle.y);
    EXPECT_EQ(painter.hover, 2);
    pressKey(VK_ESCAPE);
    EXPECT_EQ(painter.hover, 1);
    moveTo(field.right + 40, field.bottom + 60);
    EXPECT_EQ(painter.hover, 0);
    EXPECT_EQ(log.snapshot().size(), 2u) << "opening and closing selected nothing";

    // The title is shown with its ampersand: doubled in the native text,
    // which the platform shows as one.
    GetWindowTextW(groupHwnd, text, 32);
    EXPECT_STREQ(text, L"A&&B");
    EXPECT_EQ(std::u16string(group->getTitle()), u"A&B");

    // A click on the title check box reaches the group box's listener once.
    RECT check = s::test::rectOf(handleOf(titleCheck));
    ASSERT_GT(check.right, check.left);
    EXPECT_LE(check.bottom, field.top);
    click(check.left + 6, (check.top + check.bottom) / 2);
    EXPECT_TRUE(titleCheck->isChecked());
    EXPECT_EQ(titleChecks.count, 1);

    // The bar stays along the bottom edge, below the content, after a resize.
    for (int height : {260, 400}) {
        SCOPED_TRACE(height);
        window->setSize(360 + height - 260, height);
        Sleep(300);
        RECT client = clientRectOnScreen(window->handle());
        RECT barRect = s::test::rectOf(barHwnd);
        EXPECT_EQ(barRect.bottom, client.bottom);
        EXPECT_EQ(barRect.left, client.left);
        EXPECT_EQ(barRect.right, client.right);
        EXPECT_EQ(barRect.bottom - barRect.top, bar->getPreferredHeight());
        EXPECT_LE(s::test::rectOf(groupHwnd).bottom, barRect.top);
        EXPECT_EQ(window->getInnerHeight(), client.bottom - client.top - bar->getPreferredHeight());
    }
    // The picture is drawn centred, its transparent half showing the bar.
    RECT shown = s::test::rectOf(handleOf(image));
    POINT centre{(shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2};
    s::system::win::WindowDc screen(nullptr);
    EXPECT_EQ(GetPixel(screen.get(), centre.x - 3, centre.y), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(screen.get(), centre.x + 3, centre.y), GetSysColor(COLOR_BTNFACE));

    // A set of frames advances on its timer while it plays, and stops with it.
    s::gui::Image frames[3];
    for (s::gui::Image& frame : frames)
        frame.assign(12, 12, pixels.data());
    auto frameNow = [&] {
        std::int32_t frame = -1;
        s::test::onWindowThread(*window, [&] { frame = image->getFrame(); });
        return frame;
    };
    s::test::onWindowThread(*window, [&] {
        image->setFrames(frames, 3, 40);
        image->play();
    });
    std::vector<bool> seen(3, false);
    for (int i = 0; i < 20; ++i, Sleep(30)) {
        std::int32_t frame = frameNow();
        if (frame >= 0 && frame < 3)
            seen[static_cast<std::size_t>(frame)] = true;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 3);
    s::test::onWindowThread(*window, [&] { image->stop(); });
    std::int32_t stopped = frameNow();
    Sleep(200);
    EXPECT_EQ(frameNow(), stopped);
    pauseForScreenshot();
}
