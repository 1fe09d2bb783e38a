#pragma once

#include "toolkit/component/IComponent.h"
#include "toolkit/win/NativePeers.h"
#include "toolkit/win/NativeWindowClass.h"

namespace s::gui::win {

// How a control's native window is made: a platform class (subclassed, so
// that the control sees its messages first) or, for a null class name, the
// toolkit's own class.
struct NativeForm {
    const wchar_t* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
};

// Implemented by the controls: what their native window is, and the
// procedure that gets its messages before the platform's.
class INativeControl : public INativeWindowHandler {
public:
    virtual NativeForm nativeForm() const = 0;
    // The control's text, which the native window carries as its own.
    virtual const char16_t* nativeText() const = 0;
    // Runs once the native window exists, before it is placed and shown.
    virtual void nativeCreated(HWND hwnd) = 0;
};

// The native window of one control.
class ControlPeer final : public ChildPeer {
public:
    explicit ControlPeer(INativeControl& control)
        : ChildPeer(false, dynamic_cast<IComponent*>(&control)), control_(control) {}
    ~ControlPeer() override { destroy(); }

    bool create(INativePeer* parent) override;
    void destroy() override;

    // The platform's processing of a message of a control's window, for a
    // control that handles a message around it.
    static LRESULT callDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void subclass();
    void unsubclass();

    INativeControl& control_;
    // The procedure the platform's class gave the window, while subclassed.
    WNDPROC previousProc_ = nullptr;
};

// The control whose native window the calling thread is creating right now:
// platforms send some messages (an owner-drawn list's item measuring) to the
// parent before the new window is known.
INativeWindowHandler* controlBeingCreated();

} // namespace s::gui::win
