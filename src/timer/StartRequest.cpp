#include "timer/StartRequest.h"

namespace s::sound::gui::dialogs::plinkett {

namespace {

char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool sameWord(const char16_t* a, const char16_t* b) {
    for (; *a != 0 && *b != 0; ++a, ++b) {
        if (lower(*a) != lower(*b))
            return false;
    }
    return *a == *b;
}

// "am" or "pm" in any case: the clock system, or false.
bool readMeridiem(const char16_t* text, ClockSystem& clock) {
    if (sameWord(text, u"am")) {
        clock = ClockSystem::Am;
        return true;
    }
    if (sameWord(text, u"pm")) {
        clock = ClockSystem::Pm;
        return true;
    }
    return false;
}

// Up to three numbers of one to four digits separated by ":". Stops at the
// first character that is neither; *end points there.
int readNumbers(const char16_t* text, std::int32_t (&numbers)[3], const char16_t** end) {
    int n = 0;
    const char16_t* p = text;
    while (n < 3) {
        int digits = 0;
        std::int32_t value = 0;
        for (; *p >= u'0' && *p <= u'9' && digits < 5; ++p, ++digits)
            value = value * 10 + (*p - u'0');
        if (digits == 0 || digits > 4)
            return -1;
        numbers[n++] = value;
        if (*p != u':')
            break;
        ++p;
    }
    *end = p;
    return n;
}

// The longest span an After entry holds: 9999:59:59.
constexpr std::int64_t kLongestSpanSeconds = 9999 * 3600 + 59 * 60 + 59;

bool hasLetter(const char16_t* text) {
    for (; *text != 0; ++text) {
        char16_t c = lower(*text);
        if (c >= u'a' && c <= u'z')
            return true;
    }
    return false;
}

// A span as people write it: whole numbers each followed by its unit, h, m
// or s in that order, each at most once, spaces allowed between ("1h30m",
// "90s", "2h 15m"). A part may exceed its unit's range; the whole is
// normalised, up to the longest span.
bool readSpan(const char16_t* p, std::int64_t& seconds) {
    static constexpr struct {
        char16_t unit;
        std::int64_t scale;
    } kUnits[] = {{u'h', 3600}, {u'm', 60}, {u's', 1}};
    int nextUnit = 0;
    seconds = 0;
    for (;;) {
        while (*p == u' ')
            ++p;
        if (*p == 0)
            return nextUnit > 0;
        int digits = 0;
        std::int64_t value = 0;
        for (; *p >= u'0' && *p <= u'9'; ++p) {
            if (++digits > 8)
                return false;
            value = value * 10 + (*p - u'0');
        }
        while (*p == u' ')
            ++p;
        int unit = nextUnit;
        while (unit < 3 && kUnits[unit].unit != lower(*p))
            ++unit;
        if (digits == 0 || unit == 3)
            return false;
        seconds += value * kUnits[unit].scale;
        if (seconds > kLongestSpanSeconds)
            return false;
        nextUnit = unit + 1;
        ++p;
    }
}

bool parseAfter(const char16_t* value, StartRequest& request) {
    if (hasLetter(value)) {
        std::int64_t seconds = 0;
        if (!readSpan(value, seconds))
            return false;
        request.mode = EntryMode::After;
        request.hour = static_cast<std::int32_t>(seconds / 3600);
        request.minute = static_cast<std::int32_t>(seconds / 60 % 60);
        request.second = static_cast<std::int32_t>(seconds % 60);
        return true;
    }
    std::int32_t numbers[3] = {};
    const char16_t* end = nullptr;
    int n = readNumbers(value, numbers, &end);
    if (n <= 0 || *end != 0)
        return false;
    // Counted from the right: seconds, minutes, hours; one number is minutes.
    std::int32_t h = 0, m = 0, s = 0;
    if (n == 1) {
        m = numbers[0];
        if (m > 59) {
            h = m / 60;
            m %= 60;
        }
    } else if (n == 2) {
        m = numbers[0];
        s = numbers[1];
        if (m > 59 || s > 59)
            return false;
    } else {
        h = numbers[0];
        m = numbers[1];
        s = numbers[2];
        if (m > 59 || s > 59)
            return false;
    }
    if (h > 9999)
        return false;
    request.mode = EntryMode::After;
    request.hour = h;
    request.minute = m;
    request.second = s;
    return true;
}

bool parseAt(const char16_t* value, const char16_t* next, StartRequest& request, bool& usedNext) {
    std::int32_t numbers[3] = {};
    const char16_t* end = nullptr;
    int n = readNumbers(value, numbers, &end);
    if (n < 2)
        return false;
    ClockSystem clock = ClockSystem::TwentyFour;
    usedNext = false;
    if (*end != 0) {
        if (*end == u' ')
            ++end;
        if (!readMeridiem(end, clock))
            return false;
    } else if (next != nullptr && readMeridiem(next, clock)) {
        usedNext = true;
    }
    std::int32_t h = numbers[0], m = numbers[1], s = n == 3 ? numbers[2] : 0;
    if (m > 59 || s > 59)
        return false;
    if (clock == ClockSystem::TwentyFour ? h > 23 : h < 1 || h > 12)
        return false;
    request.mode = EntryMode::At;
    request.clockSystem = clock;
    request.hour = h;
    request.minute = m;
    request.second = s;
    return true;
}

} // namespace

StartRequest findStartRequest(const char16_t* const* arguments, std::int32_t count) {
    StartRequest request;
    for (std::int32_t i = 0; i < count; ++i) {
        bool after = sameWord(arguments[i], u"-after");
        if (!after && !sameWord(arguments[i], u"-at"))
            continue;
        const char16_t* value = i + 1 < count ? arguments[i + 1] : nullptr;
        const char16_t* next = i + 2 < count ? arguments[i + 2] : nullptr;
        bool usedNext = false;
        bool ok = value != nullptr &&
                  (after ? parseAfter(value, request) : parseAt(value, next, request, usedNext));
        request.kind = ok ? StartRequest::kStart : StartRequest::kMalformed;
        return request;
    }
    return request;
}

void applyStartRequest(const StartRequest& request, TimeEntry& entry) {
    if (request.kind != StartRequest::kStart)
        return;
    entry.mode = request.mode;
    str::StrBuffer* fields[3] = {&entry.afterHour, &entry.afterMin, &entry.afterSec};
    if (request.mode == EntryMode::At) {
        entry.clockSystem = request.clockSystem;
        fields[0] = &entry.atHour;
        fields[1] = &entry.atMin;
        fields[2] = &entry.atSec;
    }
    const std::int32_t values[3] = {request.hour, request.minute, request.second};
    for (int i = 0; i < 3; ++i) {
        fields[i]->clear();
        fields[i]->append(values[i]);
    }
}

} // namespace s::sound::gui::dialogs::plinkett
