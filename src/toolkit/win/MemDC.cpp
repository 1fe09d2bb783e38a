#include "toolkit/win/MemDC.h"

#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"

#include <algorithm>
#include <utility>

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

namespace {
thread_local MemDC* keptSurface = nullptr;
thread_local bool keptInUse = false;
} // namespace

PaintSurface::PaintSurface(HWND window, std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0)
        return;
    if (!keptInUse) {
        if (keptSurface == nullptr || keptSurface->width() < width ||
            keptSurface->height() < height) {
            std::int32_t w = keptSurface != nullptr ? std::max(keptSurface->width(), width) : width;
            std::int32_t h =
                keptSurface != nullptr ? std::max(keptSurface->height(), height) : height;
            if (MemDC* larger = MemDC::create(window, w, h)) {
                releaseKept();
                keptSurface = larger;
            }
        }
        if (keptSurface != nullptr && keptSurface->width() >= width &&
            keptSurface->height() >= height) {
            surface_ = keptSurface;
            kept_ = true;
            keptInUse = true;
            return;
        }
    }
    surface_ = MemDC::create(window, width, height);
}

PaintSurface::~PaintSurface() {
    if (kept_)
        keptInUse = false;
    else if (surface_ != nullptr)
        surface_->release();
}

void PaintSurface::releaseKept() {
    if (keptSurface != nullptr && !keptInUse)
        std::exchange(keptSurface, nullptr)->release();
}

const MemDC* PaintSurface::kept() {
    return keptSurface;
}

bool MemDC::copyTo(HDC target, std::int32_t x, std::int32_t y) const {
    return dc_ && target != nullptr &&
           BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY) != 0;
}

} // namespace s::gui::win
