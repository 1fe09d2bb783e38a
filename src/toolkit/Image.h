#pragma once

#include "foundation/collections/Arrays.h"

#include <cstdint>

namespace s::gui {

// A decoded picture: width x height pixels of four bytes each (red, green,
// blue, alpha), rows from the top.
class Image {
public:
    // Decodes JPEG or PNG bytes; false (and an empty image) when they are
    // not a picture of either kind.
    bool decode(const void* bytes, std::uint32_t size);

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }
    const std::uint8_t* pixels() const { return static_cast<const std::uint8_t*>(pixels_.data()); }
    void clear();
    // Takes width x height pixels of red, green, blue and alpha.
    void assign(std::int32_t width, std::int32_t height, const std::uint8_t* rgba);

private:
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    col::_array::ArrayU08 pixels_;
};

} // namespace s::gui
