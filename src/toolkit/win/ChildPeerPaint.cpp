// How the child window of a component paints: everything goes through one
// off-screen image (a box's kept back buffer) and reaches the screen in one
// copy, around the children, so nothing flickers.

#include "toolkit/win/NativePeers.h"

#include "toolkit/box/Box.h"
#include "toolkit/drawers/IDrawer.h"
#include "toolkit/win/DisplayScales.h"
#include "toolkit/win/PaintSupport.h"

namespace s::gui::win {

void ChildPeer::paint() {
    ChildPaint painting(hwnd_);
    if (HDC screen = painting.dc())
        paintInto(screen);
}

void ChildPeer::paintInto(HDC screen) {
    RECT client;
    GetClientRect(hwnd_, &client);
    PaintScale scale(scaleOfWindow(hwnd_));
    if (box_ != nullptr)
        paintBox(screen, client.right, client.bottom);
    else
        paintPlain(screen, client.right, client.bottom);
}

// The buffer stays after the copy: transparent children copy the pixels
// behind them out of it when they paint, which is after this box.
void ChildPeer::paintBox(HDC screen, std::int32_t width, std::int32_t height) {
    if (box_->raisePaint(screen))
        return;
    excludeChildren(*box_, hwnd_, screen);
    HDC buffer = backBuffer_.fit(screen, width, height);
    if (buffer == nullptr)
        return;
    if (box_->isHoverColourOn() && box_->isHovering())
        fillColour(buffer, width, height, box_->getHoverColour());
    else
        fillBackground(buffer, width, height, box_->isBackgroundTransparent(),
                       box_->getBackground());
    if (drawer::IDrawer* drawer = box_->getDrawer())
        drawer->paint(buffer, 0, 0, width, height);
    BitBlt(screen, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
}

// A spacer or another plain component has nothing to draw over its
// background, so it goes to the screen directly, in one operation.
void ChildPeer::paintPlain(HDC screen, std::int32_t width, std::int32_t height) {
    fillBackground(screen, width, height, component_->isBackgroundTransparent(),
                   component_->getBackground());
}

void ChildPeer::fillBackground(HDC dc, std::int32_t width, std::int32_t height, bool transparent,
                               std::uint32_t colour) {
    IContainer* parent = component_->getParent();
    auto* self = dynamic_cast<Component*>(component_);
    if (transparent && parent != nullptr && self != nullptr) {
        // Where this component lies in the parent's client area; a parent
        // without an image of its own adds its offset and asks its parent.
        std::int32_t x = self->getX() + self->getOriginX();
        std::int32_t y = self->getY() + self->getOriginY();
        BackBuffer* image = parent->getBackgroundImage(x, y);
        if (image != nullptr && image->dc() != nullptr) {
            // The offsets are the toolkit's; the image is in platform pixels.
            const DisplayScale scale = paintScale();
            x = scale.px(x);
            y = scale.px(y);
            geometry::Size size = image->size();
            // Whatever the image does not cover keeps the colour.
            if (x < 0 || y < 0 || x + width > size.width || y + height > size.height)
                fillColour(dc, width, height, colour);
            BitBlt(dc, 0, 0, width, height, image->dc(), x, y, SRCCOPY);
            return;
        }
    }
    fillColour(dc, width, height, colour);
}

} // namespace s::gui::win
