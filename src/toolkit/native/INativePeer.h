#pragma once

#include <cstdint>

namespace s::gui::win {
class BackBuffer;
}

namespace s::gui {

// The native child window of one component. Every position and size the
// toolkit hands to the platform passes through here, in the toolkit's own
// pixels; converting them for the display is the peer's business. No call
// changes the Z order. "show" asks the peer to make the window visible as
// part of the same call.
class INativePeer {
public:
    virtual ~INativePeer() = default;

    // Creates the window as a child of parent's window (a top-level one for
    // a null parent). On failure the native side has told the user and the
    // peer answers false; it is then dropped.
    virtual bool create(INativePeer* parent) = 0;
    virtual void destroy() = 0;

    virtual void move(std::int32_t x, std::int32_t y, bool show) = 0;
    virtual void resize(std::int32_t w, std::int32_t h, bool show) = 0;
    // Move and resize in one call.
    virtual void setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                           bool show) = 0;
    virtual void show(bool visible) = 0;
    virtual void enable(bool enabled) = 0;
    // Invalidate, erase and update at once.
    virtual void repaint() = 0;
    virtual void repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) = 0;
    // The screen position of the window's top-left corner; false when the
    // platform cannot tell.
    virtual bool screenPosition(std::int32_t& x, std::int32_t& y) = 0;
    virtual void setText(const char16_t* text) = 0;
    // Puts the window just before sibling's among its parent's children, the
    // order the keyboard's Tab follows: for a window made after the windows
    // of the components that come after it.
    virtual void orderBefore(INativePeer* sibling) = 0;

    // Dropped files and URLs, for boxes that take them.
    virtual void setAcceptFiles(bool accept) = 0;
    virtual void setAcceptUrls(bool accept) = 0;
    // The box's kept image of its last painting, null when it has none.
    virtual win::BackBuffer* backBuffer() = 0;
    virtual void releaseBackBuffer() = 0;
};

// Implemented by every component and window that may own a peer, so that a
// child can find the native window of the container it is attached to.
class INativeHolder {
public:
    virtual ~INativeHolder() = default;
    virtual INativePeer* nativePeer() const = 0;
};

} // namespace s::gui
