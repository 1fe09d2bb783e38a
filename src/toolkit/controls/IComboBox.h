#pragma once

#include "toolkit/component/IComponent.h"
#include "toolkit/controls/IFontOperations.h"

#include <cstdint>

namespace s::gui::combobox {
class ComboBoxItem;
}
namespace s::gui::drawer {
class ICombo;
}

namespace s::gui {

// A drop-down list of items with a selection and the selection before it
// (-1 for none). Raises event 0 on the selection list when the selection
// changes. Its text is the selected item's, so it has no text operations.
class IComboBox : public virtual IComponent, public virtual IFontOperations {
public:
    virtual std::int32_t getItemCount() const = 0;
    // Null for an index out of range.
    virtual combobox::ComboBoxItem* getItem(std::int32_t i) const = 0;
    // The combo box takes the item; null is refused.
    virtual void addItem(combobox::ComboBoxItem* item) = 0;
    // The selection and the previous selection at or after i move up by
    // one; i is clamped into [0, count].
    virtual void insertItem(std::int32_t i, combobox::ComboBoxItem* item) = 0;
    // The removing operations hand the item back to the caller: a removed
    // selected item clears the selection to -1, later indexes move down.
    virtual void removeItem(combobox::ComboBoxItem* item) = 0;
    // Null for an index out of range.
    virtual combobox::ComboBoxItem* removeItemAt(std::int32_t i) = 0;
    // The releasing operations remove the item and give it back to its pool.
    virtual void releaseItem(combobox::ComboBoxItem* item) = 0;
    virtual void releaseItemAt(std::int32_t i) = 0;
    virtual void releaseItemById(std::int32_t id) = 0;
    virtual void releaseSelectedItem() = 0;
    // An index out of [0, count) selects item 0; notify raises event 0 when
    // the selection changed.
    virtual void select(std::int32_t i, bool notify) = 0;
    // An unknown id selects item 0.
    virtual void selectById(std::int32_t id, bool notify) = 0;
    virtual std::int32_t getSelectedIndex() const = 0;
    virtual combobox::ComboBoxItem* getSelectedItem() const = 0;
    virtual std::int32_t getPreviousIndex() const = 0;
    virtual combobox::ComboBoxItem* getPreviousItem() const = 0;
    virtual void addSelectionListener(events::IEventListener* listener) = 0;
    virtual void setDrawer(drawer::ICombo* painter, bool owned) = 0;
};

} // namespace s::gui
