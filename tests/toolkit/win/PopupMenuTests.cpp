#include "localization/Localizer.h"
#include "toolkit/menu/MenuItem.h"
#include "toolkit/menu/win/PopupMenu.h"
#include "toolkit/win/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

using s::gui::IPopupMenu;
using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;
using s::test::TestWindow;

namespace {

void key(WORD vk) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
    Sleep(120);
}

void click(DWORD down, DWORD up, int x, int y) {
    INPUT input[2] = {};
    int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
    for (INPUT& in : input) {
        in.type = INPUT_MOUSE;
        in.mi.dx = x * 65535 / w;
        in.mi.dy = y * 65535 / h;
    }
    input[0].mi.dwFlags = down | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    input[1].mi.dwFlags = up | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(2, input, sizeof input[0]);
}

// Remembers the command of the menu it heard last.
class CommandListener : public s::gui::events::IEventListener {
public:
    void handleEvent(void* source, int eventId) override {
        auto* menu = static_cast<IPopupMenu*>(source);
        command = menu->getCommand();
        from = menu;
        lastEvent = eventId;
        ++count;
    }
    std::atomic<int> count{0};
    std::atomic<int> command{-1};
    std::atomic<int> lastEvent{-1};
    std::atomic<IPopupMenu*> from{nullptr};
};

bool waitFor(const std::atomic<int>& value, int at_least) {
    for (int i = 0; i < 100 && value < at_least; ++i)
        Sleep(30);
    return value >= at_least;
}

std::u16string menuText(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

// The check state and whether it is drawn as a radio bullet.
std::string marks(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_FTYPE;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info))
        return "missing";
    if (info.fType & MFT_SEPARATOR)
        return "separator";
    if ((info.fState & MFS_CHECKED) == 0)
        return "-";
    return (info.fType & MFT_RADIOCHECK) != 0 ? "radio" : "check";
}

// The native menu as one line: each entry by position, "---" for a
// separator, ">" before a sub-menu's title, "*" after a radio-marked text.
std::string nativeEntries(HMENU menu) {
    std::string line;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        std::u16string text = menuText(menu, static_cast<UINT>(i));
        std::string entry = marks(menu, static_cast<UINT>(i)) == "separator"
                                ? "---"
                                : std::string(text.begin(), text.end());
        if (GetSubMenu(menu, i) != nullptr)
            entry = ">" + entry;
        if (marks(menu, static_cast<UINT>(i)) == "radio")
            entry += "*";
        line += (i == 0 ? "" : " ") + entry;
    }
    return line;
}

} // namespace

TEST(PopupMenu, ARightClickOpensTheContextMenuAndTheKeyboardChoiceReachesItsListener) {
    TestWindow window;
    window->setBounds(200, 200, 300, 200);
    window->show(true, true);
    Sleep(300);
    PopupMenu* context = s::thread::take<PopupMenu>();
    PopupMenu* tray = s::thread::take<PopupMenu>();
    CommandListener contextHeard, trayHeard;
    s::test::EventCounter rightClick;
    s::test::onWindowThread(*window, [&] {
        context->addItem(MenuItem::make(u"First", 101));
        context->addItem(MenuItem::makeSeparator());
        context->addItem(MenuItem::make(u"Second", 102));
        PopupMenu* more = s::thread::take<PopupMenu>();
        more->setTitle(u"More");
        more->addItem(MenuItem::make(u"Deep", 201));
        context->addSubMenu(more);
        context->addListener(&contextHeard);
        tray->addItem(MenuItem::make(u"Also second", 102));
        tray->addListener(&trayHeard);
    });
    window->setContextMenu(context, true);
    window->addRightClickListener(&rightClick);

    RECT r = s::test::rectOf(window->handle());
    click(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, r.left + 60, r.top + 80);
    Sleep(400);
    // Keeps the open menu on the display for a screenshot when asked to.
    if (const char* hold = std::getenv("TARNWICK_TEST_HOLD_MS"))
        Sleep(static_cast<DWORD>(std::atoi(hold)));
    // Down to the first entry, past the separator to the second, and choose.
    key(VK_DOWN);
    key(VK_DOWN);
    key(VK_RETURN);
    ASSERT_TRUE(waitFor(contextHeard.count, 1));
    EXPECT_EQ(rightClick.count, 1);
    EXPECT_EQ(contextHeard.command, 102);
    EXPECT_EQ(contextHeard.lastEvent, 0);
    EXPECT_EQ(contextHeard.from, static_cast<IPopupMenu*>(context));
    EXPECT_EQ(context->getCommand(), 102);

    // The tray menu is asked before the context menu; a sub-menu's command is
    // run by the menu that holds the sub-menu.
    window->setTrayMenu(tray);
    SendMessageW(window->handle(), WM_COMMAND, 102, 0);
    EXPECT_EQ(trayHeard.count, 1);
    EXPECT_EQ(contextHeard.count, 1);
    SendMessageW(window->handle(), WM_COMMAND, 201, 0);
    EXPECT_EQ(contextHeard.count, 2);
    EXPECT_EQ(context->getCommand(), 201);
    SendMessageW(window->handle(), WM_COMMAND, 999, 0);
    EXPECT_EQ(contextHeard.count + trayHeard.count, 3) << "a command no menu holds runs nowhere";

    window->setTrayMenu(nullptr);
    window.reset();
    tray->release();
}

TEST(PopupMenu, MarksSurviveALanguageChangeThatRenamesEveryEntry) {
    s::str::StrBuffer pack(
        u"<lang><languages><entry tagName=\"eng\"/><entry tagName=\"deu\" engName=\"German\"/>"
        u"</languages><entries>"
        u"<entry id=\"1\"><eng>One</eng><deu>Eins</deu></entry>"
        u"<entry id=\"2\"><eng>Two</eng><deu>Zwei</deu></entry>"
        u"<entry id=\"3\"><eng>Three</eng><deu>Drei</deu></entry>"
        u"<entry id=\"4\"><eng>More</eng><deu>Mehr</deu></entry>"
        u"</entries></lang>");
    s::col::ArrayU08* bytes = pack.toUtf8Unterminated(nullptr, false);
    s::lang::Localizer* localizer = s::lang::Localizer::createFromUtf8(bytes);
    bytes->release();
    localizer->selectLanguageAt(0);

    PopupMenu* menu = s::thread::take<PopupMenu>();
    menu->setLocalizer(localizer);
    menu->addItem(MenuItem::makeById(1, 11));
    menu->addItem(MenuItem::makeSeparator());
    menu->addItem(MenuItem::makeById(2, 12));
    menu->addItem(MenuItem::makeById(3, 13));
    menu->addItem(MenuItem::make(u"Literal", 14));
    PopupMenu* sub = s::thread::take<PopupMenu>();
    sub->setTitleId(4);
    sub->addItem(MenuItem::makeById(1, 21));
    sub->addItem(MenuItem::makeById(2, 22));
    menu->addSubMenu(sub);
    EXPECT_TRUE(menu->setItemChecked(11, true));
    EXPECT_TRUE(menu->setItemChecked(22, true)) << "found through the parent";
    EXPECT_FALSE(menu->setItemChecked(99, true));
    menu->checkRadioItem(3, 2, 4);
    HMENU native = menu->handle();
    HMENU nativeSub = sub->handle();
    ASSERT_EQ(GetSubMenu(native, 5), nativeSub);
    EXPECT_EQ(menuText(native, 5), u"More");

    localizer->selectLanguageAt(1);
    const char16_t* texts[] = {u"Eins", u"", u"Zwei", u"Drei", u"Literal", u"Mehr"};
    const char* states[] = {"check", "separator", "-", "radio", "-", "-"};
    for (UINT i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(menuText(native, i), texts[i]);
        EXPECT_EQ(marks(native, i), states[i]);
    }
    EXPECT_EQ(menuText(nativeSub, 0), u"Eins");
    EXPECT_EQ(menuText(nativeSub, 1), u"Zwei");
    EXPECT_EQ(marks(nativeSub, 0), "-");
    EXPECT_EQ(marks(nativeSub, 1), "check");
    EXPECT_TRUE(menu->isItemChecked(22));
    EXPECT_EQ(sub->getTitle(), std::u16string(u"Mehr"));

    // A separator takes the position it is inserted at; the sub-menu moves down.
    menu->insertItem(2, MenuItem::makeSeparator());
    std::int32_t index = -1;
    EXPECT_TRUE(menu->findIndexById(12, index));
    EXPECT_EQ(index, 3);
    EXPECT_EQ(marks(native, 2), "separator");
    EXPECT_EQ(menuText(native, 3), u"Zwei");
    EXPECT_EQ(GetSubMenu(native, 6), nativeSub);
    EXPECT_EQ(menu->getEntryCount(), 7);

    menu->checkRadioAmongAll(-1);
    for (UINT i = 0; i < 6; ++i)
        EXPECT_NE(marks(native, i), "radio") << i;
    EXPECT_FALSE(menu->getItemById(13)->isRadioChecked());
    EXPECT_EQ(marks(native, 0), "check") << "a check mark is not a radio mark";

    EXPECT_TRUE(menu->removeItemById(11));
    EXPECT_EQ(menuText(native, 0), u"");
    EXPECT_EQ(menu->getEntryCount(), 6);

    menu->release();
    localizer->release();
}

TEST(PopupMenu, SubMenuEntriesStandWhereTheyWereAddedAndCountInEveryPosition) {
    PopupMenu* menu = s::thread::take<PopupMenu>();
    PopupMenu* one = s::thread::take<PopupMenu>();
    PopupMenu* two = s::thread::take<PopupMenu>();
    one->setTitle(u"One");
    one->addItem(MenuItem::make(u"Inner", 31));
    two->setTitle(u"Two");
    menu->addItem(MenuItem::make(u"A", 1));
    menu->addSubMenu(one);
    menu->addItem(MenuItem::makeSeparator());
    menu->addItem(MenuItem::make(u"B", 2));
    menu->addSubMenu(two);
    menu->addItem(MenuItem::make(u"C", 3));
    HMENU native = menu->handle();
    EXPECT_EQ(GetSubMenu(native, 1), one->handle());
    EXPECT_EQ(GetSubMenu(native, 4), two->handle());

    struct Step {
        const char* what;
        std::function<void()> act;
        const char* entries;
        int positionOfC;
    };
    const Step steps[] = {
        {"as added", [] {}, "A >One --- B >Two C", 5},
        {"radio by position among B .. C", [&] { menu->checkRadioItem(5, 3, 5); },
         "A >One --- B >Two C*", 5},
        {"radio by command", [&] { menu->checkRadioById(2); }, "A >One --- B* >Two C", 5},
        {"an item inserted before the first sub-menu",
         [&] { menu->insertItem(1, MenuItem::make(u"D", 4)); }, "A D >One --- B* >Two C", 6},
        {"radio among all by position", [&] { menu->checkRadioAmongAll(6); },
         "A D >One --- B >Two C*", 6},
        {"a sub-menu renamed where it stands", [&] { two->setTitle(u"Deux"); },
         "A D >One --- B >Deux C*", 6},
        {"a sub-menu's entry is no item to remove", [&] { EXPECT_FALSE(menu->removeItemAt(2)); },
         "A D >One --- B >Deux C*", 6},
        {"an item removed by command", [&] { EXPECT_TRUE(menu->removeItemById(4)); },
         "A >One --- B >Deux C*", 5},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(nativeEntries(native), step.entries);
        std::int32_t index = -1;
        EXPECT_TRUE(menu->findIndexById(3, index));
        EXPECT_EQ(index, step.positionOfC);
        EXPECT_EQ(menu->getEntryCount(), GetMenuItemCount(native));
    }
    EXPECT_EQ(GetSubMenu(native, 1), one->handle());
    EXPECT_TRUE(menu->getItemById(3)->isRadioChecked());
    EXPECT_FALSE(menu->getItemById(2)->isRadioChecked());
    EXPECT_TRUE(menu->setItemChecked(31, true)) << "found in the sub-menu";
    EXPECT_EQ(marks(one->handle(), 0), "check");
    menu->release();
}
