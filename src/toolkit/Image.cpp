#include "toolkit/Image.h"

#include <cstring>

// stb_image decodes in memory only, JPEG and PNG, with its own allocator
// calls; its code is not ours, so its warnings are not made errors here.
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STB_IMAGE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wundef"
#pragma GCC diagnostic ignored "-Wsign-compare"
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace s::gui {

bool Image::decode(const void* bytes, std::uint32_t size) {
    clear();
    if (bytes == nullptr || size == 0 || size > 0x7FFFFFFF)
        return false;
    int width = 0, height = 0, channels = 0;
    stbi_uc* decoded = stbi_load_from_memory(static_cast<const stbi_uc*>(bytes),
                                             static_cast<int>(size), &width, &height, &channels, 4);
    if (decoded == nullptr)
        return false;
    auto total = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(height) * 4;
    pixels_.append(decoded, total);
    stbi_image_free(decoded);
    width_ = width;
    height_ = height;
    return true;
}

void Image::assign(std::int32_t width, std::int32_t height, const std::uint8_t* rgba) {
    clear();
    if (width <= 0 || height <= 0 || rgba == nullptr)
        return;
    pixels_.append(rgba,
                   static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(height) * 4);
    width_ = width;
    height_ = height;
}

void Image::clear() {
    width_ = height_ = 0;
    pixels_.freeMemory();
}

} // namespace s::gui
