#pragma once

#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/HwndPeer.h"

#include <windows.h>

namespace s::gui::win {

// The native window of a box or spacer: a child window of the toolkit's
// class under the parent's window (a hidden pop-up when there is no parent).
// Created on the thread that attaches the component, which for a window's
// children is the window's thread. Controls make their own window in
// ControlPeer and share the rest.
class ChildPeer : public HwndPeer {
public:
    explicit ChildPeer(bool container) : container_(container) {}
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
    void setAcceptFiles(bool accept) override;
    // URL drops need an OLE drop target, which the toolkit does not have yet.
    void setAcceptUrls(bool) override {}
    // Boxes paint through the class's button-face brush until the toolkit
    // paints them itself; there is no kept image yet.
    MemDC* backBuffer() override { return nullptr; }
    void releaseBackBuffer() override {}

protected:
    HWND hwnd_ = nullptr;

private:
    void place(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, UINT flags,
               bool show);

    bool container_;
};

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
