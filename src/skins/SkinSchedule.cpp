#include "skins/SkinSchedule.h"

#include "foundation/objects/Pooled.h"
#include "foundation/time/Time.h"
#include "foundation/time/TimeFunctions.h"
#include "skins/Skinner.h"
#include "storage/IMappedData.h"

namespace s::gui::drawer {

namespace {

// Months since year 0 of the local date of a UTC instant.
std::int64_t localMonthNumber(std::int64_t utcSeconds) {
    thread::Pooled<time::Time> local(time::timeFromUtcSeconds(utcSeconds));
    return std::int64_t{local->year} * 12 + local->month;
}

void recordChange(map::IMappedData& store, const char16_t* section, std::int64_t now) {
    store.setInt64(section, kRandomSkinLastChangeKey, now);
}

} // namespace

const SkinPeriod* skinPeriodOfCommand(std::int32_t command) {
    for (const SkinPeriod& period : kSkinPeriods)
        if (period.command == command)
            return &period;
    return nullptr;
}

const SkinPeriod* skinPeriodOfDay(std::int32_t day) {
    for (const SkinPeriod& period : kSkinPeriods)
        if (period.day == day)
            return &period;
    return nullptr;
}

bool skinPeriodPassed(std::int32_t day, std::int64_t now, std::int64_t last) {
    if (day >= 1 && day <= 6)
        return time::daysPassed(now, last, day);
    if (day >= 7 && day <= 29)
        return time::weeksPassed(now, last, day / 7);
    // The year counts too: the same month a year later is a later month.
    if (day == kChangeSkinMonthly)
        return localMonthNumber(now) != localMonthNumber(last);
    return false;
}

bool applySchedule(Skinner& set, map::IMappedData& store, const char16_t* section) {
    std::int64_t now = time::nowSeconds();
    std::int32_t day = store.getInt32(section, kRandomSkinDayKey, kNeverChangeSkin);
    if (day < kChangeSkinEveryStart)
        return false;
    std::int32_t before = set.currentIndex();
    if (day == kChangeSkinEveryStart) {
        set.selectRandomSkin();
        recordChange(store, section, now);
        return set.currentIndex() != before;
    }
    std::int64_t last = store.getInt64(section, kRandomSkinLastChangeKey, now);
    if (last >= now) {
        recordChange(store, section, now);
        return false;
    }
    if (!skinPeriodPassed(day, now, last))
        return false;
    set.selectRandomSkin();
    recordChange(store, section, now);
    return set.currentIndex() != before;
}

const SkinPeriod* applyPeriodCommand(map::IMappedData& store, const char16_t* section,
                                     std::int32_t command) {
    const SkinPeriod* period = skinPeriodOfCommand(command);
    if (period == nullptr)
        return nullptr;
    store.setInt32(section, kRandomSkinDayKey, period->day);
    recordChange(store, section, time::nowSeconds());
    return period;
}

bool applySkinCommand(Skinner& set, map::IMappedData& store, const char16_t* section,
                      std::int32_t command) {
    std::int32_t index = command - kFirstSkinCommand;
    if (command < kFirstSkinCommand || index >= set.skinCount())
        return false;
    set.selectSkin(set.skinAt(index));
    recordChange(store, section, time::nowSeconds());
    return true;
}

} // namespace s::gui::drawer
