// The status bar: kept along the bottom edge of the client area, below
// the children the layout places.

#include "toolkit/win/Window.h"

#include "toolkit/native/NativePeerFactory.h"

namespace s::gui::win {

void Window::setStatusBar(IComponent* bar) {
    if (hwnd_ != nullptr && !isWindowThread()) {
        struct Change {
            Window* window;
            IComponent* bar;
        } change{this, bar};
        // A window being destroyed takes no bar; the bar is released then.
        if (!invoke(
                [](void* p) {
                    auto* c = static_cast<Change*>(p);
                    c->window->setStatusBar(c->bar);
                },
                &change) &&
            bar != nullptr)
            bar->release();
        return;
    }
    if (bar == statusBar_)
        return;
    if (IComponent* old = statusBar_) {
        statusBar_ = nullptr;
        old->setParent(nullptr);
        old->release();
    }
    statusBar_ = bar;
    if (bar != nullptr)
        bar->setParent(static_cast<Box*>(this));
    doLayout();
}

std::int32_t Window::statusBarHeight() const {
    IComponent* bar = statusBar_;
    return bar != nullptr && bar->isShowing() ? bar->getPreferredHeight() : 0;
}

void Window::placeStatusBar() {
    RECT client{};
    HWND hwnd = hwnd_;
    if (statusBar_ == nullptr || hwnd == nullptr || !GetClientRect(hwnd, &client))
        return;
    std::int32_t height = statusBarHeight();
    if (height <= 0)
        return;
    const DisplayScale s = scale();
    statusBar_->setBounds(0, s.toToolkit(client.bottom) - height, s.toToolkit(client.right),
                          height);
    // The window erases the bar's new place whole; the bar's content, which
    // did not move inside it, would not be painted again on its own.
    if (HWND bar = HwndPeer::handleOf(peerOf(statusBar_)))
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace s::gui::win
