#pragma once
// Times of day and holiday dates as the configuration holds them in texts
// ("hh:mm", "dd/mm") and as the unit, the editors and the report need them:
// minutes after midnight, or the day and month.
//
// Three readings of a time text, for three kinds of caller:
//   StoredTimeMinutes  what a stored text means (the parameter image): empty is
//                      0, "h:m" with digits only on both sides, hours below 100
//   ClockTimeMinutes   the schedule editors' strict test: hours 0-23, minutes
//                      0-59, digits only on both sides of the ":"
//   LenientTime        the notification window's reading: the digits each side
//                      of the first ":" begins with, none reading as 0

#include <optional>
#include <string>
#include <string_view>

namespace kiv {

inline constexpr int kMinutesPerDay = 24 * 60;

// The value of a stored number text: 1 to 9 decimal digits and nothing else
// (the parts of times and dates, the extension ranges).
std::optional<int> StoredNumber(std::string_view text);

// "%02d:%02d" of minutes / 60 and minutes mod 60.
std::string TimeText(int minutes);
// "%02d:%02d" of an hour and a minute.
std::string HourMinuteText(int hour, int minute);

std::optional<int> StoredTimeMinutes(std::string_view text);
std::optional<int> ClockTimeMinutes(std::string_view text);

// The period test of the schedule, the breaks and the holidays: both texts
// strict times and the start not later than the end (equal passes).
bool IsValidPeriod(std::string_view start, std::string_view end);

struct HourMinute {
    int hour = 0;
    int minute = 0;
    int Minutes() const { return hour * 60 + minute; }
    bool IsTimeOfDay() const { return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59; }
};

// None when the text has no ":".
std::optional<HourMinute> LenientTime(std::string_view text);
// The minutes a notification time field stores: hours x 60 + minutes of the
// lenient reading; an empty field, one without ":" or one that is no time of
// day (which the page's check refuses before storing) gives 0.
int LenientTimeMinutes(std::string_view text);

struct DayMonth {
    int day = 0;
    int month = 0;
};

// A holiday date: "%02d/%02d" of the day and the month.
std::string DayMonthText(int day, int month);
// "d/m" with digits only on both sides, each at most 255 (one byte in the
// unit); none for anything else.
std::optional<DayMonth> StoredDayMonth(std::string_view text);

} // namespace kiv
