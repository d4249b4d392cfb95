#pragma once
// CWeekPicture: the week as the unit's time modes see it, taken from a
// configuration for the schedule drawing and its text listing. For Monday to
// Sunday the working period and the breaks in use; the operating mode; each
// line's opening page per time mode; the holidays; and the marks raised on
// what looks wrong in the stored tables (WeekMarks.h).
//
// Nothing is repaired or guessed: times are read as the schedule editors read
// them (hours 0-23, minutes 0-59, digits only), a text that does not read so
// is kept as stored and reported, a period whose end precedes its start stays
// so. Where the picture has to assume how the unit combines the tables (what a
// break does to the opening page, that holidays prevail ...) the legend says
// so in words.
//
// Texts are code page 1252, as in the document.

#include <array>
#include <string>
#include <vector>

namespace kiv {
class CQelDoc;
}

namespace kiv::schedule {

inline constexpr int kWeekdays = 7;
inline constexpr int kBreakRows = 10;
inline constexpr int kTimeModes = 4; // day, night, break, holiday
inline constexpr int kAutoMode = 4;

struct WorkPeriod {
    enum State {
        None,       // both texts empty, or start equal to end: no working hours
        Open,       // from < to
        Reversed,   // both times read, the end before the start
        Unreadable, // a text that is no time of day, or only one of the two empty
    } state = None;
    int from = 0; // minutes after midnight; Open and Reversed
    int to = 0;
    std::string fromText; // as stored
    std::string toText;
};

// A break in use: any row that is not 00:00 to 00:00.
struct BreakBlock {
    int row = 0;  // 0-9
    int from = 0; // minutes after midnight, as stored
    int to = 0;
    int page = 0;            // the page number as stored (0-97)
    int pageIndex = -1;      // -1 when no page has that number
    bool programmed = false; // the page holds at least one operation
    std::string description; // the page's description; empty for no page

    bool Reversed() const { return to < from; }
};

struct DaySchedule {
    WorkPeriod work;
    std::vector<BreakBlock> breaks; // in row order
};

// The page a line opens on in one time mode ("Pagina Inziale").
struct OpeningCell {
    int line = 0; // 0-3
    int mode = 0; // 0 day, 1 night, 2 break, 3 holiday
    int page = 0; // as stored; an opening page is one of the ordinary pages 00-20
    bool exists = false;
    bool programmed = false;
    std::string description;
};

struct HolidayRow {
    std::string date; // as stored; "00/00" when empty, as the editor shows it
    std::string start;
    std::string end;
    std::string text;
    bool dateValid = false;   // a day 1-31 and a month 1-12
    bool periodValid = false; // the editor's period test, or both times empty
};

enum class MarkKind {
    WorkUnreadable,
    WorkReversed,
    BreakReversed,
    BreaksOverlap,
    BreakOutsideWork,
    BreakPageNotProgrammed, // also a page number that is no page
    HolidayInvalid,
};

struct Mark {
    MarkKind kind = MarkKind::WorkUnreadable;
    int weekday = -1;  // 0 Monday ... 6 Sunday; -1 for a holiday
    int row = -1;      // the break row, the holiday's index; -1 for the working period
    int otherRow = -1; // BreaksOverlap: the later of the two rows
    std::string text;  // Italian, with the weekday and row it is raised on

    bool operator==(const Mark&) const = default;
};

class CWeekPicture {
  public:
    explicit CWeekPicture(const CQelDoc& doc);

    // 0-3 force day, night, break or holiday mode on the whole week; 4 is
    // "Auto". Any other stored value is shown as an unknown mode.
    int mode = 0;
    bool IsForced() const { return mode >= 0 && mode < kTimeModes; }
    bool IsAuto() const { return mode == kAutoMode; }
    // "Auto", "Notte (forzato) ..." : the mode line of the drawing and the listing.
    std::string ModeText() const;

    std::array<DaySchedule, kWeekdays> days;
    int lines = 4;                    // the lines the product answers
    std::vector<OpeningCell> opening; // line by line, modes in order
    std::vector<HolidayRow> holidays; // the holidays in use, in stored order
    std::vector<Mark> marks;          // in weekday and row order, holidays last
    std::vector<std::string> legend;  // what the picture assumes, one sentence each

    const OpeningCell& Opening(int line, int timeMode) const {
        return opening[static_cast<std::size_t>(line * kTimeModes + timeMode)];
    }
};

// "hh:mm-hh:mm".
std::string PeriodText(int from, int to);
// A break's page as lists show it: "05 Pranzo", "15 (non programmata)",
// "50 (inesistente)".
std::string BreakPageText(const BreakBlock& block);
// An opening page as lists show it: "01 Benvenuto", "03 (non programmata)",
// "25 (inesistente)".
std::string OpeningPageText(const OpeningCell& cell);

} // namespace kiv::schedule
