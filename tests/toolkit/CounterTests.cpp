#include "ToolkitTestSupport.h"
#include "toolkit/counter/CounterBars.h"
#include "toolkit/counter/CounterData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>

using s::gui::counter::CounterBars;
using s::gui::counter::CounterData;
using s::gui::drawer::Colour;
using s::gui::drawer::Rect;

namespace {

TEST(CounterData, RingWrapsSlotsSumAndViewsRepaintOnlyWhenASlotStarts) {
    s::test::FakePeerFactory peers;
    s::test::RootBox root;
    ASSERT_TRUE(root.open(100, 100));
    auto* view = s::test::Leaf::make(1, 1, 1, 1);
    root.add(view);
    s::test::PeerRecord* record = peers.recordOf(view);
    ASSERT_NE(record, nullptr);

    CounterData data;
    data.addSample(5);
    EXPECT_EQ(data.capacity(), 0) << "a ring without samples takes none";
    data.setCapacity(3);
    data.setMaximum(1000);
    data.setSamplesPerSlot(2);
    data.addView(view);
    peers.resetCounts();

    // The newest sample starts with slotFill 0: the first two values go into it.
    struct Step {
        std::int64_t value;
        std::int32_t position;
        std::int64_t newest;
        std::int32_t repaints;
    };
    const Step steps[] = {
        {10, 0, 10, 0},   {20, 0, 30, 0},    {1, 1, 1, 1},   {2, 1, 3, 1},
        {4, 2, 4, 2},     {4, 2, 8, 2},      {7, 0, 7, 3},  // wrapped to the start
        {1500, 0, 1000, 3},                                // clamped to the maximum
        {-3000, 1, -3000, 4},
    };
    for (const Step& step : steps) {
        data.addSample(step.value);
        SCOPED_TRACE(step.value);
        EXPECT_EQ(data.getPosition(), step.position);
        EXPECT_EQ(data.sampleBack(0), step.newest);
        EXPECT_EQ(record->repaints, step.repaints);
    }
    EXPECT_EQ(data.sampleBack(1), 1000);
    EXPECT_EQ(data.sampleBack(2), 8);

    // Sums saturate rather than wrap.
    data.setAutoScale(true);
    for (int i = 0; i < 3; ++i)
        data.addSample(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(data.sampleBack(0), std::numeric_limits<std::int64_t>::max());

    data.setMinimum(-7);
    data.resetSamples();
    EXPECT_EQ(data.capacity(), 2);
    EXPECT_EQ(data.sampleBack(0), -7);
    EXPECT_EQ(data.sampleBack(1), -7);
    EXPECT_EQ(data.getSlotFill(), 0);
    data.setSamplesPerSlot(0);
    data.addSample(1);
    data.addSample(1);
    EXPECT_EQ(data.getPosition(), 1) << "samples per slot below one count as one";
}

class Recorder final : public s::gui::counter::IBarSink {
public:
    void fill(const Rect& r, Colour c) override {
        out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")"
            << (c == kFirst ? "A" : c == kSecond ? "B" : "?");
    }
    static constexpr Colour kFirst = s::gui::drawer::rgb(200, 0, 0);
    static constexpr Colour kSecond = s::gui::drawer::rgb(0, 0, 200);
    std::ostringstream out;
};

// Samples added oldest first to a ring one longer, so that all of them show.
struct Series {
    std::int64_t values[4];
    std::int32_t count = 0;  // 0: no such series
    std::int64_t maximum = 1000;
    bool marksOnly = false;
    bool autoScale = false;
};

void fillSeries(CounterData& data, const Series& series) {
    data.setCapacity(series.count + 1);
    data.setMaximum(series.maximum);
    data.setMarksOnly(series.marksOnly);
    data.setAutoScale(series.autoScale);
    data.setAutoScaleFloor(100);
    // The first value lands in the slot the ring starts with, which the
    // painter counts among the ones it leaves out.
    data.addSample(0);
    for (std::int32_t i = 0; i < series.count; ++i)
        data.addSample(series.values[i]);
}

struct DrawCase {
    const char* name;
    Rect area;
    std::int32_t type;
    Series first;
    Series second;
    bool swap;
    const char* fills;
};

TEST(CounterBars, DrawGeometry) {
    const DrawCase cases[] = {
        {"level bars: series 2 over series 1", {10, 5, 210, 25}, 1, {{1000}, 1}, {{250}, 1}, false,
         "(10,5,210,25)A(10,5,60,25)B"},
        {"level bars with swapped colours", {10, 5, 210, 25}, 1, {{1000}, 1}, {{250}, 1}, true,
         "(10,5,210,25)B(10,5,60,25)A"},
        {"level bar under one pixel draws nothing", {0, 0, 200, 10}, 1, {{4}, 1}, {}, false, ""},
        {"level bars scale to the newest sample, series 2 too", {0, 0, 100, 10}, 1,
         {{50, 400}, 2, 1000, false, true}, {{100}, 1}, false, "(0,0,100,10)A(0,0,25,10)B"},
        {"history: newest on the right, a tiny sample keeps one pixel", {0, 0, 4, 100}, 0,
         {{500, 1, 0, 1000}, 4}, {}, false, "(3,0,4,100)A(1,99,2,100)A(0,50,1,100)A"},
        {"history clips to the columns there are", {0, 0, 2, 10}, 0, {{1000, 1000, 500}, 3}, {},
         false, "(1,5,2,10)A(0,0,1,10)A"},
        {"history marks", {0, 0, 1, 100}, 0, {{500}, 1, 1000, true}, {}, false, "(0,50,1,55)A"},
        {"centred history rounds and centres", {0, 10, 2, 20}, 2, {{250, 350}, 2}, {}, false,
         "(1,13,2,17)A(0,13,1,16)A"},
        {"centred history marks at both ends", {0, 0, 1, 100}, 2, {{500}, 1, 1000, true}, {},
         false, "(0,25,1,30)A(0,70,1,75)A"},
        {"history of series 2 over series 1", {0, 0, 1, 10}, 0, {{1000}, 1}, {{500}, 1}, false,
         "(0,0,1,10)A(0,5,1,10)B"},
        {"empty area", {5, 5, 5, 50}, 1, {{1000}, 1}, {}, false, ""},
        {"negative area", {50, 50, 10, 10}, 0, {{1000}, 1}, {}, false, ""},
        {"empty scale", {0, 0, 10, 10}, 0, {{5}, 1, 0}, {}, false, ""},
        {"unknown type", {0, 0, 10, 10}, 7, {{5}, 1}, {}, false, ""},
    };
    CounterBars bars;
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.name);
        CounterData first, second;
        fillSeries(first, c.first);
        fillSeries(second, c.second);
        Recorder recorder;
        bars.compute(c.area, c.type, &first, c.second.count > 0 ? &second : nullptr,
                     {Recorder::kFirst, Recorder::kSecond}, c.swap, recorder);
        EXPECT_EQ(recorder.out.str(), c.fills);
    }
}

TEST(CounterBars, AResetSeriesDrawsNoLevelBarUntilALargerSampleArrives) {
    CounterData data;
    data.setMinimum(20);
    data.resetSamples();
    CounterBars bars;
    Recorder before;
    bars.compute({0, 0, 100, 10}, 1, &data, nullptr, {Recorder::kFirst, 0}, false, before);
    EXPECT_EQ(before.out.str(), "");
    data.addSample(70);  // summed into the newest slot, which holds the minimum
    Recorder after;
    bars.compute({0, 0, 100, 10}, 1, &data, nullptr, {Recorder::kFirst, 0}, false, after);
    EXPECT_EQ(after.out.str(), "(0,0,87,10)A");
}

} // namespace
