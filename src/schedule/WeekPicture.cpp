#include "schedule/WeekPicture.h"

#include "autoattendant/ScriptPages.h"
#include "autoattendant/Texts.h"
#include "document/PageOps.h"
#include "document/ProductType.h"
#include "document/QelDoc.h"
#include "document/TimeText.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "schedule/Texts.h"
#include "schedule/WeekMarks.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace kiv::schedule {

namespace {

WorkPeriod ReadWorkPeriod(const std::string& fromText, const std::string& toText) {
    WorkPeriod work;
    work.fromText = fromText;
    work.toText = toText;
    if (fromText.empty() && toText.empty()) return work;
    // One text empty and the other set is no period the editor would store;
    // it is reported rather than read as midnight.
    const std::optional<int> from = ClockTimeMinutes(fromText);
    const std::optional<int> to = ClockTimeMinutes(toText);
    if (!from || !to) {
        work.state = WorkPeriod::Unreadable;
        return work;
    }
    work.from = *from;
    work.to = *to;
    work.state = *from < *to    ? WorkPeriod::Open
                 : *from == *to ? WorkPeriod::None
                                : WorkPeriod::Reversed;
    return work;
}

BreakBlock ReadBreak(const CQelDoc& doc, int row, const BreakSlot& slot) {
    BreakBlock block;
    block.row = row;
    block.from = slot.start;
    block.to = slot.end;
    block.page = slot.page;
    block.pageIndex = PageIndex(slot.page);
    if (block.pageIndex >= 0) {
        const auto index = static_cast<std::size_t>(block.pageIndex);
        block.programmed = autoatt::IsPageProgrammed(doc.pages[index]);
        block.description = PageDescription(doc.pageText, block.pageIndex);
    }
    return block;
}

bool IsDayMonth(const std::string& text) {
    const std::optional<DayMonth> date = StoredDayMonth(text);
    return date && date->day >= 1 && date->day <= 31 && date->month >= 1 && date->month <= 12;
}

} // namespace

std::string PeriodText(int from, int to) {
    return TimeText(from) + "-" + TimeText(to);
}

std::string BreakPageText(const BreakBlock& block) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", block.page);
    std::string text = number;
    if (block.pageIndex < 0) return text + " (" + texts::kNoSuchPage + ")";
    if (!block.description.empty()) text += " " + block.description;
    if (!block.programmed) text += std::string(" (") + texts::kNotProgrammed + ")";
    return text;
}

std::string OpeningPageText(const OpeningCell& cell) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", cell.page);
    std::string text = number;
    if (!cell.exists) return text + " (" + texts::kNoSuchPage + ")";
    if (!cell.description.empty()) text += " " + cell.description;
    if (!cell.programmed) text += std::string(" (") + texts::kNotProgrammed + ")";
    return text;
}

CWeekPicture::CWeekPicture(const CQelDoc& doc) : mode(doc.operatingMode) {
    for (int d = 0; d < kWeekdays; ++d) {
        const auto day = static_cast<std::size_t>(d);
        DaySchedule& schedule = days[day];
        schedule.work = ReadWorkPeriod(doc.workHours[day], doc.workHours[day + kWeekdays]);
        for (int r = 0; r < kBreakRows; ++r) {
            const BreakSlot& slot = doc.breaks[day][static_cast<std::size_t>(r)];
            // A row of 00:00 to 00:00 holds no break, whatever its page.
            if (slot.start == 0 && slot.end == 0) continue;
            schedule.breaks.push_back(ReadBreak(doc, r, slot));
        }
    }

    lines = std::clamp(LineCount(doc.productType), 0, autoatt::kLines);
    for (int line = 0; line < lines; ++line) {
        for (int m = 0; m < kTimeModes; ++m) {
            OpeningCell cell;
            cell.line = line;
            cell.mode = m;
            cell.page =
                doc.openingPage[static_cast<std::size_t>(line)][static_cast<std::size_t>(m)];
            cell.exists = cell.page >= 0 && cell.page < kOrdinaryPages;
            if (cell.exists) {
                const auto index = static_cast<std::size_t>(cell.page);
                cell.programmed = autoatt::IsPageProgrammed(doc.pages[index]);
                cell.description = doc.pageText[index];
            }
            opening.push_back(cell);
        }
    }

    const std::size_t count = std::min<std::size_t>(doc.holidayCount, doc.holidayDate.size());
    for (std::size_t i = 0; i < count; ++i) {
        HolidayRow row;
        row.date = doc.holidayDate[i].empty() ? texts::kEmptyHolidayDate : doc.holidayDate[i];
        row.start = doc.holidayStart[i];
        row.end = doc.holidayEnd[i];
        row.text = doc.holidayText[i];
        row.dateValid = IsDayMonth(doc.holidayDate[i]);
        row.periodValid =
            (row.start.empty() && row.end.empty()) || IsValidPeriod(row.start, row.end);
        holidays.push_back(std::move(row));
    }

    legend = {texts::kAssumeWorkIsDay, texts::kAssumeBreak, texts::kAssumeHoliday,
              texts::kAssumeHalfOpen, texts::kDrawnAsStored};
    marks = FindMarks(*this);
}

std::string CWeekPicture::ModeText() const {
    std::string text = std::string(editors::texts::kOperatingMode) + ": ";
    if (IsForced())
        return text + names::kOperatingMode[mode] + " (" + texts::kForced +
               "): " + texts::kForcedWholeWeek;
    if (IsAuto()) return text + names::kOperatingMode[mode] + ": " + texts::kAutoFromTables;
    return text + texts::kUnknownMode + " (" + std::to_string(mode) + ")";
}

} // namespace kiv::schedule
