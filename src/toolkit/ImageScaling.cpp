#include "toolkit/ImageScaling.h"

#include <algorithm>
#include <vector>

namespace s::gui {

namespace {

// One source pixel's share of one new pixel along an axis.
struct Share {
    std::int32_t index;
    std::uint32_t weight;
};

// Along one axis, in units where a source pixel is `to` wide and a new
// pixel `from` wide, new pixel i covers [i * from, (i + 1) * from). Each
// new pixel's shares add up to `from`.
std::vector<std::vector<Share>> sharesOf(std::int32_t from, std::int32_t to) {
    std::vector<std::vector<Share>> shares(static_cast<std::size_t>(to));
    for (std::int32_t i = 0; i < to; ++i) {
        std::int64_t begin = static_cast<std::int64_t>(i) * from;
        std::int64_t end = begin + from;
        for (std::int64_t s = begin / to; s < from && s * to < end; ++s) {
            std::int64_t lo = std::max(begin, s * to);
            std::int64_t hi = std::min(end, (s + 1) * to);
            if (hi > lo)
                shares[static_cast<std::size_t>(i)].push_back(
                    Share{static_cast<std::int32_t>(s), static_cast<std::uint32_t>(hi - lo)});
        }
    }
    return shares;
}

bool validSide(std::int32_t side) { return side >= 1 && side <= kMaxScaledSide; }

} // namespace

bool scaleImage(const Image& source, std::int32_t width, std::int32_t height, Image& out) {
    if (source.isEmpty() || !validSide(width) || !validSide(height)) {
        out.clear();
        return false;
    }
    const std::int32_t sw = source.width();
    const std::int32_t sh = source.height();
    const auto columns = sharesOf(sw, width);
    const auto rows = sharesOf(sh, height);
    const std::uint64_t total = static_cast<std::uint64_t>(sw) * static_cast<std::uint64_t>(sh);
    const std::uint8_t* in = source.pixels();
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
    std::uint8_t* target = pixels.data();
    for (const auto& row : rows) {
        for (const auto& column : columns) {
            std::uint64_t sum[4] = {0, 0, 0, 0};
            for (const Share& r : row) {
                const std::uint8_t* line = in + static_cast<std::size_t>(r.index) * sw * 4;
                for (const Share& c : column) {
                    const std::uint8_t* p = line + static_cast<std::size_t>(c.index) * 4;
                    std::uint64_t weight = static_cast<std::uint64_t>(r.weight) * c.weight;
                    for (int k = 0; k < 4; ++k)
                        sum[k] += p[k] * weight;
                }
            }
            for (int k = 0; k < 4; ++k)
                *target++ = static_cast<std::uint8_t>((sum[k] + total / 2) / total);
        }
    }
    out.assign(width, height, pixels.data());
    return true;
}

void fitInto(std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t boxWidth,
             std::int32_t boxHeight, std::int32_t& width, std::int32_t& height) {
    width = height = 0;
    if (sourceWidth <= 0 || sourceHeight <= 0 || boxWidth <= 0 || boxHeight <= 0)
        return;
    // The box's width decides unless the height made from it is too tall.
    std::int64_t byWidth = static_cast<std::int64_t>(boxWidth) * sourceHeight / sourceWidth;
    if (byWidth <= boxHeight) {
        width = boxWidth;
        height = static_cast<std::int32_t>(std::max<std::int64_t>(byWidth, 1));
    } else {
        width = static_cast<std::int32_t>(std::max<std::int64_t>(
            static_cast<std::int64_t>(boxHeight) * sourceWidth / sourceHeight, 1));
        height = boxHeight;
    }
}

} // namespace s::gui
