#include "schedule/WeekText.h"

#include "autoattendant/Texts.h"
#include "document/TimeText.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "schedule/Format.h"
#include "schedule/Texts.h"
#include "schedule/WeekPicture.h"

namespace kiv::schedule {

namespace {

constexpr const char* kIndent = "  ";

std::string WorkLine(int weekday, const WorkPeriod& work) {
    std::string line = std::string(names::kWeekday[weekday]) + ": ";
    switch (work.state) {
    case WorkPeriod::Open:
    case WorkPeriod::Reversed:
        return line + editors::texts::kWorkHours + " " + editors::texts::kFrom + " " +
               TimeText(work.from) + " " + editors::texts::kTo + " " + TimeText(work.to);
    case WorkPeriod::Unreadable:
        return line +
               Format(texts::kMarkWorkUnreadable, work.fromText.c_str(), work.toText.c_str());
    case WorkPeriod::None:
        break;
    }
    return line + texts::kNoWorkHours;
}

} // namespace

std::vector<std::string> WeekText(const CWeekPicture& picture) {
    std::vector<std::string> lines{editors::texts::kWeeklyTab, picture.ModeText()};
    for (int d = 0; d < kWeekdays; ++d) {
        const DaySchedule& day = picture.days[static_cast<std::size_t>(d)];
        lines.push_back(WorkLine(d, day.work));
        for (const BreakBlock& block : day.breaks)
            lines.push_back(kIndent + Format(editors::texts::kBreakRow, block.row) + ": " +
                            editors::texts::kFrom + " " + TimeText(block.from) + " " +
                            editors::texts::kTo + " " + TimeText(block.to) + ", " +
                            texts::kPageLower + " " + BreakPageText(block));
    }

    lines.push_back(std::string(texts::kMarksHeading) + ":");
    if (picture.marks.empty()) lines.push_back(kIndent + std::string(texts::kNoMarks));
    for (std::size_t n = 0; n < picture.marks.size(); ++n)
        lines.push_back(kIndent + std::to_string(n + 1) + ". " + picture.marks[n].text);

    lines.push_back(std::string(texts::kLegendHeading) + ":");
    for (const std::string& sentence : picture.legend)
        lines.push_back(kIndent + sentence);
    lines.push_back(std::string(autoatt::texts::kOpenScriptTab) + ":");
    for (int line = 0; line < picture.lines; ++line) {
        std::string text =
            std::string(kIndent) + autoatt::texts::kLine + " " + std::to_string(line + 1) + ": ";
        for (int m = 0; m < kTimeModes; ++m)
            text += (m == 0 ? "" : "; ") + std::string(autoatt::texts::kModeHeads[m]) + " " +
                    OpeningPageText(picture.Opening(line, m));
        lines.push_back(text);
    }

    lines.push_back(std::string(editors::texts::kHolidayTab) + ":");
    if (picture.holidays.empty()) lines.push_back(kIndent + std::string(texts::kNoHolidays));
    for (const HolidayRow& holiday : picture.holidays) {
        std::string text = kIndent + holiday.date + ", " + editors::texts::kHolidayStart + " " +
                           holiday.start + ", " + editors::texts::kHolidayEnd + " " + holiday.end;
        if (!holiday.text.empty()) text += ": " + holiday.text;
        lines.push_back(text);
    }
    return lines;
}

std::vector<std::string> WeekText(const CQelDoc& doc) {
    return WeekText(CWeekPicture(doc));
}

} // namespace kiv::schedule
