#pragma once
// The marks of a week picture: what in the stored schedule the unit may not
// do as the installer meant. Each is raised on its weekday and break row (or
// holiday) with an Italian text that names them:
//   - a working period that is no pair of times of day (or only half set);
//   - a working period whose end precedes its start;
//   - a break whose end precedes its start;
//   - two breaks of one weekday that share at least a minute;
//   - a break that lies partly or wholly outside its weekday's working period
//     (a weekday without working hours has every break outside it); not judged
//     while that period is unreadable or reversed;
//   - a break whose page is not programmed, or whose number is no page;
//   - a holiday whose date is no day and month, or whose times fail the
//     editor's period test.
// The editors do not refuse any of these across rows; the picture points at
// them.

#include "schedule/WeekPicture.h"

#include <vector>

namespace kiv::schedule {

// Monday to Sunday, on each weekday the working period first, then break by
// break in row order (its reversal, its overlaps with later rows, its place
// against the working period, its page); the holidays last.
std::vector<Mark> FindMarks(const CWeekPicture& picture);

} // namespace kiv::schedule
