#include "editors/ScheduleEdit.h"

#include "document/Clock.h"
#include "document/QelDoc.h"
#include "document/TimeText.h"
#include "editors/Texts.h"

#include <algorithm>
#include <cstdio>

namespace kiv::editors {

int WeekdayIndex(int year, int month, int day) {
    // LocalTime numbers the days 1 Monday ... 7 Sunday.
    return CivilFromSeconds(DaysFromCivil(year, month, day) * 86400).weekday - 1;
}

std::string ShownWorkTime(const std::string& stored) {
    return stored.empty() ? std::string("00:00") : stored;
}

FieldCheck<int> CheckWorkHours(const std::array<std::string, 14>& shown) {
    for (int w = 0; w < kWeekdays; ++w) {
        const std::string& from = shown[static_cast<std::size_t>(w)];
        const std::string& to = shown[static_cast<std::size_t>(w + kWeekdays)];
        if ((!from.empty() || !to.empty()) && !IsValidPeriod(from, to))
            return FieldError<int>{w, texts::kInputError};
    }
    return std::nullopt;
}

BreakDayText ShowBreakDay(const std::array<BreakSlot, kBreaksPerDay>& day) {
    BreakDayText rows;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        rows[r].start = TimeText(day[r].start);
        rows[r].end = TimeText(day[r].end);
        char page[16];
        std::snprintf(page, sizeof page, "%02d", day[r].page);
        rows[r].page = page;
    }
    return rows;
}

bool IsEmptyBreakRow(const BreakRowText& row) {
    return row.start == "00:00" && row.end == "00:00";
}

FieldCheck<BreakField> StoreBreakDay(const BreakDayText& rows,
                                     std::array<BreakSlot, kBreaksPerDay>& day) {
    std::array<BreakSlot, kBreaksPerDay> stored = day;
    for (int r = 0; r < kBreaksPerDay; ++r) {
        const BreakRowText& row = rows[static_cast<std::size_t>(r)];
        BreakSlot& slot = stored[static_cast<std::size_t>(r)];
        if (row.start.empty() && row.end.empty()) continue;
        if (!IsValidPeriod(row.start, row.end))
            return FieldError<BreakField>{{r, BreakPart::Start}, texts::kInputError};
        const bool pageValid = IsNumberIn(row.page, 0, kMaxBreakPage);
        // The page field of an empty row is disabled: the user could not
        // correct it, so it cannot hold the weekday back.
        if (!pageValid && !IsEmptyBreakRow(row))
            return FieldError<BreakField>{{r, BreakPart::Page}, texts::kInputError};
        slot.start = *ClockTimeMinutes(row.start);
        slot.end = *ClockTimeMinutes(row.end);
        if (pageValid) slot.page = *FieldNumber(row.page);
    }
    day = stored;
    return std::nullopt;
}

bool IsValidHolidayPeriod(const std::string& start, const std::string& end) {
    return (start.empty() && end.empty()) || IsValidPeriod(start, end);
}

bool CHolidayList::Add(int day, int month, const std::string& start, const std::string& end,
                       const std::string& text) {
    if (IsFull()) return false;
    rows_.push_back(Holiday{DayMonthText(day, month), start, end, text});
    return true;
}

void CHolidayList::Remove(std::vector<int> indexes) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    // From the last, so that the indexes still to go stay where they were.
    for (auto it = indexes.rbegin(); it != indexes.rend(); ++it)
        if (*it >= 0 && static_cast<std::size_t>(*it) < rows_.size())
            rows_.erase(rows_.begin() + *it);
}

CTimeDateEdit::CTimeDateEdit(const CQelDoc& doc, int64_t now)
    : hour(doc.clockHour), minute(doc.clockMinute), second(doc.clockSecond), day(doc.clockDay),
      month(doc.clockMonth), year(doc.clockYear), weekday(doc.clockWeekday - 1),
      mode(doc.operatingMode), lastTick_(now) {
    tables.workHours = doc.workHours;
    tables.breaks = doc.breaks;
    const std::size_t count = std::min<std::size_t>(doc.holidayCount, kMaxHolidays);
    for (std::size_t i = 0; i < count; ++i)
        tables.holidays.push_back(Holiday{doc.holidayDate[i], doc.holidayStart[i],
                                          doc.holidayEnd[i], doc.holidayText[i]});
}

bool IsUnitDate(int year, int month, int day) {
    if (year < kMinClockYear || year > kMaxClockYear || month < 1 || month > 12 || day < 1 ||
        day > 31)
        return false;
    const LocalTime t = CivilFromSeconds(DaysFromCivil(year, month, day) * 86400);
    return t.day == day && t.month == month;
}

void CTimeDateEdit::SetDate(int newYear, int newMonth, int newDay) {
    year = newYear;
    month = newMonth;
    day = newDay;
    weekday = WeekdayIndex(year, month, day);
}

bool CTimeDateEdit::Tick(int64_t now) {
    if (now == lastTick_) return false;
    lastTick_ = now;
    if (++second < 60) return true;
    second = 0;
    if (++minute < 60) return true;
    minute = 0;
    if (++hour >= 24) hour = 0;
    return true;
}

void CTimeDateEdit::ApplyTo(CQelDoc& doc, int64_t now) const {
    // The page numbers weekdays 0 Monday ... 6 Sunday, the document 1 ... 7.
    doc.SetClockTime(LocalTime{year, month, day, hour, minute, second, weekday + 1}, now);
    doc.operatingMode = mode;
    doc.workHours = tables.workHours;
    doc.workHoursCopy = tables.workHours;
    doc.breaks = tables.breaks;
    // The holiday table is rebuilt from the list: its rows in order, the rest
    // empty.
    const std::size_t count = std::min<std::size_t>(tables.holidays.size(), kMaxHolidays);
    for (std::size_t i = 0; i < doc.holidayDate.size(); ++i) {
        const Holiday h = i < count ? tables.holidays[i] : Holiday{};
        doc.holidayDate[i] = h.date;
        doc.holidayStart[i] = h.start;
        doc.holidayEnd[i] = h.end;
        doc.holidayText[i] = h.text;
    }
    doc.holidayCount = static_cast<std::uint8_t>(count);
}

} // namespace kiv::editors
