#include "foundation/system/Seams.h"
#include "localization/Localizer.h"
#include "toolkit/box/Box.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/controls/win/TextField.h"
#include "toolkit/win/WindowTestSupport.h"

#include <shellapi.h>

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

        // A field showing the end of a path it was given while narrow shows
        // as much of that end as fits once it is wide.
        const std::wstring path = L"C:\\Users\\Someone\\Music\\Alarms\\morning bell.mp3";
        ASSERT_TRUE(s::test::onWindowThread(*window, [&] {
            field->setShowEnd(true);
            field->setFixedWidth(10);
            field->setText(reinterpret_cast<const char16_t*>(path.c_str()), false);
            field->setFixedWidth(200);
        }));
        auto firstShown = static_cast<std::size_t>(
            SendMessageW(field->handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
        EXPECT_GT(firstShown, 0U);
        EXPECT_LT(firstShown, path.size() - 10);
    }
    localizer->release();
}

namespace {
std::wstring openedTarget;
int recordOpen(SHELLEXECUTEINFOW* request) {
    openedTarget = std::wstring(request->lpVerb != nullptr ? request->lpVerb : L"") + L" " +
                   request->lpFile;
    return 1;
}
} // namespace

// A link label opens its target when the button is let go on it, not when
// let go elsewhere; a plain label lets clicks through to the window.
TEST(ControlTexts, ALinkLabelOpensItsTargetAndAPlainLabelLetsClicksThrough) {
    TestWindow window;
    window->setBounds(100, 100, 240, 120);
    s::gui::win::Label *link = nullptr, *plain = nullptr;
    s::test::EventCounter clicks;
    ASSERT_TRUE(s::test::onWindowThread(*window, [&] {
        link = s::thread::take<s::gui::win::Label>();
        link->setText(u"Home page");
        link->setLink(u"https://example.org/timer");
        link->addClickListener(&clicks);
        plain = s::thread::take<s::gui::win::Label>();
        plain->setText(u"Just text");
        window->add(link);
        window->add(plain);
    }));
    window->show(true, true);
    s::seams::setShellExecute(recordOpen);
    HWND hwnd = link->handle();
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(3000, 3));
    EXPECT_EQ(openedTarget, L"") << "let go outside";
    EXPECT_EQ(clicks.count, 0);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    s::seams::setShellExecute(nullptr);
    EXPECT_EQ(openedTarget, L"open https://example.org/timer");
    EXPECT_EQ(clicks.count, 1);

    RECT r = s::test::rectOf(plain->handle());
    EXPECT_EQ(SendMessageW(plain->handle(), WM_NCHITTEST, 0, MAKELPARAM(r.left + 2, r.top + 2)),
              HTTRANSPARENT);
    r = s::test::rectOf(hwnd);
    EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + 2, r.top + 2)), HTCLIENT);
}
