#pragma once

#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <cstdint>
#include <optional>

namespace s::test {

// A 32-bit memory surface filled with one colour, whose pixels a test reads
// back after a painter drew into it.
class MemorySurface {
public:
    MemorySurface(int width, int height, COLORREF fill) : width_(width), height_(height) {
        dc_.reset(CreateCompatibleDC(nullptr));
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        pixels_ = static_cast<std::uint32_t*>(bits);
        selection_.emplace(dc_.get(), bitmap_.get());
        const RECT all{0, 0, width, height};
        SetBkColor(dc_.get(), fill);
        ExtTextOutW(dc_.get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    }

    HDC dc() const { return dc_.get(); }
    bool valid() const { return pixels_ != nullptr; }

    // The pixel as a colour reference (red in the low byte).
    COLORREF at(int x, int y) const {
        GdiFlush();
        if (pixels_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_)
            return CLR_INVALID;
        const std::uint32_t bgra = pixels_[y * width_ + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
    int count(COLORREF colour) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                n += at(x, y) == colour;
        return n;
    }

private:
    int width_, height_;
    std::uint32_t* pixels_ = nullptr;
    // Declared so that the selection ends before the bitmap and the context.
    system::win::CreatedDc dc_;
    system::win::Bitmap bitmap_;
    std::optional<system::win::Selection> selection_;
};

} // namespace s::test
