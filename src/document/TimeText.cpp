#include "document/TimeText.h"

#include <climits>
#include <cstdio>

namespace kiv {

namespace {

// The value of the digits a text begins with; 0 when it begins with none.
// Saturates instead of overflowing.
int LeadingDigits(std::string_view text) {
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

struct Split {
    std::optional<int> hour;
    std::optional<int> minute;
};

// None when there is no ":"; otherwise each side read as digits only.
std::optional<Split> SplitTime(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    return Split{StoredNumber(text.substr(0, colon)), StoredNumber(text.substr(colon + 1))};
}

std::optional<int> TimeMinutes(std::string_view text, int maxHour) {
    const auto split = SplitTime(text);
    if (!split || !split->hour || !split->minute || *split->hour > maxHour || *split->minute > 59)
        return std::nullopt;
    return *split->hour * 60 + *split->minute;
}

} // namespace

std::optional<int> StoredNumber(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string TimeText(int minutes) {
    return HourMinuteText(minutes / 60, minutes % 60);
}

std::string HourMinuteText(int hour, int minute) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d", hour, minute);
    return buf;
}

std::optional<int> StoredTimeMinutes(std::string_view text) {
    if (text.empty()) return 0;
    return TimeMinutes(text, 99);
}

std::optional<int> ClockTimeMinutes(std::string_view text) {
    return TimeMinutes(text, 23);
}

bool IsValidPeriod(std::string_view start, std::string_view end) {
    const auto from = ClockTimeMinutes(start);
    const auto to = ClockTimeMinutes(end);
    return from && to && *from <= *to;
}

std::optional<HourMinute> LenientTime(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    return HourMinute{LeadingDigits(text.substr(0, colon)), LeadingDigits(text.substr(colon + 1))};
}

int LenientTimeMinutes(std::string_view text) {
    const auto time = LenientTime(text);
    if (!time || !time->IsTimeOfDay()) return 0;
    return time->Minutes();
}

std::string DayMonthText(int day, int month) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d", day, month);
    return buf;
}

std::optional<DayMonth> StoredDayMonth(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const auto day = StoredNumber(text.substr(0, slash));
    const auto month = StoredNumber(text.substr(slash + 1));
    if (!day || !month || *day > 255 || *month > 255) return std::nullopt;
    return DayMonth{*day, *month};
}

} // namespace kiv
