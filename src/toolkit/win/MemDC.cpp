#include "toolkit/win/MemDC.h"

#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"

namespace s::gui::win {

MemDC* MemDC::create(HWND window, std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0)
        return nullptr;
    system::win::WindowDc reference(window);
    if (!reference)
        return nullptr;
    HBITMAP image = CreateCompatibleBitmap(reference.get(), width, height);
    if (image == nullptr)
        return nullptr;
    return wrap(window, image, true);
}

MemDC* MemDC::wrap(HWND window, HBITMAP image, bool owned) {
    // An owned image is freed here when it cannot be selected.
    system::win::Bitmap held(owned ? image : nullptr);
    thread::Pooled<MemDC> surface(thread::take<MemDC>());
    if (!surface->select(window, image, owned))
        return nullptr;
    (void)held.detach();
    return surface.detach();
}

bool MemDC::select(HWND window, HBITMAP image, bool owned) {
    BITMAP info{};
    if (image == nullptr || GetObjectW(image, sizeof info, &info) != sizeof info)
        return false;
    if (!dc_) {
        system::win::WindowDc reference(window);
        dc_.reset(CreateCompatibleDC(reference.get()));
        if (!dc_)
            return false;
    }
    selection_.emplace(dc_.get(), image);
    if (!selection_->valid()) {
        selection_.reset();
        return false;
    }
    image_.reset(image);
    owned_ = owned;
    width_ = info.bmWidth;
    height_ = info.bmHeight;
    return true;
}

base::IObject* MemDC::newInstance() const {
    return thread::take<MemDC>();
}

void MemDC::release() {
    thread::giveBack(this);
}

void MemDC::clear() {
    selection_.reset();
    if (!owned_)
        (void)image_.detach();
    image_.reset();
    owned_ = false;
    width_ = 0;
    height_ = 0;
}

bool MemDC::copyTo(HDC target, std::int32_t x, std::int32_t y) const {
    return dc_ && target != nullptr &&
           BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY) != 0;
}

} // namespace s::gui::win
