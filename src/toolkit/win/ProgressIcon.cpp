#include "toolkit/win/ProgressIcon.h"

#include "toolkit/win/NativeImage.h"

#include <cstring>

namespace s::gui::win {

namespace {
bool samePixels(const gui::Image& a, const gui::Image& b) {
    return a.width() == b.width() && a.height() == b.height() && !a.isEmpty() &&
           std::memcmp(a.pixels(), b.pixels(),
                       static_cast<std::size_t>(a.width()) * a.height() * 4) == 0;
}
} // namespace

HICON ProgressIcon::make(HINSTANCE module, int iconId, std::int32_t size, std::int32_t permille,
                         RingState state) {
    // The plain icon is read again only when the size changes (another
    // monitor's scale).
    if (baseSize_ != size || base_.isEmpty()) {
        baseSize_ = size;
        if (!iconImage(module, iconId, size, base_))
            return nullptr;
    }
    gui::Image drawn;
    drawProgressRing(base_, permille, state, drawn);
    if (drawn.isEmpty() || samePixels(drawn, last_))
        return nullptr;
    HICON icon = iconOf(drawn);
    if (icon != nullptr)
        last_.assign(drawn.width(), drawn.height(), drawn.pixels());
    return icon;
}

} // namespace s::gui::win
