// Painting the window: the frame drawer (or, without one, the background
// colour) paints the whole client area into the back buffer, and one copy
// puts it on the screen around the children. The drawer's frame lies inside
// the client area, and the drawer gives the window its shape.

#include "toolkit/win/Window.h"

#include "toolkit/ISkinHolder.h"
#include "toolkit/IWindowState.h"
#include "toolkit/drawers/Painters.h"
#include "toolkit/win/NativePeers.h"
#include "toolkit/win/DisplayScales.h"
#include "toolkit/win/PaintSupport.h"

namespace s::gui::win {

namespace {
// Every component inside the container hears of the skin change, children
// before their own children.
void passOn(IComponent& container, void* source, int eventId) {
    for (std::int32_t i = 0; i < container.getComponentCount(); ++i) {
        IComponent* child = container.getComponent(i);
        child->handleEvent(source, eventId);
        if (child->isContainer())
            passOn(*child, source, eventId);
    }
}
} // namespace

// The buffer is kept after the copy: the window's transparent children copy
// the pixels behind them out of it.
void Window::paintClient(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc == nullptr)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    PaintScale scale(scaleOfWindow(hwnd));
    if (HDC buffer = backBuffer_.fit(dc, client.right, client.bottom)) {
        if (frameDrawer_ != nullptr)
            frameDrawer_->paint(buffer, 0, 0, client.right, client.bottom);
        else
            fillColour(buffer, client.right, client.bottom, getBackground());
        excludeChildren(*this, hwnd, dc);
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    }
    EndPaint(hwnd, &ps);
}

// On the window's thread, after every size change and change of drawer. A
// window painter shapes the window (rounded corners); any other drawer, or
// none, leaves it rectangular.
void Window::applyRegion() {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return;
    auto* painter = dynamic_cast<drawer::IWindow*>(frameDrawer_);
    if (painter == nullptr) {
        if (regionApplied_)
            SetWindowRgn(hwnd, nullptr, TRUE);
        regionApplied_ = false;
        return;
    }
    geometry::Rect r = windowRect();
    PaintScale scale(scaleOfWindow(hwnd));
    auto shape = static_cast<HRGN>(painter->createRegion(0, 0, r.width(), r.height()));
    system::win::GdiObject<HRGN> region(shape);
    bool accepted = SetWindowRgn(hwnd, shape, TRUE) != 0;
    // The platform owns a region it accepted.
    if (accepted)
        (void)region.detach();
    regionApplied_ = accepted && shape != nullptr;
}

void Window::setSkinHolder(ISkinHolder* holder) {
    skinHolder_ = holder;
    if (holder == nullptr)
        return;
    holder->addSkinListener(static_cast<events::IEventListener*>(static_cast<IComponent*>(this)));
    if (drawer::IDrawer* painter = holder->getPainter(ISkinHolder::kWindowPainter))
        setFrameDrawer(painter, false);
}

// The skin holder calls on the thread that changed the skin; the painters
// and the repaint belong to the window's thread.
void Window::onSkinChanged() {
    auto refresh = [](void* self) {
        auto* window = static_cast<Window*>(self);
        ISkinHolder* holder = window->skinHolder_;
        if (holder == nullptr)
            return;
        if (drawer::IDrawer* painter = holder->getPainter(ISkinHolder::kWindowPainter))
            window->setFrameDrawer(painter, false);
        // The next start begins with the skin that was current last.
        if (const char16_t* name = holder->currentSkinName(); name != nullptr && window->state_)
            window->state_->setSkin(name);
        passOn(*window, const_cast<void*>(holder->eventSource()), 0);
        if (HWND hwnd = window->hwnd_)
            RedrawWindow(hwnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    if (hwnd_ == nullptr || isWindowThread())
        refresh(this);
    else
        invoke(refresh, this);
}

} // namespace s::gui::win
