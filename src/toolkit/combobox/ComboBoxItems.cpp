#include "toolkit/combobox/ComboBoxItems.h"

#include <algorithm>

namespace s::gui::combobox {

namespace {

// An index that pointed at or after a removed one.
std::int32_t afterRemoval(std::int32_t index, std::int32_t removed) {
    if (index == removed)
        return -1;
    return index > removed ? index - 1 : index;
}

} // namespace

ComboBoxItem* ComboBoxItems::at(std::int32_t i) const {
    if (i < 0 || i >= count())
        return nullptr;
    return items_[static_cast<std::size_t>(i)];
}

std::int32_t ComboBoxItems::indexOf(const ComboBoxItem* item) const {
    if (item == nullptr)
        return -1;
    auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<std::int32_t>(found - items_.begin());
}

std::int32_t ComboBoxItems::indexOfId(std::int32_t id) const {
    for (std::int32_t i = 0; i < count(); ++i)
        if (items_[static_cast<std::size_t>(i)]->getId() == id)
            return i;
    return -1;
}

std::int32_t ComboBoxItems::add(ComboBoxItem* item) {
    return insert(count(), item);
}

std::int32_t ComboBoxItems::insert(std::int32_t i, ComboBoxItem* item) {
    if (item == nullptr)
        return -1;
    i = std::clamp(i, 0, count());
    items_.insert(items_.begin() + i, item);
    if (selected_ >= i)
        ++selected_;
    if (previous_ >= i)
        ++previous_;
    return i;
}

ComboBoxItem* ComboBoxItems::removeAt(std::int32_t i) {
    ComboBoxItem* item = at(i);
    if (item == nullptr)
        return nullptr;
    items_.erase(items_.begin() + i);
    selected_ = afterRemoval(selected_, i);
    previous_ = afterRemoval(previous_, i);
    return item;
}

std::int32_t ComboBoxItems::remove(const ComboBoxItem* item) {
    std::int32_t i = indexOf(item);
    removeAt(i);
    return i;
}

bool ComboBoxItems::releaseAt(std::int32_t i) {
    if (at(i) == nullptr)
        return false;
    change(-1);
    removeAt(i)->release();
    return true;
}

void ComboBoxItems::releaseAll() {
    for (ComboBoxItem* item : items_)
        item->release();
    items_.clear();
    selected_ = -1;
    previous_ = -1;
}

bool ComboBoxItems::select(std::int32_t i) {
    if (i < 0 || i >= count())
        i = count() > 0 ? 0 : -1;
    return change(i);
}

bool ComboBoxItems::takeSelection(std::int32_t i) {
    if (i < -1 || i >= count())
        return false;
    return change(i);
}

bool ComboBoxItems::change(std::int32_t i) {
    if (i == selected_)
        return false;
    previous_ = selected_;
    selected_ = i;
    return true;
}

} // namespace s::gui::combobox
