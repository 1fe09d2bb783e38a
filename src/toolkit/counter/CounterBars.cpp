#include "toolkit/counter/CounterBars.h"

#include <algorithm>
#include <cmath>

namespace s::gui::counter {

namespace {

constexpr std::int32_t kMarkHeight = 5;

// (sample - minimum) * extent / (maximum - minimum) without overflow: the
// product in 128 bits, then a floating-point division. Negative for samples
// below the minimum; callers clamp to the extent.
double scaled(std::int64_t sample, std::int64_t minimum, std::int64_t maximum, std::int32_t extent) {
    __int128 product = (static_cast<__int128>(sample) - minimum) * extent;
    __int128 range = static_cast<__int128>(maximum) - minimum;
    return static_cast<double>(product) / static_cast<double>(range);
}

drawer::Colour colourOf(const CounterData::Snapshot& series, drawer::Colour painterColour) {
    return series.ownColour ? series.colour : painterColour;
}

} // namespace

std::int64_t scaleMaximum(const CounterData::Snapshot& series, bool newestOnly) {
    if (!series.autoScale)
        return series.maximum;
    std::int64_t top = series.autoScaleFloor;
    std::size_t shown = newestOnly ? std::min<std::size_t>(1, series.newestFirst.size())
                                   : series.newestFirst.size();
    for (std::size_t i = 0; i < shown; ++i)
        top = std::max(top, series.newestFirst[i]);
    return top;
}

void CounterBars::compute(const drawer::Rect& area, std::int32_t graphType,
                          const CounterData* series1, const CounterData* series2,
                          const BarPalette& palette, bool swapColours, IBarSink& sink) {
    if (area.empty() || series1 == nullptr)
        return;
    drawer::Colour c1 = swapColours ? palette.colour2 : palette.colour1;
    drawer::Colour c2 = swapColours ? palette.colour1 : palette.colour2;
    series1->read(first_);
    if (series2 != nullptr)
        series2->read(second_);
    switch (graphType) {
    case kLevel: {
        // Series 2 shares series 1's scale when that one scales itself.
        std::int64_t top = scaleMaximum(first_, true);
        level(area, first_, top, colourOf(first_, c1), sink);
        if (series2 != nullptr)
            level(area, second_, first_.autoScale ? top : scaleMaximum(second_, true),
                  colourOf(second_, c2), sink);
        break;
    }
    case kHistory:
    case kCentredHistory:
        history(area, first_, graphType == kCentredHistory, colourOf(first_, c1), sink);
        if (series2 != nullptr)
            history(area, second_, graphType == kCentredHistory, colourOf(second_, c2), sink);
        break;
    default:
        break;
    }
}

void CounterBars::level(const drawer::Rect& area, const CounterData::Snapshot& series,
                        std::int64_t maximum, drawer::Colour colour, IBarSink& sink) const {
    if (series.newestFirst.empty() || maximum <= series.minimum)
        return;
    std::int32_t width = area.right - area.left;
    double w = scaled(series.newestFirst.front(), series.minimum, maximum, width);
    if (!(w >= 1.0))
        return;
    auto pixels = static_cast<std::int32_t>(std::min(w, static_cast<double>(width)));
    sink.fill({area.left, area.top, area.left + pixels, area.bottom}, colour);
}

void CounterBars::history(const drawer::Rect& area, const CounterData::Snapshot& series,
                          bool centred, drawer::Colour colour, IBarSink& sink) const {
    std::int64_t maximum = scaleMaximum(series, false);
    if (maximum <= series.minimum)
        return;
    std::int32_t height = area.bottom - area.top;
    std::int32_t x = area.right - 1;
    for (std::size_t i = 0; i < series.newestFirst.size() && x >= area.left; ++i, --x) {
        std::int64_t sample = series.newestFirst[i];
        double exact = scaled(sample, series.minimum, maximum, height);
        double rounded = centred ? std::round(exact) : std::trunc(exact);
        auto h = static_cast<std::int32_t>(std::clamp(rounded, 0.0, static_cast<double>(height)));
        // A sample above the minimum always shows at least one pixel.
        if (h == 0 && sample > series.minimum)
            h = 1;
        if (h == 0)
            continue;
        std::int32_t top = centred ? area.top + (height - h) / 2 : area.bottom - h;
        std::int32_t bottom = top + h;
        if (!series.marksOnly) {
            sink.fill({x, top, x + 1, bottom}, colour);
        } else if (centred) {
            sink.fill({x, top, x + 1, std::min(top + kMarkHeight, bottom)}, colour);
            sink.fill({x, std::max(bottom - kMarkHeight, top), x + 1, bottom}, colour);
        } else {
            sink.fill({x, top, x + 1, std::min(top + kMarkHeight, area.bottom)}, colour);
        }
    }
}

} // namespace s::gui::counter
