#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrBuffer.h"
#include "foundation/system/win/Handles.h"
#include "toolkit/menu/IPopupMenu.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace s::gui::win {

// A popup menu over a native one, created with its first entry. Items and
// sub-menu entries stand in the order they were added or inserted, and every
// position is the native one; a sub-menu's entry shows its title. Language
// changes of the localizer re-set every text, check mark and radio mark.
class PopupMenu final : public IPopupMenu, public base::IObject, public thread::IPoolable {
public:
    PopupMenu() = default;
    ~PopupMenu() override;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    const char16_t* getClassName() const override { return u"s_gui_win_PopupMenu"; }
    base::IObject* newInstance() const override;
    // Leaves the localizer, forgets listeners, title and last command, and
    // destroys the native menu before going back to the pool.
    void release() override;

    // IEventListener: the localizer's language change.
    void handleEvent(void* source, int eventId) override;

    // IPopupMenu
    void addItem(menuitem::MenuItem* item) override;
    void insertItem(std::int32_t position, menuitem::MenuItem* item) override;
    void clear() override;
    bool removeItemAt(std::int32_t position) override;
    bool removeItemById(std::int32_t commandId) override;
    bool removeItemByTag(std::int32_t tag) override;
    menuitem::MenuItem* getItemById(std::int32_t commandId) override;
    bool hasItem(std::int32_t commandId) override;
    bool findIndexById(std::int32_t commandId, std::int32_t& index) override;
    bool findIndexByTag(std::int32_t tag, std::int32_t& index) override;
    bool setSubMenuEnabled(IPopupMenu* subMenu, bool enabled) override;
    bool setItemEnabled(std::int32_t commandId, bool enabled) override;
    void addSubMenu(IPopupMenu* subMenu) override;
    void setLocalizer(lang::Localizer* localizer) override;
    bool isItemChecked(std::int32_t commandId) override;
    bool setItemChecked(std::int32_t commandId, bool checked) override;
    bool setItemText(std::int32_t commandId, const char16_t* text) override;
    bool setItemTextId(std::int32_t commandId, std::int32_t textId) override;
    void refreshTexts() override;
    const char16_t* getTitle() override;
    std::int32_t getTitleId() const override { return titleId_; }
    void setTitleId(std::int32_t textId) override;
    void setTitle(const char16_t* text) override;
    void checkRadioItem(std::int32_t position, std::int32_t firstPosition,
                        std::int32_t lastPosition) override;
    void checkRadioAmongAll(std::int32_t position) override;
    bool checkRadioById(std::int32_t commandId) override;
    bool checkRadioByTag(std::int32_t tag) override;
    std::int32_t getCommand() const override { return lastCommand_; }
    void addListener(events::IEventListener* listener) override;
    void runCommand(std::int32_t commandId) override;
    void openAbove(std::int32_t x, std::int32_t y, IWindow* owner) override;
    void open(std::int32_t x, std::int32_t y, IWindow* owner) override;
    std::int32_t getEntryCount() const override;

    // The native menu, null before the first entry.
    HMENU handle() const { return menu_.get(); }
    // The window a menu opened for last; its initialisation message goes there.
    static HWND ownerOf(HMENU menu);

private:
    // One native entry: an item, or the entry of a sub-menu (item null).
    struct Entry {
        menuitem::MenuItem* item;
        PopupMenu* subMenu;
    };

    HMENU ensureMenu();
    // The item at a position, null for a sub-menu's entry or off the menu.
    menuitem::MenuItem* itemAt(std::int32_t position) const;
    void insertNative(std::int32_t position, menuitem::MenuItem* item);
    void setNativeText(std::int32_t position, const char16_t* text);
    void applyMarks(std::int32_t position, const menuitem::MenuItem* item);
    // The menu holding commandId (this one or a sub-menu) and its position there.
    PopupMenu* findHolder(std::int32_t commandId, std::int32_t& position);
    // The item with commandId here or in a sub-menu, null when none has it.
    menuitem::MenuItem* findItem(std::int32_t commandId, PopupMenu*& holder,
                                 std::int32_t& position);
    std::int32_t subMenuPosition(const PopupMenu* subMenu) const;
    void titleChanged();
    void adoptLocalizer(lang::Localizer* localizer);
    void recordOwner(HWND owner);
    void track(std::int32_t x, std::int32_t y, IWindow* owner, UINT alignment);
    void resetMenu();

    system::win::Menu menu_;
    lang::Localizer* localizer_ = nullptr;
    // Whether this menu is one of the localizer's listeners (a sub-menu that
    // only took its parent's localizer is refreshed by the parent).
    bool listening_ = false;
    PopupMenu* parent_ = nullptr;
    str::StrBuffer title_;
    std::int32_t titleId_ = -1;
    std::vector<Entry> entries_;
    std::vector<events::IEventListener*> listeners_;
    std::int32_t lastCommand_ = -1;
};

} // namespace s::gui::win
