#pragma once
// The week picture as lines of text, for screen readers and for whoever
// wants the schedule without the drawing: the mode, each weekday's working
// period and breaks, the marks, the legend with each line's opening page per
// mode, and the holidays. Italian, code page 1252 like every document text;
// convert at the boundary that shows or prints them.

#include <string>
#include <vector>

namespace kiv {
class CQelDoc;
}

namespace kiv::schedule {

class CWeekPicture;

std::vector<std::string> WeekText(const CWeekPicture& picture);
std::vector<std::string> WeekText(const CQelDoc& doc);

} // namespace kiv::schedule
