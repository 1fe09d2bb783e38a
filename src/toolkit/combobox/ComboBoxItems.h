#pragma once

#include "toolkit/combobox/ComboBoxItem.h"

#include <cstdint>
#include <vector>

namespace s::gui::combobox {

// The items of a combo box with its selection and the selection before it,
// kept pointing at the same items while items come and go. Indexes are -1
// when nothing is selected. The list owns its items only in the sense that
// the release operations and the destructor release them; the remove
// operations hand an item back to the caller.
class ComboBoxItems {
public:
    ComboBoxItems() = default;
    ~ComboBoxItems() { releaseAll(); }
    ComboBoxItems(const ComboBoxItems&) = delete;
    ComboBoxItems& operator=(const ComboBoxItems&) = delete;

    std::int32_t count() const { return static_cast<std::int32_t>(items_.size()); }
    // Null outside [0, count).
    ComboBoxItem* at(std::int32_t i) const;
    std::int32_t indexOf(const ComboBoxItem* item) const;
    // The first item with that id, -1 when none has it.
    std::int32_t indexOfId(std::int32_t id) const;

    // Appends; answers the new item's index, -1 for a null item.
    std::int32_t add(ComboBoxItem* item);
    // Puts the item at i (clamped into [0, count]); the selection and the
    // previous selection at or after i move up by one. Answers the index
    // used, -1 for a null item.
    std::int32_t insert(std::int32_t i, ComboBoxItem* item);
    // Takes the item out without releasing it; a removed selected item
    // clears the selection, a removed previous item the previous one, and
    // later indexes move down. Null when i is out of range.
    ComboBoxItem* removeAt(std::int32_t i);
    // The index the item had, -1 when it was not in the list.
    std::int32_t remove(const ComboBoxItem* item);
    // Clear a current selection first (it becomes the previous one), then
    // remove and release. False when there was nothing to release.
    bool releaseAt(std::int32_t i);
    bool release(ComboBoxItem* item) { return releaseAt(indexOf(item)); }
    bool releaseById(std::int32_t id) { return releaseAt(indexOfId(id)); }
    bool releaseSelected() { return releaseAt(selected_); }
    // Releases every item; both indexes become -1.
    void releaseAll();

    std::int32_t selected() const { return selected_; }
    std::int32_t previous() const { return previous_; }
    ComboBoxItem* selectedItem() const { return at(selected_); }
    ComboBoxItem* previousItem() const { return at(previous_); }

    // Selects i, or item 0 when i is outside [0, count) (nothing in an empty
    // list). When that differs from the current selection, the current one
    // becomes the previous one; answers whether it changed.
    bool select(std::int32_t i);
    // select() of the first item with that id, of item 0 when none has it.
    bool selectById(std::int32_t id) { return select(indexOfId(id)); }
    // Takes a selection the user made in the native list, -1 included; any
    // other index out of range is ignored. Answers whether it changed.
    bool takeSelection(std::int32_t i);

private:
    bool change(std::int32_t i);

    std::vector<ComboBoxItem*> items_;
    std::int32_t selected_ = -1;
    std::int32_t previous_ = -1;
};

} // namespace s::gui::combobox
