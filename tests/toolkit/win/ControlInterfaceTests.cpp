#include "toolkit/combobox/ComboBoxItem.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/CheckBox.h"
#include "toolkit/controls/win/ComboBox.h"
#include "toolkit/controls/win/GroupBox.h"
#include "toolkit/controls/win/ImageControl.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/controls/win/RadioButton.h"
#include "toolkit/controls/win/Slider.h"
#include "toolkit/controls/win/StatusBar.h"
#include "toolkit/controls/win/TextField.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/WindowTestSupport.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

using namespace s::gui;

namespace {

template <class Control, class Interface> constexpr bool implements() {
    return std::is_convertible_v<Control*, Interface*> && !std::is_abstract_v<Control>;
}
static_assert(implements<win::Button, IButton>());
static_assert(implements<win::Label, ILabel>());
static_assert(implements<win::CheckBox, ICheckBox>());
static_assert(implements<win::RadioButton, IRadioButton>());
static_assert(implements<win::TextField, ITextField>());
static_assert(implements<win::Slider, ISlider>());
static_assert(implements<win::ComboBox, IComboBox>());
static_assert(implements<win::GroupBox, IGroupBox>());
static_assert(implements<win::Image, IImage>());
static_assert(implements<win::StatusBar, IStatusBar>());

HWND handleOf(const IComponent* component) {
    return win::HwndPeer::handleOf(peerOf(component));
}

std::wstring nativeText(const IComponent* component) {
    wchar_t text[64] = {};
    GetWindowTextW(handleOf(component), text, 64);
    return text;
}

// The font the platform's control was handed, as the platform describes it.
bool nativeFont(const IComponent* component, LOGFONTW& font) {
    auto handle = reinterpret_cast<HFONT>(SendMessageW(handleOf(component), WM_GETFONT, 0, 0));
    return handle != nullptr && GetObjectW(handle, sizeof font, &font) == sizeof font;
}

win::Label* labelSaying(const char16_t* text) {
    auto* label = s::thread::take<win::Label>();
    label->setText(text);
    return label;
}

// One kind of control, made and configured through its interface, then
// checked through it and through its native window.
struct Kind {
    const char* name;
    std::function<IComponent*()> make;
    // Optional.
    std::function<void(IComponent*)> check;
    // A platform control, which is handed the font.
    bool takesNativeFont;
    // Measured from its text, so a larger font makes it taller.
    bool growsWithFont;
};

std::vector<Kind> kinds(s::test::EventCounter& checks) {
    return {
        {"button",
         [] {
             IButton* b = s::thread::take<win::Button>();
             b->setText(u"Go");
             b->setToggle(true, true, false, false);
             return b;
         },
         [](IComponent* c) {
             auto* b = dynamic_cast<IButton*>(c);
             EXPECT_EQ(nativeText(c), L"Go");
             SendMessageW(handleOf(c), BM_CLICK, 0, 0);
             EXPECT_TRUE(b->isPressed()) << "a releasable toggle flips on a click";
         },
         true, true},
        {"label", [] { return static_cast<ILabel*>(labelSaying(u"Note")); }, nullptr, false, true},
        {"check box",
         [&checks] {
             ICheckBox* box = s::thread::take<win::CheckBox>();
             box->setText(u"Repeat");
             box->addCheckedListener(&checks);
             return box;
         },
         [&checks](IComponent* c) {
             SendMessageW(handleOf(c), BM_CLICK, 0, 0);
             EXPECT_TRUE(dynamic_cast<ICheckBox*>(c)->isChecked());
             EXPECT_EQ(checks.count, 1);
         },
         true, true},
        {"radio button",
         [] {
             IRadioButton* radio = s::thread::take<win::RadioButton>();
             radio->setText(u"After");
             return radio;
         },
         nullptr, true, true},
        {"text field",
         [] {
             ITextField* field = s::thread::take<win::TextField>();
             field->setText(u"42", false);
             return field;
         },
         [](IComponent* c) {
             auto* field = dynamic_cast<ITextField*>(c);
             EXPECT_EQ(nativeText(c), L"42");
             SetWindowTextW(handleOf(c), L"17");
             EXPECT_EQ(std::u16string(field->getText()), u"17") << "the user's text";
             field->clearText();
             EXPECT_TRUE(field->isEmpty());
             EXPECT_EQ(nativeText(c), L"");
         },
         true, false},
        {"slider",
         [] {
             ISlider* slider = s::thread::take<win::Slider>();
             slider->setRange(10, 0);
             slider->setValue(99);
             return slider;
         },
         [](IComponent* c) { EXPECT_EQ(SendMessageW(handleOf(c), TBM_GETPOS, 0, 0), 10); }, false,
         false},
        {"combo box",
         [] {
             IComboBox* combo = s::thread::take<win::ComboBox>();
             for (const char16_t* text : {u"Play", u"Open", u"Execute"}) {
                 auto* item = s::thread::take<combobox::ComboBoxItem>();
                 item->setText(text);
                 combo->addItem(item);
             }
             combo->select(2, false);
             combo->select(7, false);
             return combo;
         },
         [](IComponent* c) {
             auto* combo = dynamic_cast<IComboBox*>(c);
             EXPECT_EQ(combo->getSelectedIndex(), 0) << "an index out of range selects item 0";
             EXPECT_EQ(combo->getPreviousIndex(), 2);
             EXPECT_EQ(SendMessageW(handleOf(c), CB_GETCURSEL, 0, 0), 0);
         },
         true, false},
        {"group box",
         [] {
             IGroupBox* group = s::thread::take<win::GroupBox>();
             group->setTitle(u"A&B");
             group->setContent(labelSaying(u"inside"));
             return group;
         },
         [](IComponent* c) {
             EXPECT_EQ(nativeText(c), L"A&&B") << "shown literally";
             EXPECT_EQ(std::u16string(dynamic_cast<IGroupBox*>(c)->getTitle()), u"A&B");
         },
         true, true},
        {"image", [] { return static_cast<IImage*>(s::thread::take<win::Image>()); }, nullptr,
         false, false},
    };
}

} // namespace

// Each control is made, driven and read only through its interface; a font
// change through the font operations reaches the platform's control, makes
// the control measure itself again and its parent lay it out at the new
// size.
TEST(ControlInterfaces, EachControlWorksThroughItsInterfaceAndFollowsItsFont) {
    s::test::EventCounter checks;
    std::vector<Kind> table = kinds(checks);
    s::test::TestWindow window;
    window->setBounds(150, 150, 320, 600);
    std::vector<IComponent*> controls;
    for (const Kind& kind : table) {
        controls.push_back(kind.make());
        window->add(controls.back());
    }
    window->show(true, true);

    for (std::size_t i = 0; i < table.size(); ++i) {
        const Kind& kind = table[i];
        IComponent* control = controls[i];
        SCOPED_TRACE(kind.name);
        ASSERT_NE(handleOf(control), nullptr);
        if (kind.check) {
            ASSERT_TRUE(s::test::onWindowThread(*window, [&] { kind.check(control); }));
        }

        auto* fonts = dynamic_cast<IFontOperations*>(control);
        ASSERT_NE(fonts, nullptr);
        std::int32_t before = control->getPreferredHeight();
        ASSERT_TRUE(s::test::onWindowThread(*window, [&] { fonts->setSizeCode(105); }));
        EXPECT_TRUE(fonts->isBold());
        EXPECT_LT(fonts->getFontHeight(), -20) << "19 points";
        LOGFONTW font{};
        if (kind.takesNativeFont) {
            ASSERT_TRUE(nativeFont(control, font));
            EXPECT_EQ(font.lfHeight, fonts->getFontHeight());
            EXPECT_EQ(font.lfWeight, FW_BOLD);
        }
        if (kind.growsWithFont) {
            EXPECT_GT(control->getPreferredHeight(), before);
            EXPECT_EQ(control->getHeight(), control->getPreferredHeight()) << "laid out again";
        }
    }
}

// The status bar has one pane: whatever pane a content is set for, it
// replaces the bar's one content, which the bar owns.
TEST(ControlInterfaces, StatusBarContentForAnyPaneReplacesItsOneContent) {
    s::test::TestWindow window;
    window->setBounds(150, 150, 320, 240);
    IStatusBar* bar = s::thread::take<win::StatusBar>();
    window->add(bar);
    window->show(true, true);
    win::Label* second = labelSaying(u"second");
    HWND first = nullptr;
    ASSERT_TRUE(s::test::onWindowThread(*window, [&] {
        bar->setContent(labelSaying(u"first"), 3);
        first = handleOf(bar->getComponent(0));
        bar->setContent(second, 0);
    }));
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(IsWindow(first)) << "the content it replaced is gone";
    ASSERT_EQ(bar->getComponentCount(), 1);
    EXPECT_EQ(bar->getComponent(0), static_cast<IComponent*>(second));
    EXPECT_EQ(GetParent(handleOf(second)), handleOf(bar));
    EXPECT_EQ(bar->getY(), window->getInnerHeight()) << "kept below the laid-out area";
}
