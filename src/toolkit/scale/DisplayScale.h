#pragma once

#include <cstdint>

namespace s::gui {

// The scale of the monitor a window is on: its DPI over 96. The toolkit
// works in pixels of a 96-DPI display (its own pixels); the platform's
// pixels are those times the scale. At 96 DPI both are the same, exactly.
class DisplayScale {
public:
    static constexpr std::int32_t kBaseDpi = 96;

    constexpr DisplayScale() = default;
    // A DPI the platform cannot mean (zero, negative, absurdly large) counts
    // as the base DPI rather than collapsing or overflowing every size.
    explicit constexpr DisplayScale(std::int32_t dpi)
        : dpi_(dpi >= 24 && dpi <= 96 * 16 ? dpi : kBaseDpi) {}

    constexpr std::int32_t dpi() const { return dpi_; }
    constexpr bool isUnit() const { return dpi_ == kBaseDpi; }

    // A toolkit size or offset in platform pixels, rounded half away from
    // zero so that +v and -v scale alike.
    constexpr std::int32_t px(std::int32_t v) const { return divRound(widen(v) * dpi_, kBaseDpi); }
    // A platform size in toolkit pixels, rounded to the nearest.
    constexpr std::int32_t toToolkit(std::int32_t v) const {
        return divRound(widen(v) * kBaseDpi, dpi_);
    }
    // A measured platform size in toolkit pixels, never smaller than the
    // measure once scaled back, so that text laid out at it is not clipped.
    constexpr std::int32_t toToolkitCeil(std::int32_t v) const {
        std::int32_t t = toToolkit(v);
        while (px(t) < v)
            ++t;
        return t;
    }

    constexpr bool operator==(const DisplayScale&) const = default;

private:
    static constexpr std::int64_t widen(std::int32_t v) { return v; }
    static constexpr std::int32_t divRound(std::int64_t n, std::int64_t d) {
        return static_cast<std::int32_t>(n >= 0 ? (n + d / 2) / d : -((-n + d / 2) / d));
    }

    std::int32_t dpi_ = kBaseDpi;
};

// The scale the painters of this thread draw at. Each top-level window paints
// on its own thread, so a window's painting sets it around every paint
// (PaintScale) and the drawers read it; it is the base scale otherwise.
DisplayScale paintScale();

class PaintScale {
public:
    explicit PaintScale(DisplayScale scale);
    ~PaintScale();
    PaintScale(const PaintScale&) = delete;
    PaintScale& operator=(const PaintScale&) = delete;

private:
    DisplayScale previous_;
};

} // namespace s::gui
