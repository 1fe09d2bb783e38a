#pragma once

#include "toolkit/ISkinHolder.h"

#include "toolkit/combobox/ComboBoxItems.h"
#include "toolkit/controls/IComboBox.h"
#include "toolkit/controls/win/ComboBoxDrawing.h"
#include "toolkit/controls/win/Control.h"

#include <cstdint>

namespace s::gui::drawer {
class ICombo;
}

namespace s::gui::win {

// A drop-down list of ComboBoxItems on the platform's owner-drawn combo box.
// The items, the selection and the previous selection live in the control
// and the native list follows them. The opened list is always drawn by the
// control; the closed field by the painter when there is one, plainly
// otherwise. Raises event 0 on the selection list when the selection changes.
class ComboBox final : public Control, public virtual IComboBox {
public:
    static constexpr int kSelectionChanged = 0;
    static constexpr std::int32_t kMinimumWidth = 50;
    static constexpr std::int32_t kMinimumHeight = 26;

    ComboBox();
    ~ComboBox() override;

    const char16_t* getClassName() const override { return u"s_gui_win_ComboBox"; }
    base::IObject* newInstance() const override;
    void release() override;

    std::int32_t getItemCount() const override { return items_.count(); }
    combobox::ComboBoxItem* getItem(std::int32_t i) const override { return items_.at(i); }
    // The combo box takes the item; the release operations give it back.
    void addItem(combobox::ComboBoxItem* item) override;
    void insertItem(std::int32_t i, combobox::ComboBoxItem* item) override;
    // Take the item out and hand it to the caller.
    combobox::ComboBoxItem* removeItemAt(std::int32_t i) override;
    void removeItem(combobox::ComboBoxItem* item) override;
    void releaseItem(combobox::ComboBoxItem* item) override;
    void releaseItemAt(std::int32_t i) override;
    void releaseItemById(std::int32_t id) override;
    void releaseSelectedItem() override;
    void releaseAllItems();

    void select(std::int32_t i, bool notify) override;
    void selectById(std::int32_t id, bool notify) override;
    std::int32_t getSelectedIndex() const override { return items_.selected(); }
    combobox::ComboBoxItem* getSelectedItem() const override { return items_.selectedItem(); }
    std::int32_t getPreviousIndex() const override { return items_.previous(); }
    combobox::ComboBoxItem* getPreviousItem() const override { return items_.previousItem(); }

    void addSelectionListener(events::IEventListener* listener) override;
    void setDrawer(drawer::ICombo* painter, bool owned) override;
    // The current skin's painter of this kind, installed not owned.
    void refreshSkin(ISkinHolder& holder) override {
        setDrawer(dynamic_cast<drawer::ICombo*>(holder.getPainter(ISkinHolder::kComboBoxPainter)), false);
    }
    // Each item drawn in the face its font slot names.
    void setPerItemFonts(bool on);
    // The opened list in these colours (packed red in the low byte) instead
    // of the platform's: its items, and the selected one.
    void setListColours(std::uint32_t background, std::uint32_t text,
                        std::uint32_t selectedBackground, std::uint32_t selectedText);

    // INativeControl
    NativeForm nativeForm() const override;
    void nativeCreated(HWND hwnd) override;

protected:
    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                      bool& handled) override;
    bool paintsItself() const override { return true; }
    void paint(HDC surface, const RECT& client) override;
    std::int32_t textRoom(const RECT& client) const override;
    const char16_t* shownText() const override;
    void measure() override;

public:
    // On: the box is at least as wide as its longest item needs, measured
    // now and again at every fitToItems (call it when item texts change).
    void setFitsItems(bool on) {
        fitsItems_ = on;
        fitToItems();
    }
    void fitToItems();

protected:
    void fillFonts() override;
    void resetControl() override;
    void boundsChanged() override;

private:
    // The native list again from the items, with the current selection.
    void fillNative();
    void showSelection();
    void selectionChanged(bool notify);
    void onSelectionReflected(HWND hwnd);
    void onDropDown(HWND hwnd);
    void reserveListHeight(HWND hwnd);
    void drawItem(const DRAWITEMSTRUCT& item);
    void scrollOnOpen(HWND list);
    void setHover(std::int32_t state);
    std::int32_t itemHeight();

    combobox::ComboBoxItems items_;
    bool fitsItems_ = false;
    bool perItemFonts_ = false;
    bool ownListColours_ = false;
    ListColours listColours_;
    bool dropped_ = false;
    bool scrollPending_ = false;
    bool mouseOver_ = false;
    std::int32_t hover_ = 0;
    // The field height last given to the native control, which does not
    // answer it back alike on every platform.
    std::int32_t fieldHeight_ = 0;
};

} // namespace s::gui::win
