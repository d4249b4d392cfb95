#pragma once
// Shorthands of the week picture's tests for writing a schedule into a document.
#include "document/PageOps.h"
#include "document/QelDoc.h"

#include <cstddef>

namespace kiv::test {

// Gives the page at this index an operation, so that it counts as programmed.
inline void Program(CQelDoc& doc, int pageIndex) {
    doc.pages[static_cast<std::size_t>(pageIndex)][1].op = kPageOpDisconnect;
}

// The working period of a weekday (0 Monday), as the texts are stored.
inline void Work(CQelDoc& doc, int day, const char* from, const char* to) {
    doc.workHours[static_cast<std::size_t>(day)] = from;
    doc.workHours[static_cast<std::size_t>(day + 7)] = to;
}

// A break row of a weekday, in minutes after midnight.
inline void Break(CQelDoc& doc, int day, int row, int start, int end, int page) {
    doc.breaks[static_cast<std::size_t>(day)][static_cast<std::size_t>(row)] =
        BreakSlot{start, end, page};
}

} // namespace kiv::test
