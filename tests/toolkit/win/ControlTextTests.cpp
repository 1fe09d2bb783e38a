#include "localization/Localizer.h"
#include "toolkit/box/Box.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/controls/win/TextField.h"
#include "toolkit/win/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using s::test::TestWindow;

namespace {

std::wstring nativeText(HWND hwnd) {
    wchar_t text[128] = {};
    GetWindowTextW(hwnd, text, 128);
    return text;
}

s::lang::Localizer* twoLanguages() {
    const char* pack = "<lang><Languages>"
                       "<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
                       "<entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
                       "</Languages><entries>"
                       "<entry id=\"20\"><eng>Start</eng><deu>Los</deu></entry>"
                       "<entry id=\"21\"><eng>Minutes</eng><deu>Minuten</deu></entry>"
                       "</entries></lang>";
    s::col::ArrayU08 bytes;
    bytes.append(reinterpret_cast<const std::uint8_t*>(pack),
                 static_cast<std::uint32_t>(std::strlen(pack)));
    return s::lang::Localizer::createFromUtf8(&bytes);
}

} // namespace

// Texts given by identifier, set before the controls had a window and
// inside a box, follow the language; the native windows carry them.
TEST(ControlTexts, TextsByIdentifierFollowTheLanguageIntoTheNativeWindows) {
    s::lang::Localizer* localizer = twoLanguages();
    ASSERT_NE(localizer, nullptr);
    localizer->selectLanguage(u"English");
    {
        TestWindow window;
        window->setLocalizer(localizer);
        window->setBounds(100, 100, 240, 160);
        s::gui::win::Button* button = nullptr;
        s::gui::win::Label* label = nullptr;
        s::gui::win::TextField* field = nullptr;
        s::test::EventCounter changes;
        ASSERT_TRUE(s::test::onWindowThread(*window, [&] {
            auto* box = s::thread::take<s::gui::win::Box>();
            button = s::thread::take<s::gui::win::Button>();
            button->setTextId(20);
            label = s::thread::take<s::gui::win::Label>();
            label->setTextId(21);
            field = s::thread::take<s::gui::win::TextField>();
            field->addChangeListener(&changes);
            box->add(button);
            box->add(label);
            window->add(box);
            window->add(field);
        }));
        window->show(true, true);
        EXPECT_EQ(nativeText(button->handle()), L"Start");
        EXPECT_EQ(nativeText(label->handle()), L"Minutes");
        EXPECT_GT(button->getPreferredWidth(), 0) << "measured from its text";

        localizer->selectLanguage(u"German");
        EXPECT_EQ(nativeText(button->handle()), L"Los");
        EXPECT_EQ(nativeText(label->handle()), L"Minuten");

        // A temporary text, then the text it replaced.
        ASSERT_TRUE(s::test::onWindowThread(*window, [&] {
            label->showTemporaryText(u"Saved", 150);
            label->showTemporaryText(u"Saved again", 150);
        }));
        EXPECT_EQ(nativeText(label->handle()), L"Saved again");
        Sleep(500);
        EXPECT_EQ(nativeText(label->handle()), L"Minuten");

        // A field's text set quietly raises nothing; set loudly, one event.
        ASSERT_TRUE(s::test::onWindowThread(*window, [&] { field->setText(u"12", false); }));
        EXPECT_EQ(changes.count, 0);
        EXPECT_EQ(nativeText(field->handle()), L"12");
        ASSERT_TRUE(s::test::onWindowThread(*window, [&] { field->setText(u"13", true); }));
        EXPECT_EQ(changes.count, 1);
        EXPECT_EQ(nativeText(field->handle()), L"13");
    }
    localizer->release();
}
