#pragma once

#include "foundation/objects/Pools.h"
#include "toolkit/drawers/Fills.h"
#include "toolkit/drawers/ScaleMap.h"

#include <windows.h>

namespace s::gui::drawer::paint {

inline HDC dcOf(void* surface) { return static_cast<HDC>(surface); }

inline RECT toRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// A solid rectangle: an opaque empty text output fills its rectangle with the
// background colour without a brush to make and delete.
void fillRect(HDC dc, const Rect& rect, Colour colour);
void fillAll(HDC dc, const Fills& fills);

// Builds a shape with build(logicalRect, fills) in toolkit pixels over the
// platform rectangle rect and fills it at the scale being painted at.
template <class Build> void fillShape(HDC dc, const Rect& rect, Build build) {
    const ScaleMap map(paintScale(), rect);
    Fills fills;
    build(map.logical(), fills);
    map.toPlatform(fills);
    fillAll(dc, fills);
}

// The pool plumbing every drawer shares.
template <class T, class Interface> class PooledDrawer : public Interface {
public:
    base::IObject* newInstance() const override { return thread::take<T>(); }
    void release() override { thread::giveBack(static_cast<T*>(this)); }
};

} // namespace s::gui::drawer::paint
