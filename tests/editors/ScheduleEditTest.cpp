// The clock, weekly schedule, break and holiday rules of "Ora, Data e Orario Settimanale".
#include "editors/ScheduleEdit.h"
#include "document/QelDoc.h"

#include <gtest/gtest.h>

namespace kiv::editors {
namespace {

std::array<std::string, 14> AllEmptyWeek() {
    std::array<std::string, 14> week;
    week.fill("00:00");
    return week;
}

TEST(ScheduleEdit, WorkingPeriodsMustNotEndBeforeTheyStart) {
    auto week = AllEmptyWeek();
    EXPECT_FALSE(CheckWorkHours(week)) << "00:00 to 00:00 is the empty period";
    week[0] = "18:00";
    week[7] = "08:00";
    auto failed = CheckWorkHours(week);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->field, 0) << "Monday's Da";
    EXPECT_EQ(failed->message, "Errore inserimento");

    week[7] = "18:00";
    EXPECT_FALSE(CheckWorkHours(week)) << "equal start and end pass";
    week[3] = "08:30";
    week[10] = "24:00";
    failed = CheckWorkHours(week);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->field, 3) << "Thursday";
    week[10] = "17:60";
    EXPECT_EQ(CheckWorkHours(week)->field, 3);
    week[10] = "17:30";
    week[6] = "__:__";
    EXPECT_EQ(CheckWorkHours(week)->field, 6) << "an unfilled field is no time";
    week[6] = "";
    week[13] = "";
    EXPECT_FALSE(CheckWorkHours(week)) << "a weekday with both fields empty is not checked";
    EXPECT_EQ(ShownWorkTime(""), "00:00");
    EXPECT_EQ(ShownWorkTime("07:15"), "07:15");
}

TEST(ScheduleEdit, WeekdayOfADateCountsFromMonday) {
    EXPECT_EQ(WeekdayIndex(2026, 12, 7), 0);  // a Monday
    EXPECT_EQ(WeekdayIndex(2026, 12, 12), 5); // Saturday
    EXPECT_EQ(WeekdayIndex(2026, 12, 13), 6); // Sunday
    EXPECT_EQ(WeekdayIndex(2024, 2, 29), 3);  // Thursday
    EXPECT_EQ(WeekdayIndex(2000, 1, 1), 5);   // Saturday
}

TEST(ScheduleEdit, BreakRowsShowAndStoreMinutesAndPages) {
    std::array<BreakSlot, kBreaksPerDay> day{};
    day[3] = BreakSlot{12 * 60, 12 * 60 + 30, 5};
    day[9] = BreakSlot{0, 75, 0};
    BreakDayText rows = ShowBreakDay(day);
    EXPECT_EQ(rows[0].start, "00:00");
    EXPECT_EQ(rows[0].end, "00:00");
    EXPECT_EQ(rows[0].page, "15");
    EXPECT_EQ(rows[3].start, "12:00");
    EXPECT_EQ(rows[3].end, "12:30");
    EXPECT_EQ(rows[3].page, "05");
    EXPECT_EQ(rows[9].end, "01:15");
    EXPECT_TRUE(IsEmptyBreakRow(rows[0]));
    EXPECT_FALSE(IsEmptyBreakRow(rows[3]));
    EXPECT_FALSE(IsEmptyBreakRow(rows[9])) << "a break from midnight has a page to choose";

    // Page 98 fails on the page field and leaves the weekday as it was.
    rows[3].page = "98";
    rows[1] = {"23:00", "23:59", "97"};
    auto failed = StoreBreakDay(rows, day);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->field.row, 3);
    EXPECT_EQ(failed->field.part, BreakPart::Page);
    EXPECT_EQ(day[1].start, 0) << "nothing stored, not even the rows before";
    rows[3].page = "";
    EXPECT_EQ(StoreBreakDay(rows, day)->field.part, BreakPart::Page);
    rows[3].page = "5x";
    EXPECT_EQ(StoreBreakDay(rows, day)->field.part, BreakPart::Page);

    rows[3].page = "07";
    rows[4] = {"10:00", "09:59", "01"};
    failed = StoreBreakDay(rows, day);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->field.row, 4);
    EXPECT_EQ(failed->field.part, BreakPart::Start);

    rows[4] = {"10:00", "10:00", "1"};
    EXPECT_FALSE(StoreBreakDay(rows, day));
    EXPECT_EQ(day[3], (BreakSlot{720, 750, 7}));
    EXPECT_EQ(day[4], (BreakSlot{600, 600, 1}));
    EXPECT_EQ(day[1], (BreakSlot{1380, 1439, 97}));
    EXPECT_EQ(day[0], (BreakSlot{0, 0, 15}));
}

TEST(ScheduleEdit, AnEmptyBreakRowWithAnUnreachablePageKeepsItsStoredPage) {
    // A unit may hold any byte as a break's page; the field of an empty row
    // is disabled, so the row may not hold the weekday back.
    std::array<BreakSlot, kBreaksPerDay> day{};
    day[2].page = 200;
    BreakDayText rows = ShowBreakDay(day);
    EXPECT_EQ(rows[2].page, "200");
    EXPECT_FALSE(StoreBreakDay(rows, day));
    EXPECT_EQ(day[2].page, 200);
    rows[2].end = "00:10";
    EXPECT_EQ(StoreBreakDay(rows, day)->field.row, 2);
}

TEST(ScheduleEdit, HolidayListHoldsFiftyInTheOrderEntered) {
    CHolidayList list;
    EXPECT_TRUE(list.Add(5, 3, "00:00", "23:59", "Festa"));
    EXPECT_EQ(list.Rows().front(), (Holiday{"05/03", "00:00", "23:59", "Festa"}));
    for (int i = 1; i < kMaxHolidays; ++i)
        ASSERT_TRUE(list.Add(1 + i % 28, 1 + i % 12, "08:00", "12:00", std::to_string(i)));
    EXPECT_TRUE(list.IsFull());
    EXPECT_FALSE(list.Add(25, 12, "00:00", "23:59", "Natale")) << "the 51st";
    EXPECT_EQ(list.Rows().size(), 50u);

    list.Remove({7, 2, 7, 99, -1});
    ASSERT_EQ(list.Rows().size(), 48u);
    EXPECT_EQ(list.Rows()[1].text, "1");
    EXPECT_EQ(list.Rows()[2].text, "3");
    EXPECT_EQ(list.Rows()[6].text, "8");
    EXPECT_TRUE(list.Add(25, 12, "00:00", "23:59", "Natale"));
    EXPECT_EQ(list.Rows().back().date, "25/12");

    EXPECT_TRUE(IsValidHolidayPeriod("00:00", "23:59"));
    EXPECT_TRUE(IsValidHolidayPeriod("", ""));
    EXPECT_FALSE(IsValidHolidayPeriod("12:00", "11:00"));
    EXPECT_FALSE(IsValidHolidayPeriod("", "11:00"));
}

class TimeDateEditTest : public ::testing::Test {
  protected:
    TimeDateEditTest() {
        doc.clockHour = 23;
        doc.clockMinute = 59;
        doc.clockSecond = 58;
        doc.clockDay = 31;
        doc.clockMonth = 12;
        doc.clockYear = 2026;
        doc.clockWeekday = 4; // Thursday
        doc.operatingMode = 1;
        doc.workHours[0] = "08:00";
        doc.workHoursCopy[0] = "09:00";
        doc.breaks[2][3] = BreakSlot{60, 90, 12};
        doc.holidayCount = 2;
        doc.holidayDate = {"01/01", "06/01", "15/08"};
        doc.holidayStart = {"00:00", "00:00", "00:00"};
        doc.holidayEnd = {"23:59", "12:00", "23:59"};
        doc.holidayText = {"Capodanno", "Epifania", "Ferragosto"};
    }
    FixedClock clock{1000};
    CQelDoc doc{clock};
};

TEST_F(TimeDateEditTest, TheClockAdvancesOneSecondForEachNewSecondAndRollsOverAtMidnight) {
    CTimeDateEdit edit(doc, 500);
    EXPECT_FALSE(edit.Tick(500)) << "the same second";
    EXPECT_TRUE(edit.Tick(501));
    EXPECT_EQ(edit.second, 59);
    EXPECT_FALSE(edit.Tick(501));
    EXPECT_TRUE(edit.Tick(505)) << "one second per new second seen, however far it moved";
    EXPECT_EQ(edit.hour, 0);
    EXPECT_EQ(edit.minute, 0);
    EXPECT_EQ(edit.second, 0);
    EXPECT_EQ(edit.day, 31) << "the date stays";
    EXPECT_TRUE(edit.Tick(509));
    EXPECT_EQ(edit.second, 1);
    edit.minute = 58;
    edit.second = 59;
    edit.Tick(510);
    EXPECT_EQ(edit.minute, 59);
    EXPECT_EQ(edit.second, 0);
    EXPECT_EQ(edit.hour, 0);
}

TEST_F(TimeDateEditTest, APickedDateSetsTheWeekdayAndOkStoresEverything) {
    CTimeDateEdit edit(doc, 0);
    EXPECT_EQ(edit.weekday, 3);
    EXPECT_FALSE(edit.SchedulesEnabled());
    edit.mode = kAutoMode;
    EXPECT_TRUE(edit.SchedulesEnabled());
    edit.SetDate(2026, 12, 13);
    EXPECT_EQ(edit.weekday, 6) << "a Sunday";
    ASSERT_EQ(edit.tables.holidays.size(), 2u) << "only the holidays in use";
    edit.tables.holidays.erase(edit.tables.holidays.begin());
    edit.tables.workHours[7] = "17:00";
    edit.hour = 10;

    edit.ApplyTo(doc, 4242);
    EXPECT_EQ(doc.clockHour, 10);
    EXPECT_EQ(doc.clockMinute, 59);
    EXPECT_EQ(doc.clockDay, 13);
    EXPECT_EQ(doc.clockYear, 2026);
    EXPECT_EQ(doc.clockWeekday, 7) << "stored 1 Monday ... 7 Sunday";
    EXPECT_EQ(doc.clockReference, 4242);
    EXPECT_EQ(doc.operatingMode, 4);
    EXPECT_EQ(doc.workHours[0], "08:00");
    EXPECT_EQ(doc.workHours[7], "17:00");
    EXPECT_EQ(doc.workHoursCopy, doc.workHours) << "both tables take the edited values";
    EXPECT_EQ(doc.breaks[2][3], (BreakSlot{60, 90, 12}));
    EXPECT_EQ(doc.holidayCount, 1);
    EXPECT_EQ(doc.holidayDate[0], "06/01");
    EXPECT_EQ(doc.holidayEnd[0], "12:00");
    EXPECT_EQ(doc.holidayText[0], "Epifania");
    EXPECT_EQ(doc.holidayDate[1], "") << "the table is rebuilt from the list";
    EXPECT_EQ(doc.holidayText[2], "");
}

} // namespace
} // namespace kiv::editors
