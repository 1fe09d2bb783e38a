// What a menu shows of its entries: texts that follow the localizer, check
// and radio marks, titles of sub-menus; and opening it for a window.

#include "toolkit/menu/win/PopupMenu.h"

#include "foundation/strings/win/WideText.h"
#include "localization/Localizer.h"
#include "toolkit/menu/MenuItem.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/HwndPeer.h"
#include "toolkit/window/IWindow.h"

#include <algorithm>

namespace s::gui::win {

using menuitem::MenuItem;

void PopupMenu::setNativeText(std::int32_t position, const char16_t* text) {
    HMENU menu = menu_.get();
    if (menu == nullptr || position < 0)
        return;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(str::win::wide(text != nullptr ? text : u""));
    SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
}

// The check mark and the radio mark share the native checked state; the
// radio mark also takes the round bullet.
void PopupMenu::applyMarks(std::int32_t position, const MenuItem* item) {
    HMENU menu = menu_.get();
    if (menu == nullptr || item->isSeparator())
        return;
    auto at = static_cast<UINT>(position);
    if (item->isChecked())
        CheckMenuItem(menu, at, MF_BYPOSITION | MF_CHECKED);
    if (item->isRadioChecked())
        CheckMenuRadioItem(menu, at, at, at, MF_BYPOSITION);
}

void PopupMenu::setLocalizer(lang::Localizer* localizer) {
    if (localizer == localizer_ && listening_)
        return;
    if (localizer_ != nullptr && listening_)
        localizer_->removeListener(this);
    listening_ = false;
    adoptLocalizer(localizer);
    if (localizer != nullptr) {
        localizer->addListener(this);
        listening_ = true;
    }
    refreshTexts();
}

void PopupMenu::adoptLocalizer(lang::Localizer* localizer) {
    localizer_ = localizer;
    for (const Entry& entry : entries_) {
        if (entry.item != nullptr)
            entry.item->setLocalizer(localizer);
        else if (!entry.subMenu->listening_)
            entry.subMenu->adoptLocalizer(localizer);
    }
}

bool PopupMenu::isItemChecked(std::int32_t commandId) {
    PopupMenu* holder;
    std::int32_t position;
    MenuItem* item = findItem(commandId, holder, position);
    return item != nullptr && item->isChecked();
}

bool PopupMenu::setItemChecked(std::int32_t commandId, bool checked) {
    PopupMenu* holder;
    std::int32_t position;
    MenuItem* item = findItem(commandId, holder, position);
    if (item == nullptr)
        return false;
    if (item->isChecked() == checked)
        return true;
    item->setChecked(checked);
    CheckMenuItem(holder->menu_.get(), static_cast<UINT>(position),
                  MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
    return true;
}

bool PopupMenu::setItemText(std::int32_t commandId, const char16_t* text) {
    PopupMenu* holder;
    std::int32_t position;
    MenuItem* item = findItem(commandId, holder, position);
    if (item == nullptr)
        return false;
    item->setText(text);
    holder->setNativeText(position, item->getShownText());
    return true;
}

bool PopupMenu::setItemTextId(std::int32_t commandId, std::int32_t textId) {
    PopupMenu* holder;
    std::int32_t position;
    MenuItem* item = findItem(commandId, holder, position);
    if (item == nullptr)
        return false;
    item->setTextId(textId);
    if (item->getLocalizer() == nullptr)
        item->setLocalizer(holder->localizer_);
    holder->setNativeText(position, item->getShownText());
    return true;
}

// Setting a text keeps the native state, but the marks are applied again
// all the same: they are what a user looks at after switching languages.
void PopupMenu::refreshTexts() {
    for (std::int32_t position = 0; position < getEntryCount(); ++position) {
        const Entry& entry = entries_[static_cast<std::size_t>(position)];
        if (entry.subMenu != nullptr) {
            setNativeText(position, entry.subMenu->getTitle());
            entry.subMenu->refreshTexts();
        } else if (!entry.item->isSeparator()) {
            if (entry.item->getTextId() != -1)
                setNativeText(position, entry.item->getShownText());
            applyMarks(position, entry.item);
        }
    }
}

const char16_t* PopupMenu::getTitle() {
    if (titleId_ != -1 && localizer_ != nullptr)
        return localizer_->getText(titleId_).cStr();
    return title_.cStr();
}

void PopupMenu::setTitleId(std::int32_t textId) {
    titleId_ = textId;
    titleChanged();
}

void PopupMenu::setTitle(const char16_t* text) {
    title_.set(text != nullptr ? text : u"");
    titleChanged();
}

void PopupMenu::titleChanged() {
    ensureMenu();
    if (parent_ != nullptr)
        parent_->setNativeText(parent_->subMenuPosition(this), getTitle());
}

void PopupMenu::checkRadioItem(std::int32_t position, std::int32_t firstPosition,
                               std::int32_t lastPosition) {
    std::int32_t last = std::min(lastPosition, getEntryCount() - 1);
    std::int32_t first = std::max(firstPosition, 0);
    HMENU menu = menu_.get();
    if (menu == nullptr || first > last || position < first || position > last)
        return;
    CheckMenuRadioItem(menu, static_cast<UINT>(first), static_cast<UINT>(last),
                       static_cast<UINT>(position), MF_BYPOSITION);
    // The platform took the marks off the others of the group.
    for (std::int32_t i = first; i <= last; ++i) {
        MenuItem* item = itemAt(i);
        if (item == nullptr)
            continue;
        item->setRadioChecked(i == position);
        if (i != position)
            item->setChecked(false);
    }
}

void PopupMenu::checkRadioAmongAll(std::int32_t position) {
    if (position >= 0) {
        checkRadioItem(position, 0, getEntryCount() - 1);
        return;
    }
    for (std::int32_t i = 0; i < getEntryCount(); ++i) {
        MenuItem* item = itemAt(i);
        if (item == nullptr || !item->isRadioChecked())
            continue;
        item->setRadioChecked(false);
        if (menu_ && !item->isChecked())
            CheckMenuItem(menu_.get(), static_cast<UINT>(i), MF_BYPOSITION | MF_UNCHECKED);
    }
}

bool PopupMenu::checkRadioById(std::int32_t commandId) {
    std::int32_t index;
    if (!findIndexById(commandId, index))
        return false;
    checkRadioAmongAll(index);
    return true;
}

bool PopupMenu::checkRadioByTag(std::int32_t tag) {
    std::int32_t index;
    if (!findIndexByTag(tag, index))
        return false;
    checkRadioAmongAll(index);
    return true;
}

void PopupMenu::openAbove(std::int32_t x, std::int32_t y, IWindow* owner) {
    track(x, y, owner, TPM_BOTTOMALIGN);
}

void PopupMenu::open(std::int32_t x, std::int32_t y, IWindow* owner) {
    track(x, y, owner, TPM_TOPALIGN);
}

// Without TPM_RETURNCMD the choice comes to the owner as a command message,
// which the window offers to its menus.
void PopupMenu::track(std::int32_t x, std::int32_t y, IWindow* owner, UINT alignment) {
    HWND ownerHwnd = HwndPeer::handleOf(owner != nullptr ? peerOf(owner) : nullptr);
    HMENU menu = menu_.get();
    if (menu == nullptr || ownerHwnd == nullptr)
        return;
    recordOwner(ownerHwnd);
    TrackPopupMenuEx(menu, alignment | TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_NOANIMATION, x, y,
                     ownerHwnd, nullptr);
}

void PopupMenu::recordOwner(HWND owner) {
    if (HMENU menu = menu_.get()) {
        MENUINFO info{};
        info.cbSize = sizeof info;
        info.fMask = MIM_MENUDATA;
        info.dwMenuData = reinterpret_cast<ULONG_PTR>(owner);
        SetMenuInfo(menu, &info);
    }
    for (const Entry& entry : entries_) {
        if (entry.subMenu != nullptr)
            entry.subMenu->recordOwner(owner);
    }
}

HWND PopupMenu::ownerOf(HMENU menu) {
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_MENUDATA;
    if (menu == nullptr || !GetMenuInfo(menu, &info))
        return nullptr;
    return reinterpret_cast<HWND>(info.dwMenuData);
}

} // namespace s::gui::win
