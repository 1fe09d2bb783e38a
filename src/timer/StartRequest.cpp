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

bool parseAfter(const char16_t* value, StartRequest& request) {
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
