#include "schedule/WeekMarks.h"

#include "document/TimeText.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "schedule/Format.h"
#include "schedule/Texts.h"

#include <algorithm>

namespace kiv::schedule {

namespace {

std::string RowName(int row) {
    return Format(editors::texts::kBreakRow, row);
}

// "Lunedì, Pausa 3 (12:00-13:00): " — where a break's mark is raised.
std::string BreakPrefix(int weekday, const BreakBlock& block) {
    return std::string(names::kWeekday[weekday]) + ", " + RowName(block.row) + " (" +
           PeriodText(block.from, block.to) + "): ";
}

// Breaks share a minute when the later start comes before the earlier end;
// one that ends where the other starts does not overlap it.
bool Overlap(const BreakBlock& a, const BreakBlock& b) {
    return std::max(a.from, b.from) < std::min(a.to, b.to);
}

void WorkMarks(int weekday, const WorkPeriod& work, std::vector<Mark>& marks) {
    const std::string prefix = std::string(names::kWeekday[weekday]) + ": ";
    if (work.state == WorkPeriod::Unreadable) {
        marks.push_back({MarkKind::WorkUnreadable, weekday, -1, -1,
                         prefix + Format(texts::kMarkWorkUnreadable, work.fromText.c_str(),
                                         work.toText.c_str())});
    } else if (work.state == WorkPeriod::Reversed) {
        marks.push_back({MarkKind::WorkReversed, weekday, -1, -1,
                         prefix + Format(texts::kMarkWorkReversed, TimeText(work.to).c_str(),
                                         TimeText(work.from).c_str())});
    }
}

void BreakMarks(int weekday, const DaySchedule& day, std::size_t index, std::vector<Mark>& marks) {
    const BreakBlock& block = day.breaks[index];
    const std::string prefix = BreakPrefix(weekday, block);
    if (block.Reversed()) {
        marks.push_back({MarkKind::BreakReversed, weekday, block.row, -1,
                         prefix + Format(texts::kMarkBreakReversed, TimeText(block.to).c_str(),
                                         TimeText(block.from).c_str())});
    } else {
        for (std::size_t k = index + 1; k < day.breaks.size(); ++k) {
            const BreakBlock& other = day.breaks[k];
            if (other.Reversed() || !Overlap(block, other)) continue;
            marks.push_back(
                {MarkKind::BreaksOverlap, weekday, block.row, other.row,
                 prefix + Format(texts::kMarkOverlap, RowName(other.row).c_str(),
                                 TimeText(other.from).c_str(), TimeText(other.to).c_str())});
        }
        const WorkPeriod& work = day.work;
        if (work.state == WorkPeriod::None) {
            marks.push_back({MarkKind::BreakOutsideWork, weekday, block.row, -1,
                             prefix + texts::kMarkNoWorkDay});
        } else if (work.state == WorkPeriod::Open &&
                   (block.from < work.from || block.to > work.to)) {
            const bool partly = std::max(block.from, work.from) < std::min(block.to, work.to);
            marks.push_back(
                {MarkKind::BreakOutsideWork, weekday, block.row, -1,
                 prefix + Format(partly ? texts::kMarkPartlyOutside : texts::kMarkWhollyOutside,
                                 TimeText(work.from).c_str(), TimeText(work.to).c_str())});
        }
    }
    if (block.pageIndex < 0 || !block.programmed) {
        marks.push_back({MarkKind::BreakPageNotProgrammed, weekday, block.row, -1,
                         prefix + Format(block.pageIndex < 0 ? texts::kMarkPageMissing
                                                             : texts::kMarkPageNotProgrammed,
                                         block.page)});
    }
}

void HolidayMarks(int index, const HolidayRow& holiday, std::vector<Mark>& marks) {
    if (holiday.dateValid && holiday.periodValid) return;
    std::string text = Format(texts::kHolidayWord, index + 1) + " (" + holiday.date;
    if (!holiday.text.empty()) text += " " + holiday.text;
    text += "): ";
    if (!holiday.dateValid) text += Format(texts::kMarkHolidayDate, holiday.date.c_str());
    if (!holiday.periodValid) {
        if (!holiday.dateValid) text += "; ";
        text += Format(texts::kMarkHolidayPeriod, holiday.start.c_str(), holiday.end.c_str());
    }
    marks.push_back({MarkKind::HolidayInvalid, -1, index, -1, text});
}

} // namespace

std::vector<Mark> FindMarks(const CWeekPicture& picture) {
    std::vector<Mark> marks;
    for (int d = 0; d < kWeekdays; ++d) {
        const DaySchedule& day = picture.days[static_cast<std::size_t>(d)];
        WorkMarks(d, day.work, marks);
        for (std::size_t b = 0; b < day.breaks.size(); ++b)
            BreakMarks(d, day, b, marks);
    }
    for (std::size_t h = 0; h < picture.holidays.size(); ++h)
        HolidayMarks(static_cast<int>(h), picture.holidays[h], marks);
    return marks;
}

} // namespace kiv::schedule
