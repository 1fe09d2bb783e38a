#include "toolkit/controls/win/CheckControl.h"

#include "foundation/objects/Pools.h"
#include "toolkit/events/Disabler.h"
#include "toolkit/events/Editabler.h"
#include "toolkit/events/Enabler.h"
#include "toolkit/events/UnEditabler.h"

namespace s::gui::win {

CheckControl::CheckControl(std::int32_t fontCount) : Control(fontCount) {
}

CheckControl::~CheckControl() {
    // The native window goes first: it may still report a state.
    setParent(nullptr);
    releaseSwitches();
}

void CheckControl::resetControl() {
    checked_ = false;
    silent_ = false;
    releaseSwitches();
}

void CheckControl::releaseSwitches() {
    for (events::TargetSwitch*& s : switches_) {
        if (s != nullptr)
            s->release();
        s = nullptr;
    }
}

void CheckControl::nativeCreated(HWND hwnd) {
    Control::nativeCreated(hwnd);
    silent_ = true;
    SendMessageW(hwnd, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
    silent_ = false;
}

void CheckControl::recordCheck(bool on) {
    bool changed = on != checked_;
    checked_ = on;
    if (!silent_)
        checkChanged(changed);
}

void CheckControl::setChecked(bool on) {
    if (HWND hwnd = handle())
        SendMessageW(hwnd, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    else
        recordCheck(on);
}

void CheckControl::setCheckedSilently(bool on) {
    silent_ = true;
    setChecked(on);
    silent_ = false;
}

void CheckControl::setEnabled(bool on) {
    const bool changed = on != isEnabled();
    if (changed)
        raise(on ? kEnabledList : kDisabledList, 0);
    Control::setEnabled(on);
    // The text changes colour with the state.
    if (changed)
        repaint();
}

// Every change of the check state, the platform's own toggling included,
// arrives as a set-check message.
LRESULT CheckControl::onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                bool& handled) {
    if ((message == WM_SETFOCUS || message == WM_KILLFOCUS) && paintsItself()) {
        // The platform draws its own focus frame; the painter's mark is
        // painted over it, or taken away, with the whole control.
        handled = true;
        LRESULT result = ControlPeer::callDefault(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return result;
    }
    if (message != BM_SETCHECK) {
        handled = false;
        return 0;
    }
    handled = true;
    LRESULT result = ControlPeer::callDefault(hwnd, message, wParam, lParam);
    recordCheck(wParam == BST_CHECKED);
    if (paintsItself())
        InvalidateRect(hwnd, nullptr, FALSE);
    return result;
}

void CheckControl::addDependency(Switch which, IComponent* target) {
    if (target == nullptr)
        return;
    events::TargetSwitch*& s = switches_[which];
    if (s == nullptr) {
        switch (which) {
        case kEnableOnCheck:
        case kEnableOnUncheck:
            s = thread::take<events::Enabler>();
            break;
        case kDisableOnCheck:
        case kDisableOnUncheck:
            s = thread::take<events::Disabler>();
            break;
        case kEditableOnCheck:
            s = thread::take<events::Editabler>();
            break;
        default:
            s = thread::take<events::UnEditabler>();
            break;
        }
        s->setSource(this);
        bool onCheck = which == kEnableOnCheck || which == kDisableOnCheck ||
                       which == kEditableOnCheck;
        addListener(onCheck ? kCheckedList : kUncheckedList, s);
    }
    s->addTarget(target);
}

void CheckControl::enableWhenChecked(IComponent* c) {
    addDependency(kEnableOnCheck, c);
}

void CheckControl::disableWhenUnchecked(IComponent* c) {
    addDependency(kDisableOnUncheck, c);
}

void CheckControl::enabledWhileChecked(IComponent* c) {
    enableWhenChecked(c);
    disableWhenUnchecked(c);
}

void CheckControl::disableWhenChecked(IComponent* c) {
    addDependency(kDisableOnCheck, c);
}

void CheckControl::enableWhenUnchecked(IComponent* c) {
    addDependency(kEnableOnUncheck, c);
}

void CheckControl::disabledWhileChecked(IComponent* c) {
    disableWhenChecked(c);
    enableWhenUnchecked(c);
}

void CheckControl::editableWhenChecked(IComponent* c) {
    addDependency(kEditableOnCheck, c);
}

void CheckControl::readOnlyWhenUnchecked(IComponent* c) {
    addDependency(kReadOnlyOnUncheck, c);
}

void CheckControl::editableWhileChecked(IComponent* c) {
    editableWhenChecked(c);
    readOnlyWhenUnchecked(c);
}

} // namespace s::gui::win
