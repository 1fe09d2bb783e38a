#include "toolkit/counter/CounterData.h"

#include "foundation/objects/Pools.h"
#include "toolkit/component/IComponent.h"

#include <limits>

namespace s::gui::counter {

namespace {

// Sums of many samples saturate instead of wrapping around.
std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

constexpr std::uint32_t packColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return std::uint32_t{r} | (std::uint32_t{g} << 8) | (std::uint32_t{b} << 16);
}

} // namespace

CounterData::CounterData() = default;
CounterData::~CounterData() = default;

base::IObject* CounterData::newInstance() const {
    return thread::take<CounterData>();
}

void CounterData::release() {
    thread::giveBack(this);
}

void CounterData::clear() {
    platform::CriticalSectionGuard guard(lock_);
    resetSeries();
}

void CounterData::resetSeries() {
    samples_.clear();
    position_ = 0;
    samplesPerSlot_ = 1;
    slotFill_ = 0;
    minimum_ = 0;
    maximum_ = 100;
    autoScale_ = false;
    autoScaleFloor_ = 100;
    marksOnly_ = false;
    ownColour_ = false;
    colour_ = 0;
    views_.clear();
}

void CounterData::addSample(std::int64_t value) {
    std::vector<IComponent*> toRepaint;
    {
        platform::CriticalSectionGuard guard(lock_);
        if (samples_.empty())
            return;
        bool newSlot = slotFill_ >= samplesPerSlot_;
        if (newSlot) {
            position_ = position_ + 1 >= static_cast<std::int32_t>(samples_.size()) ? 0 : position_ + 1;
            samples_[position_] = minimum_;
            slotFill_ = 1;
        } else {
            ++slotFill_;
        }
        std::int64_t& newest = samples_[position_];
        newest = saturatingAdd(newest, value);
        if (!autoScale_ && newest > maximum_)
            newest = maximum_;
        if (newSlot)
            toRepaint = views_;
    }
    for (IComponent* view : toRepaint)
        view->repaint();
}

void CounterData::resetSamples() {
    setCapacity(2);
}

void CounterData::setCapacity(std::int32_t capacity) {
    platform::CriticalSectionGuard guard(lock_);
    samples_.assign(capacity > 0 ? static_cast<std::size_t>(capacity) : 0, minimum_);
    position_ = 0;
    slotFill_ = 0;
}

void CounterData::setSamplesPerSlot(std::int32_t count) {
    platform::CriticalSectionGuard guard(lock_);
    samplesPerSlot_ = count < 1 ? 1 : count;
}

void CounterData::setMinimum(std::int64_t value) {
    platform::CriticalSectionGuard guard(lock_);
    minimum_ = value;
}

void CounterData::setMaximum(std::int64_t value) {
    platform::CriticalSectionGuard guard(lock_);
    maximum_ = value;
}

void CounterData::setAutoScale(bool on) {
    platform::CriticalSectionGuard guard(lock_);
    autoScale_ = on;
}

void CounterData::setAutoScaleFloor(std::int64_t value) {
    platform::CriticalSectionGuard guard(lock_);
    autoScaleFloor_ = value;
}

void CounterData::setMarksOnly(bool on) {
    platform::CriticalSectionGuard guard(lock_);
    marksOnly_ = on;
}

void CounterData::setOwnColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    platform::CriticalSectionGuard guard(lock_);
    ownColour_ = true;
    colour_ = packColour(r, g, b);
}

void CounterData::clearOwnColour() {
    platform::CriticalSectionGuard guard(lock_);
    ownColour_ = false;
}

void CounterData::addView(IComponent* view) {
    if (view == nullptr)
        return;
    platform::CriticalSectionGuard guard(lock_);
    views_.push_back(view);
}

void CounterData::read(Snapshot& snapshot) const {
    platform::CriticalSectionGuard guard(lock_);
    snapshot.newestFirst.clear();
    auto length = static_cast<std::int32_t>(samples_.size());
    for (std::int32_t i = 0; i + 1 < length; ++i) {
        std::int32_t index = position_ - i;
        if (index < 0)
            index += length;
        snapshot.newestFirst.push_back(samples_[static_cast<std::size_t>(index)]);
    }
    snapshot.minimum = minimum_;
    snapshot.maximum = maximum_;
    snapshot.autoScale = autoScale_;
    snapshot.autoScaleFloor = autoScaleFloor_;
    snapshot.marksOnly = marksOnly_;
    snapshot.ownColour = ownColour_;
    snapshot.colour = colour_;
}

std::int32_t CounterData::capacity() const {
    platform::CriticalSectionGuard guard(lock_);
    return static_cast<std::int32_t>(samples_.size());
}

std::int32_t CounterData::getPosition() const {
    platform::CriticalSectionGuard guard(lock_);
    return position_;
}

std::int32_t CounterData::getSlotFill() const {
    platform::CriticalSectionGuard guard(lock_);
    return slotFill_;
}

std::int64_t CounterData::sampleBack(std::int32_t index) const {
    platform::CriticalSectionGuard guard(lock_);
    auto length = static_cast<std::int32_t>(samples_.size());
    if (index < 0 || index >= length)
        return 0;
    std::int32_t at = position_ - index;
    if (at < 0)
        at += length;
    return samples_[static_cast<std::size_t>(at)];
}

} // namespace s::gui::counter
