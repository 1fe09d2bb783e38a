#pragma once

#include "toolkit/counter/CounterData.h"
#include "toolkit/drawers/Painters.h"

#include <cstdint>

namespace s::gui::counter {

// Receives the rectangles a counter painter fills, in drawing order.
class IBarSink {
public:
    virtual ~IBarSink() = default;
    virtual void fill(const drawer::Rect& rect, drawer::Colour colour) = 0;
};

enum GraphType : std::int32_t { kHistory = 0, kLevel = 1, kCentredHistory = 2 };

// What a counter painter brings besides the series: its two colours and the
// snapshots it reuses from one painting to the next.
struct BarPalette {
    drawer::Colour colour1 = 0;
    drawer::Colour colour2 = 0;
};

// The bars of one painting of area: series 1, then series 2 over it (series2
// may be null). Each series is read once, under its lock. Nothing is filled
// for an empty area, an unknown graph type or a series whose scale is empty.
// The painter's background is not part of this: it fills it itself first.
class CounterBars {
public:
    void compute(const drawer::Rect& area, std::int32_t graphType, const CounterData* series1,
                 const CounterData* series2, const BarPalette& palette, bool swapColours,
                 IBarSink& sink);

private:
    void level(const drawer::Rect& area, const CounterData::Snapshot& series, std::int64_t maximum,
               drawer::Colour colour, IBarSink& sink) const;
    void history(const drawer::Rect& area, const CounterData::Snapshot& series, bool centred,
                 drawer::Colour colour, IBarSink& sink) const;

    CounterData::Snapshot first_;
    CounterData::Snapshot second_;
};

// The scale's top: the maximum, or with autoScale the larger of the floor
// and the largest of the samples shown (the newest only for level bars).
std::int64_t scaleMaximum(const CounterData::Snapshot& series, bool newestOnly);

} // namespace s::gui::counter
