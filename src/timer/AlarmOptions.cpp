#include "timer/AlarmOptions.h"

#include "storage/IMappedData.h"

namespace s::sound::gui::dialogs::plinkett {

namespace {

constexpr char16_t kSnoozeKey[] = u"SnoozeSeconds";
constexpr char16_t kWarnKey[] = u"WarnBeforeEndSeconds";

const char16_t* orEmpty(const char16_t* text) {
    return text != nullptr ? text : u"";
}

} // namespace

const AlarmSpanChoice* choiceOfSpan(const std::array<AlarmSpanChoice, 4>& choices,
                                    std::int32_t seconds) {
    for (const AlarmSpanChoice& choice : choices) {
        if (choice.seconds == seconds)
            return &choice;
    }
    return nullptr;
}

const AlarmSpanChoice* choiceOfCommand(const std::array<AlarmSpanChoice, 4>& choices,
                                       std::int32_t command) {
    for (const AlarmSpanChoice& choice : choices) {
        if (choice.command == command)
            return &choice;
    }
    return nullptr;
}

void loadAlarmOptions(map::IMappedData& store, const char16_t* viewSection, AlarmOptions& out) {
    const char16_t* section = orEmpty(viewSection);
    std::int32_t snooze = store.getInt32(section, kSnoozeKey, kDefaultSnoozeSeconds);
    out.snoozeSeconds =
        snooze > 0 && snooze <= kLongestAlarmSpanSeconds ? snooze : kDefaultSnoozeSeconds;
    std::int32_t warn = store.getInt32(section, kWarnKey, kDefaultWarnSeconds);
    out.warnSeconds = warn >= 0 && warn <= kLongestAlarmSpanSeconds ? warn : kDefaultWarnSeconds;
}

void storeSnoozeSeconds(map::IMappedData& store, const char16_t* viewSection,
                        std::int32_t seconds) {
    store.setInt32(orEmpty(viewSection), kSnoozeKey, seconds);
}

void storeWarnSeconds(map::IMappedData& store, const char16_t* viewSection, std::int32_t seconds) {
    store.setInt32(orEmpty(viewSection), kWarnKey, seconds);
}

bool warningDue(std::int64_t previousMs, std::int64_t remainingMs, std::int64_t startGapMs,
                std::int32_t warnSeconds) {
    if (warnSeconds <= 0)
        return false;
    std::int64_t warnMs = std::int64_t{warnSeconds} * 1000;
    return startGapMs > warnMs && previousMs > warnMs && remainingMs <= warnMs && remainingMs >= 0;
}

} // namespace s::sound::gui::dialogs::plinkett
