#include "document/TimeText.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

TEST(TimeText, Formats) {
    EXPECT_EQ(TimeText(510), "08:30");
    EXPECT_EQ(TimeText(1025), "17:05");
    EXPECT_EQ(TimeText(0), "00:00");
    EXPECT_EQ(TimeText(1439), "23:59");
    EXPECT_EQ(TimeText(6000), "100:00") << "a stored value past midnight is shown, not wrapped";
    EXPECT_EQ(HourMinuteText(7, 5), "07:05");
    EXPECT_EQ(DayMonthText(5, 3), "05/03");
}

TEST(TimeText, StrictClockTimesAndPeriods) {
    EXPECT_EQ(ClockTimeMinutes("08:30"), 510);
    EXPECT_EQ(ClockTimeMinutes("23:59"), 1439);
    EXPECT_EQ(ClockTimeMinutes("24:00"), std::nullopt);
    EXPECT_EQ(ClockTimeMinutes("12:60"), std::nullopt);
    EXPECT_EQ(ClockTimeMinutes("12.30"), std::nullopt);
    EXPECT_EQ(ClockTimeMinutes(":30"), std::nullopt);
    EXPECT_EQ(ClockTimeMinutes("12:"), std::nullopt);
    EXPECT_EQ(ClockTimeMinutes("1a:30"), std::nullopt);
    EXPECT_EQ(ClockTimeMinutes("12:3 "), std::nullopt);
    EXPECT_EQ(ClockTimeMinutes(""), std::nullopt);

    EXPECT_FALSE(IsValidPeriod("18:00", "08:00"));
    EXPECT_TRUE(IsValidPeriod("00:00", "00:00")) << "the empty period";
    EXPECT_TRUE(IsValidPeriod("12:00", "12:30"));
    EXPECT_FALSE(IsValidPeriod("12:00", ""));
    EXPECT_FALSE(IsValidPeriod("12:00", "24:00"));
}

TEST(TimeText, StoredTimesAndDates) {
    // What a configuration may hold: empty is midnight; hours up to 99.
    EXPECT_EQ(StoredTimeMinutes(""), 0);
    EXPECT_EQ(StoredTimeMinutes("08:30"), 510);
    EXPECT_EQ(StoredTimeMinutes("99:59"), 5999);
    EXPECT_EQ(StoredTimeMinutes("100:00"), std::nullopt);
    EXPECT_EQ(StoredTimeMinutes("8"), std::nullopt);
    EXPECT_EQ(StoredTimeMinutes("-1:00"), std::nullopt);

    const auto date = StoredDayMonth("05/03");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->day, 5);
    EXPECT_EQ(date->month, 3);
    EXPECT_FALSE(StoredDayMonth("5-3"));
    EXPECT_FALSE(StoredDayMonth("256/1")) << "a day must fit its byte";
    EXPECT_FALSE(StoredDayMonth("/1"));
    EXPECT_FALSE(StoredDayMonth(""));

    EXPECT_EQ(StoredNumber("123456789"), 123456789);
    EXPECT_EQ(StoredNumber("1234567890"), std::nullopt);
    EXPECT_EQ(StoredNumber("+1"), std::nullopt);
}

TEST(TimeText, LenientNotificationTimes) {
    EXPECT_EQ(LenientTimeMinutes("8:30"), 510);
    EXPECT_EQ(LenientTimeMinutes("17:05"), 1025);
    EXPECT_EQ(LenientTimeMinutes(""), 0);
    // Each side is read as far as it has digits; no digits read as 0.
    EXPECT_EQ(LenientTimeMinutes("9h:15m"), 555);
    EXPECT_EQ(LenientTimeMinutes(":45"), 45);
    EXPECT_EQ(LenientTimeMinutes("10:"), 600);

    EXPECT_FALSE(LenientTime("12.30")) << "no colon";
    const auto late = LenientTime("24:00");
    ASSERT_TRUE(late);
    EXPECT_FALSE(late->IsTimeOfDay());
    const auto minutes = LenientTime("12:60");
    ASSERT_TRUE(minutes);
    EXPECT_FALSE(minutes->IsTimeOfDay());
    EXPECT_TRUE(LenientTime("23:59")->IsTimeOfDay());
    // Far too many digits saturate instead of overflowing, and store nothing.
    EXPECT_EQ(LenientTimeMinutes("99999999999999:00"), 0);
}

} // namespace
} // namespace kiv
