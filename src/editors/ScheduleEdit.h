#pragma once
// The rules of "Ora, Data e Orario Settimanale" and of its inner sheet
// "Auto": the unit's clock and operating mode, the weekly working hours, the
// ten automatic breaks of each weekday and the holiday list. The Qt pages
// show these values and hand their fields' texts back here to be checked and
// stored; nothing reaches the document before the outer sheet's OK.

#include "document/Records.h"
#include "editors/FieldCheck.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kiv {
class CQelDoc;
}

namespace kiv::editors {

inline constexpr int kWeekdays = 7;
inline constexpr int kBreaksPerDay = 10;
inline constexpr int kMaxHolidays = 50;
inline constexpr int kAutoMode = 4; // "Auto": the unit follows the tables below
inline constexpr int kMaxBreakPage = 97;
// The unit keeps the year in one byte (71-99 for 1971-1999, 0-70 for
// 2000-2070): only these years come back unchanged from a send and a read.
inline constexpr int kMinClockYear = 1971;
inline constexpr int kMaxClockYear = 2070;

// A date that exists and that the unit can hold.
bool IsUnitDate(int year, int month, int day);

// The weekday of a date as the schedule numbers it: 0 Monday ... 6 Sunday.
int WeekdayIndex(int year, int month, int day);

struct Holiday {
    std::string date; // "dd/mm"
    std::string start;
    std::string end;
    std::string text;

    bool operator==(const Holiday&) const = default;
};

// The three tables behind the automatic mode, as the inner sheet edits them.
struct ScheduleTables {
    // "Da" of weekday w in element w, "A" in element 7 + w.
    std::array<std::string, 14> workHours;
    std::array<std::array<BreakSlot, kBreaksPerDay>, kWeekdays> breaks{};
    std::vector<Holiday> holidays; // at most kMaxHolidays, in the order entered
};

// --- "Orario Settimanale" ------------------------------------------------------------------------

// What a working-hours field shows: an empty stored text is "00:00".
std::string ShownWorkTime(const std::string& stored);
// The leave check of the shown fields, weekday by weekday: a pair of which
// either text is not empty must pass the period test. The failing field is
// the weekday (0-6) whose "Da" gets the focus.
FieldCheck<int> CheckWorkHours(const std::array<std::string, 14>& shown);

// --- "Auto Pausa" --------------------------------------------------------------------------------

struct BreakRowText {
    std::string start; // "hh:mm"
    std::string end;
    std::string page; // "%02d"
};
using BreakDayText = std::array<BreakRowText, kBreaksPerDay>;

// The rows of one weekday as the page shows them.
BreakDayText ShowBreakDay(const std::array<BreakSlot, kBreaksPerDay>& day);

// A row whose start and end are both "00:00" holds no break; its page field
// is disabled. Any other row's page field is enabled.
bool IsEmptyBreakRow(const BreakRowText& row);

enum class BreakPart { Start, Page };
struct BreakField {
    int row = 0;
    BreakPart part = BreakPart::Start;
};

// Stores the shown rows of one weekday into `day`, row by row: a pair of
// times must pass the period test (failing on the row's start), the page
// must be a number 0-97 (failing on the page field). On a failure `day` is
// left as it was. An empty row's page field cannot be reached; when it holds
// no valid page the row keeps its stored page.
FieldCheck<BreakField> StoreBreakDay(const BreakDayText& rows,
                                     std::array<BreakSlot, kBreaksPerDay>& day);

// --- "Orario Festività" --------------------------------------------------------------------------

// The add dialog's check of its start and end ("Inizio" fails).
bool IsValidHolidayPeriod(const std::string& start, const std::string& end);

class CHolidayList {
  public:
    explicit CHolidayList(std::vector<Holiday> rows = {}) : rows_(std::move(rows)) {}

    // Appends a holiday whose date is a day and a month; false (and nothing
    // added) when the list is full.
    bool Add(int day, int month, const std::string& start, const std::string& end,
             const std::string& text);
    // Removes the rows at these indexes (any order; out-of-range ones are
    // ignored).
    void Remove(std::vector<int> indexes);

    const std::vector<Holiday>& Rows() const { return rows_; }
    bool IsFull() const { return rows_.size() >= static_cast<std::size_t>(kMaxHolidays); }

  private:
    std::vector<Holiday> rows_;
};

// --- "Ora e Data" --------------------------------------------------------------------------------

// The outer page's values: the clock as shown (it keeps running while the
// page is open), the date with its weekday, the operating mode and copies of
// the three tables.
class CTimeDateEdit {
  public:
    // `now` is the computer's present instant, the running clock's start.
    CTimeDateEdit(const CQelDoc& doc, int64_t now);

    // "&Orari" is enabled only for "Auto".
    bool SchedulesEnabled() const { return mode == kAutoMode; }

    // A new date picked: the weekday follows it.
    void SetDate(int newYear, int newMonth, int newDay);
    // The date held is one the unit can take (IsUnitDate).
    bool DateValid() const { return IsUnitDate(year, month, day); }

    // One step of the running clock: when the computer's clock shows a new
    // second since the last step, the shown time advances by one second
    // (59 seconds carry into the minutes, 59 minutes into the hours, hour 24
    // is 0; the date stays). True when the time moved.
    bool Tick(int64_t now);

    // The outer OK: the clock (with its weekday stored 1 Monday ... 7
    // Sunday), the mode and the tables; `now` becomes the clock's reference.
    // Both working-hours tables take the edited values.
    void ApplyTo(CQelDoc& doc, int64_t now) const;

    int hour = 0;
    int minute = 0;
    int second = 0;
    int day = 1;
    int month = 1;
    int year = 1970;
    int weekday = 0; // 0 Monday ... 6 Sunday
    int mode = 0;
    ScheduleTables tables;

  private:
    int64_t lastTick_;
};

} // namespace kiv::editors
