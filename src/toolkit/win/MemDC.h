#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <cstdint>
#include <optional>

namespace s::gui::win {

// An off-screen surface compatible with a window's: a memory device context
// with an image selected into it. A control takes one of its client size for
// a paint, lets its drawer paint into it, copies it to the window in one
// block transfer and releases it. Released, it deselects its image and frees
// it when it owns it; the context itself stays with the pooled object for
// the next paint.
class MemDC final : public base::IObject, public thread::IPoolable {
public:
    // Few are in use at once, one per painting control.
    static constexpr std::int32_t kPoolLimit = 8;

    MemDC() = default;
    MemDC(const MemDC&) = delete;
    MemDC& operator=(const MemDC&) = delete;

    // A surface of the size with an image of its own, compatible with the
    // window's (null: the screen). Null when the size is empty or the
    // platform cannot make it. The caller releases it.
    static MemDC* create(HWND window, std::int32_t width, std::int32_t height);
    // A surface with the given image selected, freed on release when owned.
    static MemDC* wrap(HWND window, HBITMAP image, bool owned);

    const char16_t* getClassName() const override { return u"s_gui_win_MemDC"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    HDC handle() const { return dc_.get(); }
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    // Copies the whole image to (x, y) of target.
    bool copyTo(HDC target, std::int32_t x, std::int32_t y) const;

private:
    bool select(HWND window, HBITMAP image, bool owned);

    system::win::CreatedDc dc_;
    // Owned when `owned`; else only borrowed, and detached on clear.
    system::win::Bitmap image_;
    bool owned_ = false;
    std::optional<system::win::Selection> selection_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};

// The surface a window's thread paints its controls into, one paint at a
// time: the thread keeps one pooled MemDC between paints and enlarges it only
// when a control larger than any before it paints, so that a repaint once a
// second makes no surface and no image. A paint inside a paint (a control
// printing another) gets a surface of its own for its duration.
class PaintSurface {
public:
    PaintSurface(HWND window, std::int32_t width, std::int32_t height);
    ~PaintSurface();
    PaintSurface(const PaintSurface&) = delete;
    PaintSurface& operator=(const PaintSurface&) = delete;

    // Null when no surface could be made; at least the size asked for.
    HDC dc() const { return surface_ != nullptr ? surface_->handle() : nullptr; }
    explicit operator bool() const { return surface_ != nullptr; }

    // Gives the calling thread's kept surface back to its pool; a window's
    // thread calls this as it ends.
    static void releaseKept();
    // The calling thread's kept surface, null when it has none (tests).
    static const MemDC* kept();

private:
    MemDC* surface_ = nullptr;
    bool kept_ = false;
};

} // namespace s::gui::win
