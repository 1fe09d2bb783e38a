#pragma once

#include "toolkit/controls/ICheckControl.h"
#include "toolkit/controls/win/Control.h"

namespace s::gui::events {
class TargetSwitch;
}

namespace s::gui::win {

// What check boxes and radio buttons share: the checked state that the
// platform's control toggles itself, the checked, unchecked, enabled and
// disabled listener lists, and the operations by which the state drives
// other components (enabling them, disabling them, making them editable).
class CheckControl : public Control, public virtual ICheckControl {
public:
    enum List : std::int32_t { kCheckedList = 1, kUncheckedList = 2, kEnabledList = 3,
                               kDisabledList = 4 };

    ~CheckControl() override;

    void addCheckedListener(events::IEventListener* l) override { addListener(kCheckedList, l); }
    void addUncheckedListener(events::IEventListener* l) override {
        addListener(kUncheckedList, l);
    }
    void addEnabledListener(events::IEventListener* l) override { addListener(kEnabledList, l); }
    void addDisabledListener(events::IEventListener* l) override { addListener(kDisabledList, l); }

    bool isChecked() const override { return checked_; }
    // Raises the events of the change.
    void setChecked(bool on) override;
    // The same change without events.
    void setCheckedSilently(bool on) override;

    void enableWhenChecked(IComponent* c) override;
    void disableWhenUnchecked(IComponent* c) override;
    void enabledWhileChecked(IComponent* c) override;
    void disableWhenChecked(IComponent* c) override;
    void enableWhenUnchecked(IComponent* c) override;
    void disabledWhileChecked(IComponent* c) override;
    void editableWhenChecked(IComponent* c) override;
    void readOnlyWhenUnchecked(IComponent* c) override;
    void editableWhileChecked(IComponent* c) override;

    // Raises 0 to the enabled or disabled list when the state changes.
    void setEnabled(bool on) override;

    void nativeCreated(HWND hwnd) override;

protected:
    explicit CheckControl(std::int32_t fontCount);

    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                      bool& handled) override;
    SIZE padding() const override { return SIZE{24, 6}; }
    void resetControl() override;
    // A new checked state arrived (changed tells whether it differs from
    // the old one); not called for silent changes.
    virtual void checkChanged(bool changed) = 0;

private:
    // The listeners of the dependency operations, each made on first use
    // and registered once on its list. A listener serves one list only, so
    // that a target of "enable when checked" is not also enabled on uncheck.
    enum Switch : std::int32_t {
        kEnableOnCheck,
        kDisableOnUncheck,
        kDisableOnCheck,
        kEnableOnUncheck,
        kEditableOnCheck,
        kReadOnlyOnUncheck,
        kSwitches
    };
    void addDependency(Switch which, IComponent* target);
    void releaseSwitches();
    void recordCheck(bool on);

    bool checked_ = false;
    bool silent_ = false;
    events::TargetSwitch* switches_[kSwitches] = {};
};

} // namespace s::gui::win
