// The menu's structure: its items and sub-menus, kept in step with the
// native menu, and the commands its listeners hear of.

#include "toolkit/menu/win/PopupMenu.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/win/WideText.h"
#include "localization/Localizer.h"
#include "toolkit/menu/MenuItem.h"

#include <algorithm>

namespace s::gui::win {

using menuitem::MenuItem;

namespace {

// Command identifiers travel as the low word of the command message.
UINT nativeId(std::int32_t commandId) {
    return commandId < 0 ? 0 : static_cast<UINT>(commandId) & 0xFFFF;
}

} // namespace

PopupMenu::~PopupMenu() {
    resetMenu();
}

base::IObject* PopupMenu::newInstance() const {
    return thread::take<PopupMenu>();
}

void PopupMenu::release() {
    resetMenu();
    thread::giveBack(this);
}

void PopupMenu::resetMenu() {
    if (localizer_ != nullptr && listening_)
        localizer_->removeListener(this);
    localizer_ = nullptr;
    listening_ = false;
    clear();
    listeners_.clear();
    lastCommand_ = -1;
    title_.clear();
    titleId_ = -1;
    parent_ = nullptr;
    menu_.reset();
}

HMENU PopupMenu::ensureMenu() {
    if (!menu_)
        menu_.reset(CreatePopupMenu());
    return menu_.get();
}

void PopupMenu::handleEvent(void* source, int) {
    if (localizer_ != nullptr && source == localizer_)
        refreshTexts();
}

MenuItem* PopupMenu::itemAt(std::int32_t position) const {
    if (position < 0 || position >= getEntryCount())
        return nullptr;
    return entries_[static_cast<std::size_t>(position)].item;
}

void PopupMenu::addItem(MenuItem* item) {
    insertItem(getEntryCount(), item);
}

void PopupMenu::insertItem(std::int32_t position, MenuItem* item) {
    if (item == nullptr)
        return;
    position = std::clamp(position, 0, getEntryCount());
    if (localizer_ != nullptr && item->getLocalizer() == nullptr)
        item->setLocalizer(localizer_);
    entries_.insert(entries_.begin() + position, Entry{item, nullptr});
    insertNative(position, item);
}

void PopupMenu::insertNative(std::int32_t position, MenuItem* item) {
    HMENU menu = ensureMenu();
    if (menu == nullptr)
        return;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID;
    info.wID = nativeId(item->getCommandId());
    if (item->isSeparator()) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask |= MIIM_STRING;
        info.fType = MFT_STRING;
        info.dwTypeData = const_cast<wchar_t*>(str::win::wide(item->getShownText()));
    }
    // A column break with the platform's dividing line.
    if (item->startsColumn())
        info.fType |= MFT_MENUBARBREAK;
    InsertMenuItemW(menu, static_cast<UINT>(position), TRUE, &info);
    applyMarks(position, item);
}

// Native entries are removed, never destroyed: the sub-menus destroy their
// own menus as they go back to their pool.
void PopupMenu::clear() {
    if (HMENU menu = menu_.get()) {
        for (int n = GetMenuItemCount(menu); n > 0; --n)
            RemoveMenu(menu, static_cast<UINT>(n - 1), MF_BYPOSITION);
    }
    for (const Entry& entry : entries_) {
        if (entry.item != nullptr)
            entry.item->release();
        else
            entry.subMenu->release();
    }
    entries_.clear();
}

// A sub-menu's entry is not an item: it stays.
bool PopupMenu::removeItemAt(std::int32_t position) {
    MenuItem* item = itemAt(position);
    if (item == nullptr)
        return false;
    if (HMENU menu = menu_.get())
        RemoveMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
    entries_.erase(entries_.begin() + position);
    item->release();
    return true;
}

bool PopupMenu::removeItemById(std::int32_t commandId) {
    std::int32_t index;
    return findIndexById(commandId, index) && removeItemAt(index);
}

bool PopupMenu::removeItemByTag(std::int32_t tag) {
    std::int32_t index;
    return findIndexByTag(tag, index) && removeItemAt(index);
}

MenuItem* PopupMenu::getItemById(std::int32_t commandId) {
    std::int32_t index;
    return findIndexById(commandId, index) ? itemAt(index) : nullptr;
}

bool PopupMenu::hasItem(std::int32_t commandId) {
    std::int32_t position;
    return findHolder(commandId, position) != nullptr;
}

bool PopupMenu::findIndexById(std::int32_t commandId, std::int32_t& index) {
    for (std::int32_t i = 0; i < getEntryCount(); ++i) {
        const MenuItem* item = itemAt(i);
        if (item != nullptr && !item->isSeparator() && item->getCommandId() == commandId) {
            index = i;
            return true;
        }
    }
    return false;
}

bool PopupMenu::findIndexByTag(std::int32_t tag, std::int32_t& index) {
    for (std::int32_t i = 0; i < getEntryCount(); ++i) {
        const MenuItem* item = itemAt(i);
        if (item != nullptr && item->getTag() == tag) {
            index = i;
            return true;
        }
    }
    return false;
}

PopupMenu* PopupMenu::findHolder(std::int32_t commandId, std::int32_t& position) {
    if (findIndexById(commandId, position))
        return this;
    for (const Entry& entry : entries_) {
        if (entry.subMenu == nullptr)
            continue;
        if (PopupMenu* holder = entry.subMenu->findHolder(commandId, position))
            return holder;
    }
    return nullptr;
}

MenuItem* PopupMenu::findItem(std::int32_t commandId, PopupMenu*& holder,
                              std::int32_t& position) {
    holder = findHolder(commandId, position);
    return holder != nullptr ? holder->itemAt(position) : nullptr;
}

std::int32_t PopupMenu::subMenuPosition(const PopupMenu* subMenu) const {
    if (subMenu == nullptr)
        return -1;
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [subMenu](const Entry& entry) { return entry.subMenu == subMenu; });
    return it == entries_.end() ? -1 : static_cast<std::int32_t>(it - entries_.begin());
}

void PopupMenu::addSubMenu(IPopupMenu* subMenu) {
    auto* child = dynamic_cast<PopupMenu*>(subMenu);
    HMENU menu = ensureMenu();
    if (child == nullptr || child == this || child->parent_ != nullptr || menu == nullptr)
        return;
    child->parent_ = this;
    if (localizer_ != nullptr && child->localizer_ == nullptr)
        child->adoptLocalizer(localizer_);
    entries_.push_back(Entry{nullptr, child});
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_SUBMENU;
    info.hSubMenu = child->ensureMenu();
    info.dwTypeData = const_cast<wchar_t*>(str::win::wide(child->getTitle()));
    InsertMenuItemW(menu, static_cast<UINT>(getEntryCount() - 1), TRUE, &info);
}

bool PopupMenu::setSubMenuEnabled(IPopupMenu* subMenu, bool enabled) {
    std::int32_t position = subMenuPosition(dynamic_cast<PopupMenu*>(subMenu));
    if (position < 0 || !menu_)
        return false;
    EnableMenuItem(menu_.get(), static_cast<UINT>(position),
                   MF_BYPOSITION | (enabled ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
    return true;
}

bool PopupMenu::setItemEnabled(std::int32_t commandId, bool enabled) {
    std::int32_t position;
    PopupMenu* holder = findHolder(commandId, position);
    if (holder == nullptr)
        return false;
    EnableMenuItem(holder->menu_.get(), static_cast<UINT>(position),
                   MF_BYPOSITION | (enabled ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
    return true;
}

std::int32_t PopupMenu::getEntryCount() const {
    return static_cast<std::int32_t>(entries_.size());
}

void PopupMenu::addListener(events::IEventListener* listener) {
    if (listener != nullptr)
        listeners_.push_back(listener);
}

void PopupMenu::runCommand(std::int32_t commandId) {
    lastCommand_ = commandId;
    // A listener may add listeners while it hears the command.
    std::vector<events::IEventListener*> hearing = listeners_;
    for (events::IEventListener* listener : hearing)
        listener->handleEvent(static_cast<IPopupMenu*>(this), 0);
}

} // namespace s::gui::win
