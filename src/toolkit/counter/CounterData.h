#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/system/Platform.h"

#include <cstdint>
#include <vector>

namespace s::gui {
class IComponent;
}

namespace s::gui::counter {

// One series of a counter meter: a ring of samples, the newest at position.
// Every field is guarded by the series' own lock, so that one thread may add
// samples while the window's thread paints. The views are repainted when a
// new slot starts, after the lock is let go, so that their painting (which
// reads the series) never waits on this thread.
class CounterData final : public base::IObject, public thread::IPoolable {
public:
    CounterData();
    ~CounterData() override;
    CounterData(const CounterData&) = delete;
    CounterData& operator=(const CounterData&) = delete;

    const char16_t* getClassName() const override { return u"s_gui_counter_CounterData"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    // Sums value into the newest sample, or starts a new slot with it once
    // samplesPerSlot values went into the newest one. Without autoScale the
    // sample is clamped to the maximum. A ring without samples takes none.
    void addSample(std::int64_t value);
    // The ring holds exactly two samples afterwards, each at the minimum.
    void resetSamples();
    // A ring of capacity samples at the minimum (none for capacity < 1).
    void setCapacity(std::int32_t capacity);

    // Values below 1 count as 1.
    void setSamplesPerSlot(std::int32_t count);
    void setMinimum(std::int64_t value);
    void setMaximum(std::int64_t value);
    void setAutoScale(bool on);
    void setAutoScaleFloor(std::int64_t value);
    void setMarksOnly(bool on);
    void setOwnColour(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    void clearOwnColour();
    // Not owned; repainted when a new slot starts. Null is ignored.
    void addView(IComponent* view);

    // What a painter reads, copied under the lock in one step.
    struct Snapshot {
        std::vector<std::int64_t> newestFirst;  // at most capacity - 1 samples
        std::int64_t minimum = 0;
        std::int64_t maximum = 100;
        bool autoScale = false;
        std::int64_t autoScaleFloor = 100;
        bool marksOnly = false;
        bool ownColour = false;
        std::uint32_t colour = 0;  // red in the low byte
    };
    // Fills snapshot with the samples a painter shows: newest first, at most
    // the ring's length less one. Reuses the snapshot's storage.
    void read(Snapshot& snapshot) const;

    std::int32_t capacity() const;
    std::int32_t getPosition() const;
    std::int32_t getSlotFill() const;
    // The sample index steps back from the newest (0 the newest); 0 outside the ring.
    std::int64_t sampleBack(std::int32_t index) const;

private:
    void resetSeries();

    mutable platform::CriticalSection lock_;
    std::vector<std::int64_t> samples_;
    std::int32_t position_ = 0;
    std::int32_t samplesPerSlot_ = 1;
    std::int32_t slotFill_ = 0;
    std::int64_t minimum_ = 0;
    std::int64_t maximum_ = 100;
    bool autoScale_ = false;
    std::int64_t autoScaleFloor_ = 100;
    bool marksOnly_ = false;
    bool ownColour_ = false;
    std::uint32_t colour_ = 0;
    std::vector<IComponent*> views_;
};

} // namespace s::gui::counter
