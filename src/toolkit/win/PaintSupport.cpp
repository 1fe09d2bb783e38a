#include "toolkit/win/PaintSupport.h"

#include "toolkit/component/IComponent.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/HwndPeer.h"

#include <utility>
#include <vector>

namespace s::gui::win {

void excludeChildren(IComponent& container, HWND parent, HDC dc) {
    for (std::int32_t i = 0; i < container.getComponentCount(); ++i) {
        HWND child = HwndPeer::handleOf(peerOf(container.getComponent(i)));
        if (child == nullptr || !IsWindowVisible(child))
            continue;
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

// An opaque empty text output is the platform's cheapest solid fill.
void fillColour(HDC dc, std::int32_t width, std::int32_t height, std::uint32_t colour) {
    RECT r{0, 0, width, height};
    COLORREF old = SetBkColor(dc, static_cast<COLORREF>(colour));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

namespace {

HWND showingWindowOf(IComponent& component) {
    return component.isShowing() ? HwndPeer::handleOf(peerOf(&component)) : nullptr;
}

bool touches(HWND hwnd, HRGN area) {
    RECT bounds;
    return GetWindowRect(hwnd, &bounds) && RectInRegion(area, &bounds);
}

// A child that can paint through its parent's context: a window of the
// parent's own class, which paints its whole client area on WM_PRINTCLIENT,
// holding no components (asking the platform for child windows is a round
// trip to the window server).
bool paintsThroughParent(IComponent& child, HWND childHwnd, HWND parent) {
    return child.getComponentCount() == 0 &&
           GetClassLongPtrW(childHwnd, GCW_ATOM) == GetClassLongPtrW(parent, GCW_ATOM);
}

// Prints the child into its parent's context, moved to where the child lies
// and clipped to it.
void printThroughParent(HDC dc, HWND parent, HWND child) {
    RECT r{};
    GetClientRect(child, &r);
    MapWindowPoints(child, parent, reinterpret_cast<POINT*>(&r), 2);
    int saved = SaveDC(dc);
    SetViewportOrgEx(dc, r.left, r.top, nullptr);
    IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    SendMessageW(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RestoreDC(dc, saved);
}

} // namespace

void paintNow(IComponent& component, HRGN area) {
    HWND hwnd = showingWindowOf(component);
    if (hwnd == nullptr || !touches(hwnd, area))
        return;
    // Children the area touches are painted through this window's context
    // when all of them can be (the labels over a meter, every second): one
    // context, one look-up of what shows, instead of one for each window.
    std::vector<HWND> touched;
    bool together = true;
    for (std::int32_t i = 0; i < component.getComponentCount() && together; ++i) {
        IComponent& child = *component.getComponent(i);
        HWND childHwnd = showingWindowOf(child);
        if (childHwnd == nullptr || !touches(childHwnd, area))
            continue;
        together = paintsThroughParent(child, childHwnd, hwnd);
        touched.push_back(childHwnd);
    }
    system::win::GdiObject<HRGN> clip(CreateRectRgn(0, 0, 0, 0));
    if (!clip || CombineRgn(clip.get(), area, nullptr, RGN_COPY) == ERROR)
        return;
    system::win::WindowDc dc(hwnd, std::move(clip),
                             DCX_INTERSECTRGN | DCX_CACHE | DCX_CLIPSIBLINGS |
                                 (together ? 0 : DCX_CLIPCHILDREN));
    if (dc) {
        int saved = SaveDC(dc.get());
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        RestoreDC(dc.get(), saved);
    }
    if (together && dc) {
        for (HWND child : touched)
            printThroughParent(dc.get(), hwnd, child);
        return;
    }
    for (std::int32_t i = 0; i < component.getComponentCount(); ++i)
        paintNow(*component.getComponent(i), area);
}

namespace {
// The clipping BeginPaint takes from the window's styles and class (its
// children, its siblings, its parent's context); the headers leave it out.
constexpr DWORD kClipAsStyled = 0x00010000;
} // namespace

ChildPaint::ChildPaint(HWND hwnd) : hwnd_(hwnd) {
    RECT client{}, frame{};
    GetClientRect(hwnd, &client);
    GetWindowRect(hwnd, &frame);
    if (frame.right - frame.left != client.right || frame.bottom - frame.top != client.bottom) {
        begun_ = BeginPaint(hwnd, &ps_) != nullptr;
        return;
    }
    system::win::GdiObject<HRGN> update(CreateRectRgn(0, 0, 0, 0));
    int kind = update ? GetUpdateRgn(hwnd, update.get(), FALSE) : ERROR;
    if (kind == ERROR || kind == NULLREGION) {
        // A paint asked for without an area: the request ends here.
        RedrawWindow(hwnd, nullptr, nullptr, RDW_VALIDATE | RDW_NOINTERNALPAINT | RDW_NOCHILDREN);
        return;
    }
    // Validated first: what is invalidated while this paints is painted next.
    ValidateRgn(hwnd, update.get());
    // The context is clipped to the region, in screen coordinates.
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    OffsetRgn(update.get(), origin.x, origin.y);
    clipped_.emplace(hwnd, std::move(update), DCX_INTERSECTRGN | kClipAsStyled);
}

ChildPaint::~ChildPaint() {
    if (begun_)
        EndPaint(hwnd_, &ps_);
}

HDC ChildPaint::dc() const {
    if (begun_)
        return ps_.hdc;
    return clipped_ && *clipped_ ? clipped_->get() : nullptr;
}

} // namespace s::gui::win
