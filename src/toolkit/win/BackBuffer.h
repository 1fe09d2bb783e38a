#pragma once

#include "foundation/system/win/Handles.h"
#include "toolkit/window/WindowGeometry.h"

#include <windows.h>

#include <optional>

namespace s::gui::win {

// The off-screen image a window or a box paints its client area into before
// a single copy to the screen, kept so that transparent children can copy
// their background out of it; reallocated only by geometry::backBufferSize.
class BackBuffer {
public:
    // The image's device context, at least the client's size; null when the
    // client is empty or the image could not be made.
    HDC fit(HDC reference, std::int32_t clientWidth, std::int32_t clientHeight);
    void release();
    // The image's device context as the last fit left it; null when none.
    HDC dc() const { return dc_.get(); }
    geometry::Size size() const { return size_; }
    int reallocations() const { return reallocations_; }

private:
    // Declared so that the selection ends before the bitmap and the context.
    system::win::CreatedDc dc_;
    system::win::Bitmap bitmap_;
    std::optional<system::win::Selection> selection_;
    geometry::Size size_;
    int reallocations_ = 0;
};

} // namespace s::gui::win
