#include "timer/win/VersionWindow.h"

#include "TestSupport.h"
#include "foundation/objects/Pools.h"
#include "foundation/system/Seams.h"
#include "shell/win/AppBase.h"
#include "shell/win/AppWindow.h"
#include "skins/ISkin.h"
#include "skins/Skinner.h"
#include "storage/IMappedData.h"
#include "storage/win/RegDir.h"
#include "toolkit/win/Window.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

using s::app::win::AppBase;
using s::app::win::AppWindow;
using s::gui::drawer::Skinner;
using s::reg::win::RegDir;
using s::sound::gui::dialogs::plinkett::VersionWindow;

namespace {

constexpr char16_t kProductKey[] = u"Software\\Vexa\\Vexa Tarnwick";

std::u16string textOf(HWND hwnd) {
    wchar_t buffer[512] = {};
    GetWindowTextW(hwnd, buffer, 512);
    return std::u16string(buffer, buffer + wcslen(buffer));
}

// The texts of every control of the window, as a screen reader reads them.
std::vector<std::u16string> controlTexts(HWND window) {
    std::vector<std::u16string> texts;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<std::u16string>*>(list)->push_back(textOf(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND controlWithText(HWND window, const char16_t* text) {
    struct Search {
        std::u16string text;
        HWND found = nullptr;
    } search{text};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM p) {
            auto* search = reinterpret_cast<Search*>(p);
            if (textOf(child) != search->text)
                return TRUE;
            search->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::wstring> opened;

int recordOpen(SHELLEXECUTEINFOW* request) {
    opened.push_back(request->lpFile != nullptr ? request->lpFile : L"");
    return TRUE;
}

bool shows(HWND window, const char16_t* text) {
    std::vector<std::u16string> texts = controlTexts(window);
    return std::find(texts.begin(), texts.end(), std::u16string(text)) != texts.end();
}

class VersionWindowTest : public ::testing::Test {
protected:
    void SetUp() override { removeProductKey(); }
    void TearDown() override {
        s::seams::setShellExecute(nullptr);
        removeProductKey();
    }
    static void removeProductKey() {
        RegDir* key = RegDir::opened(s::reg::kCurrentUser, kProductKey);
        key->remove(true);
        key->release();
    }
    static AppWindow* mainWindow(AppBase& base) {
        s::app::AppWindowDefaults defaults;
        defaults.onMClick = s::gui::IWindow::kMiddleIconize;
        return AppWindow::create(&base, u"MainWindow", defaults, nullptr);
    }
    static std::u16string skinOf(const VersionWindow& about) {
        Skinner* skins = about.appWindow()->getSkinSet();
        return skins != nullptr && skins->currentSkin() != nullptr
                   ? skins->currentSkin()->getName().cStr()
                   : u"(none)";
    }
};

} // namespace

TEST_F(VersionWindowTest, OneWindowShownAgainFollowsTheLanguageAndIsReleased) {
    AppBase base;
    base.getLocalizer()->selectLanguage(u"English");
    AppWindow* main = mainWindow(base);
    const std::int32_t idleAppWindows = s::thread::poolOf<AppWindow>().idleCount();
    const std::int32_t idleSkinSets = s::thread::poolOf<Skinner>().idleCount();
    const std::int32_t languageListeners = base.getLocalizer()->listenerCount();

    VersionWindow about;
    about.show(main);
    ASSERT_NE(about.window(), nullptr);
    HWND hwnd = about.window()->handle();
    ASSERT_TRUE(IsWindowVisible(hwnd));
    RECT bounds{};
    GetWindowRect(hwnd, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 340);
    // At least its default height, taller when its texts need it: every text
    // and the Close button lie inside it.
    EXPECT_GE(bounds.bottom - bounds.top, 285);
    RECT client{};
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    for (const std::u16string& text : controlTexts(hwnd)) {
        HWND control = controlWithText(hwnd, text.c_str());
        RECT r{};
        if (text.empty() || control == nullptr || !GetWindowRect(control, &r))
            continue;
        EXPECT_LE(r.bottom, client.bottom) << s::test::narrow(text.c_str());
    }
    EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "kept on top";
    EXPECT_EQ(textOf(hwnd), u"Vexa Tarnwick v1.14");
    EXPECT_EQ(skinOf(about), u"Classic LG");
    for (const char16_t* text : {u"Version Information", u"Vexa Tarnwick", u"Version:", u"1.14",
                                 u"https://www.vexa.example/tarnwick", u"Close"})
        EXPECT_TRUE(shows(hwnd, text)) << s::test::narrow(text);

    // The link opens the product's page through the shell.
    s::seams::setShellExecute(recordOpen);
    HWND link = controlWithText(hwnd, u"https://www.vexa.example/tarnwick");
    ASSERT_NE(link, nullptr);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(opened, std::vector<std::wstring>{L"https://www.vexa.example/tarnwick"});

    // A middle click (which closes through the platform's close), the Close
    // button and Escape hide the one window, which later shows come back
    // to; it is never closed.
    SendMessageW(hwnd, WM_MBUTTONDOWN, MK_MBUTTON, 0);
    EXPECT_FALSE(IsWindowVisible(hwnd)) << "a middle click hides it";
    EXPECT_FALSE(about.window()->isClosed());
    // Hiding stored where it was, in sections of its own.
    EXPECT_EQ(base.getStore()->getInt32(u"AboutWindow\\View", u"Width", -1), 340);
    about.show(main);
    EXPECT_EQ(about.window()->handle(), hwnd);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    HWND closeButton = controlWithText(hwnd, u"Close");
    ASSERT_NE(closeButton, nullptr);
    SendMessageW(closeButton, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(hwnd)) << "the Close button hides it";
    about.show(main);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindowVisible(hwnd)) << "Escape hides it";
    about.show(main);
    EXPECT_TRUE(IsWindowVisible(hwnd));

    base.getLocalizer()->selectLanguage(u"French");
    EXPECT_TRUE(shows(hwnd, u"Fermer"));
    EXPECT_TRUE(shows(hwnd, u"Version :"));
    EXPECT_FALSE(shows(hwnd, u"Close"));

    about.clear();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(about.window(), nullptr);
    EXPECT_EQ(s::thread::poolOf<AppWindow>().idleCount(), idleAppWindows + 1);
    EXPECT_EQ(s::thread::poolOf<Skinner>().idleCount(), idleSkinSets + 1);
    EXPECT_EQ(base.getLocalizer()->listenerCount(), languageListeners)
        << "the destroyed window still hears of language changes";
    main->release();
}
