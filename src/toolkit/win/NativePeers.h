#pragma once

#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/BackBuffer.h"
#include "toolkit/win/HwndPeer.h"
#include "toolkit/win/NativeWindowClass.h"

#include <windows.h>

namespace s::gui::win {

class Box;
class UrlDropTarget;

// The native window of a box, spacer or label: a child window of the
// toolkit's class under the parent's window (a hidden pop-up when there is no
// parent). Created on the thread that attaches the component, which for a
// window's children is the window's thread.
//
// A peer made for a component paints it: a box through its back buffer
// (its fill, the parent's pixels behind it when transparent, its drawer) and
// with its mouse handling, drops and wheel; any other component with its
// background colour or, when transparent, the parent's pixels. A peer made
// without a component leaves its window to the class's default painting.
//
// Controls make their own window in ControlPeer and share the rest.
class ChildPeer : public HwndPeer, private INativeWindowHandler {
public:
    explicit ChildPeer(bool container) : container_(container) {}
    // A control's peer: placed as the component, but it paints itself.
    ChildPeer(bool container, IComponent* placed) : container_(container), placed_(placed) {}
    explicit ChildPeer(IComponent& component);
    ~ChildPeer() override { destroy(); }
    ChildPeer(const ChildPeer&) = delete;
    ChildPeer& operator=(const ChildPeer&) = delete;

    HWND handle() const override { return hwnd_; }
    bool create(INativePeer* parent) override;
    void destroy() override;
    void move(std::int32_t x, std::int32_t y, bool show) override;
    void resize(std::int32_t w, std::int32_t h, bool show) override;
    void setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                   bool show) override;
    void show(bool visible) override;
    void enable(bool enabled) override;
    void repaint() override;
    void repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override;
    bool screenPosition(std::int32_t& x, std::int32_t& y) override;
    void setText(const char16_t* text) override;
    void orderBefore(INativePeer* sibling) override;
    void setAcceptFiles(bool accept) override;
    // Registers or revokes the box's OLE drop target for URLs.
    void setAcceptUrls(bool accept) override;
    BackBuffer* backBuffer() override { return backBuffer_.dc() != nullptr ? &backBuffer_ : nullptr; }
    void releaseBackBuffer() override { backBuffer_.release(); }

protected:
    HWND hwnd_ = nullptr;

private:
    bool alreadyPlaced(std::int32_t left, std::int32_t top, std::int32_t width,
                       std::int32_t height, UINT flags, bool show) const;
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                          bool& handled) override;
    void place(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, UINT flags,
               bool show);

    // Painting (ChildPeerPaint.cpp).
    void paint();
    void paintInto(HDC screen);
    void paintBox(HDC screen, std::int32_t width, std::int32_t height);
    void paintPlain(HDC screen, std::int32_t width, std::int32_t height);
    // Fills the rectangle with what lies behind the component: the parent's
    // kept image when transparent and there is one, else its colour.
    void fillBackground(HDC dc, std::int32_t width, std::int32_t height, bool transparent,
                        std::uint32_t colour);

    // Input (ChildPeerInput.cpp).
    void onMouseMove();
    void onMouseLeave();
    void onWheel(WPARAM wParam, LPARAM lParam);
    LRESULT onHitTest(LPARAM lParam);
    void onDropFiles(WPARAM drop);

    bool container_;
    IComponent* component_ = nullptr;
    // The component whose place this window shows, for the scaled position.
    IComponent* placed_ = nullptr;
    Box* box_ = nullptr;
    UrlDropTarget* urlTarget_ = nullptr;
    BackBuffer backBuffer_;
};

// Sends the wheel step to the first child of container that is a showing
// container under the cursor; false when none took it.
bool offerWheelToChildren(IComponent& container, WPARAM wParam, LPARAM lParam);
// The system's lines per wheel notch, negative towards the user.
std::int32_t wheelLinesOf(WPARAM wParam);

// Sent by a box to its top-level window with a wheel step that no box under
// the cursor took: the window raises its own wheel event without offering
// the step to its children again.
inline constexpr UINT kWheelPassedUpMessage = WM_APP + 64;

// Makes the child peers (a control's own kind for controls) and answers the system colours from the platform.
class WindowsPeerFactory final : public INativePeerFactory {
public:
    std::unique_ptr<INativePeer> makePeer(IComponent& component) override;
    std::uint32_t systemColour(SystemColour which) override;
    static WindowsPeerFactory& shared();
};

// Installs the shared factory unless another one (a test's) is installed.
void installWindowsPeerFactory();

} // namespace s::gui::win
