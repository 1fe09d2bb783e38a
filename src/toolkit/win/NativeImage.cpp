#include "toolkit/win/NativeImage.h"

#include "foundation/collections/Arrays.h"
#include "foundation/system/win/Handles.h"

#include <cstring>
#include <utility>

namespace s::gui::win {

namespace {

BITMAPINFO topDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Windows keeps blue first; the image keeps red first.
void swapRedAndBlue(std::uint8_t* pixels, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        std::swap(pixels[4 * i], pixels[4 * i + 2]);
}

} // namespace

bool iconImage(HINSTANCE module, int iconId, int size, gui::Image& image) {
    image.clear();
    system::win::Icon icon(static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(iconId), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    ICONINFO parts{};
    if (!icon || !GetIconInfo(icon.get(), &parts))
        return false;
    // GetIconInfo hands out copies of the icon's bitmaps, which are the caller's.
    system::win::Bitmap color(parts.hbmColor);
    system::win::Bitmap mask(parts.hbmMask);
    system::win::WindowDc screen(nullptr);
    BITMAPINFO info = topDownInfo(size, size);
    col::ArrayU08 pixels;
    pixels.setLength(static_cast<std::uint32_t>(size * size * 4));
    if (GetDIBits(screen.get(), color.get(), 0, static_cast<UINT>(size), pixels.data(), &info,
                  DIB_RGB_COLORS) != size)
        return false;
    swapRedAndBlue(static_cast<std::uint8_t*>(pixels.data()),
                   static_cast<std::size_t>(size) * size);
    image.assign(size, size, static_cast<const std::uint8_t*>(pixels.data()));
    return true;
}

HBITMAP bitmapOf(const gui::Image& image) {
    if (image.isEmpty())
        return nullptr;
    BITMAPINFO info = topDownInfo(image.width(), image.height());
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr)
        return nullptr;
    std::size_t count = static_cast<std::size_t>(image.width()) * image.height();
    std::memcpy(bits, image.pixels(), count * 4);
    swapRedAndBlue(static_cast<std::uint8_t*>(bits), count);
    return bitmap;
}

} // namespace s::gui::win
