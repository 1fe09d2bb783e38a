#include "toolkit/win/NativeImage.h"

#include "foundation/collections/Arrays.h"
#include "foundation/system/win/Handles.h"

#include <cstring>
#include <utility>
#include <vector>

namespace s::gui::win {

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

namespace {

// Windows keeps blue first; the image keeps red first.
void swapRedAndBlue(std::uint8_t* pixels, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        std::swap(pixels[4 * i], pixels[4 * i + 2]);
}

// Alpha that says nothing, the same in every pixel, is what the platform
// gives for an icon image of fewer than 32 bits.
bool hasAlpha(const std::uint8_t* pixels, std::size_t count) {
    for (std::size_t i = 1; i < count; ++i) {
        if (pixels[4 * i + 3] != pixels[3])
            return true;
    }
    return false;
}

// Icons of fewer than 32 bits keep their shape in the mask: set bits are
// transparent. Its first `size` rows are the AND mask (a monochrome icon's
// mask is twice as high, with the image below).
bool alphaFromMask(HDC screen, HBITMAP mask, int size, std::uint8_t* pixels) {
    BITMAPINFO info = topDownInfo(size, size);
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(size) * size);
    if (GetDIBits(screen, mask, 0, static_cast<UINT>(size), bits.data(), &info,
                  DIB_RGB_COLORS) != size)
        return false;
    for (std::size_t i = 0; i < bits.size(); ++i)
        pixels[4 * i + 3] = (bits[i] & 0xFFFFFF) != 0 ? 0 : 255;
    return true;
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
    auto* bytes = static_cast<std::uint8_t*>(pixels.data());
    std::size_t count = static_cast<std::size_t>(size) * size;
    swapRedAndBlue(bytes, count);
    if (!hasAlpha(bytes, count) && !alphaFromMask(screen.get(), mask.get(), size, bytes))
        return false;
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

HICON iconOf(const gui::Image& image) {
    if (image.isEmpty())
        return nullptr;
    system::win::Bitmap color(bitmapOf(image));
    // With a 32-bit colour bitmap that has alpha the mask is not used, but
    // it must be there, a monochrome bitmap of the same size: rows of whole
    // 16-bit words, all clear.
    std::vector<std::uint8_t> clear(static_cast<std::size_t>((image.width() + 15) / 16) * 2 *
                                    image.height());
    system::win::Bitmap mask(CreateBitmap(image.width(), image.height(), 1, 1, clear.data()));
    if (!color || !mask)
        return nullptr;
    ICONINFO parts{};
    parts.fIcon = TRUE;
    parts.hbmColor = color.get();
    parts.hbmMask = mask.get();
    // The icon keeps copies; both bitmaps are freed here.
    return CreateIconIndirect(&parts);
}

} // namespace s::gui::win
