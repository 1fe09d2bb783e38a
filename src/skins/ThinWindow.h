#pragma once

#include "skins/ISkin.h"

#include <array>

namespace s::gui::drawer::skin {

// The skin of the main window's skin set. It keeps its 15 role colours
// beside its drawers, so what it was built from reads back unchanged.
// Pooled: take one with thread::take, give it back with release().
class ThinWindow final : public ISkin {
public:
    enum DrawerSlot {
        kWindow,
        kButton,
        kText,
        kScrollbar,
        kCheckbox,
        kRadioButton,
        kSlider,
        kCounter,
        kListHeader,
        kListBox,
        kStatusBar,
        kMenu,
        kComboBox,
        kGroupBox,
        kTabBox,
        kDrawerSlotCount
    };

    ThinWindow() = default;
    ThinWindow(const ThinWindow&) = delete;
    ThinWindow& operator=(const ThinWindow&) = delete;

    const char16_t* getClassName() const override { return u"s_gui_drawer_skin_ThinWindow"; }
    base::IObject* newInstance() const override;
    void release() override;
    // Forgets the name, the drawers and the colours (all black).
    void clear() override;

    const str::StrBuffer& getName() const override { return name_; }
    void setName(const char16_t* name) override { name_.set(name); }

    IDrawer* getWindowDrawer() const override { return drawer(kWindow); }
    void setWindowDrawer(IDrawer* drawer) override { own(kWindow, drawer); }
    IDrawer* getButtonDrawer() const override { return drawer(kButton); }
    void setButtonDrawer(IDrawer* drawer) override { own(kButton, drawer); }
    IDrawer* getTextDrawer() const override { return drawer(kText); }
    void setTextDrawer(IDrawer* drawer) override { own(kText, drawer); }
    IDrawer* getScrollbarDrawer() const override { return drawer(kScrollbar); }
    void setScrollbarDrawer(IDrawer* drawer) override { own(kScrollbar, drawer); }
    IDrawer* getCheckboxDrawer() const override { return drawer(kCheckbox); }
    void setCheckboxDrawer(IDrawer* drawer) override { own(kCheckbox, drawer); }
    IDrawer* getRadioButtonDrawer() const override { return drawer(kRadioButton); }
    void setRadioButtonDrawer(IDrawer* drawer) override { own(kRadioButton, drawer); }
    IDrawer* getSliderDrawer() const override { return drawer(kSlider); }
    void setSliderDrawer(IDrawer* drawer) override { own(kSlider, drawer); }
    IDrawer* getCounterDrawer() const override { return drawer(kCounter); }
    void setCounterDrawer(IDrawer* drawer) override { own(kCounter, drawer); }
    IDrawer* getListHeaderDrawer() const override { return drawer(kListHeader); }
    void setListHeaderDrawer(IDrawer* drawer) override { own(kListHeader, drawer); }
    IDrawer* getListBoxDrawer() const override { return drawer(kListBox); }
    void setListBoxDrawer(IDrawer* drawer) override { own(kListBox, drawer); }
    IDrawer* getStatusBarDrawer() const override { return drawer(kStatusBar); }
    void setStatusBarDrawer(IDrawer* drawer) override { own(kStatusBar, drawer); }
    IDrawer* getMenuDrawer() const override { return drawer(kMenu); }
    void setMenuDrawer(IDrawer* drawer) override { own(kMenu, drawer); }
    IDrawer* getComboBoxDrawer() const override { return drawer(kComboBox); }
    void setComboBoxDrawer(IDrawer* drawer) override { own(kComboBox, drawer); }
    IDrawer* getGroupBoxDrawer() const override { return drawer(kGroupBox); }
    void setGroupBoxDrawer(IDrawer* drawer) override { own(kGroupBox, drawer); }
    IDrawer* getTabBoxDrawer() const override { return drawer(kTabBox); }
    void setTabBoxDrawer(IDrawer* drawer) override { own(kTabBox, drawer); }

    SkinColour getRoleColour(SkinRole role) const override {
        return colours_[static_cast<std::size_t>(role)];
    }
    // The colours, from 45 components in factory order, each clamped to
    // 0 .. 255.
    void setColours(const SkinComponents& components);
    // The standard drawers of the colours are made when first asked for (or
    // before a drawer is replaced): a set holds many skins and shows one.
    void buildDrawersOnFirstUse() { drawersPending_ = true; }

private:
    IDrawer* drawer(DrawerSlot slot) const;
    void buildPendingDrawers() const;
    // Takes ownership of drawer, giving back the one it replaces.
    void own(DrawerSlot slot, IDrawer* drawer);
    str::StrBuffer name_;
    // Owned: given back when replaced and when the skin is cleared.
    // Made on first use, hence mutable.
    mutable std::array<IDrawer*, kDrawerSlotCount> drawers_{};
    mutable bool drawersPending_ = false;
    std::array<SkinColour, kSkinRoleCount> colours_{};
};

} // namespace s::gui::drawer::skin
