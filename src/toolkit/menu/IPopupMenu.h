#pragma once

#include "localization/IEventListener.h"

#include <cstdint>

namespace s::lang {
class Localizer;
}
namespace s::gui::menuitem {
class MenuItem;
}

namespace s::gui {

class IWindow;

// A native popup menu of items and nested popup menus. Texts given by
// identifier follow the localizer; the chosen command reaches the listeners
// as handleEvent(menu, 0), the menu being static_cast<IPopupMenu*>. Built
// and used on its window's thread. Positions count the items first, then
// the sub-menus, which always follow them.
class IPopupMenu : public events::IEventListener {
public:
    // The menu owns the items and sub-menus it is given.
    virtual void addItem(menuitem::MenuItem* item) = 0;
    virtual void insertItem(std::int32_t position, menuitem::MenuItem* item) = 0;
    virtual void clear() = 0;
    virtual bool removeItemAt(std::int32_t position) = 0;
    virtual bool removeItemById(std::int32_t commandId) = 0;
    virtual bool removeItemByTag(std::int32_t tag) = 0;
    // This menu only.
    virtual menuitem::MenuItem* getItemById(std::int32_t commandId) = 0;
    // This menu and its sub-menus.
    virtual bool hasItem(std::int32_t commandId) = 0;
    virtual bool findIndexById(std::int32_t commandId, std::int32_t& index) = 0;
    virtual bool findIndexByTag(std::int32_t tag, std::int32_t& index) = 0;
    virtual bool setSubMenuEnabled(IPopupMenu* subMenu, bool enabled) = 0;
    virtual bool setItemEnabled(std::int32_t commandId, bool enabled) = 0;
    virtual void addSubMenu(IPopupMenu* subMenu) = 0;
    virtual void setLocalizer(lang::Localizer* localizer) = 0;
    virtual bool isItemChecked(std::int32_t commandId) = 0;
    virtual bool setItemChecked(std::int32_t commandId, bool checked) = 0;
    virtual bool setItemText(std::int32_t commandId, const char16_t* text) = 0;
    virtual bool setItemTextId(std::int32_t commandId, std::int32_t textId) = 0;
    virtual void refreshTexts() = 0;
    virtual const char16_t* getTitle() = 0;
    virtual std::int32_t getTitleId() const = 0;
    virtual void setTitleId(std::int32_t textId) = 0;
    virtual void setTitle(const char16_t* text) = 0;
    virtual void checkRadioItem(std::int32_t position, std::int32_t firstPosition,
                                std::int32_t lastPosition) = 0;
    // -1 clears every radio mark.
    virtual void checkRadioAmongAll(std::int32_t position) = 0;
    virtual bool checkRadioById(std::int32_t commandId) = 0;
    virtual bool checkRadioByTag(std::int32_t tag) = 0;
    virtual std::int32_t getCommand() const = 0;
    virtual void addListener(events::IEventListener* listener) = 0;
    virtual void runCommand(std::int32_t commandId) = 0;
    // Opens at the screen point, bottom edge there (for the tray icon) or
    // top-left corner there; returns once the menu closed.
    virtual void openAbove(std::int32_t x, std::int32_t y, IWindow* owner) = 0;
    virtual void open(std::int32_t x, std::int32_t y, IWindow* owner) = 0;
    virtual std::int32_t getEntryCount() const = 0;
};

} // namespace s::gui
