#pragma once
// The week picture as an SVG drawing (UTF-8 XML), for the window, the PNG and
// PDF exports and kivtool to show or convert.
//
// Layout (user units, which are the pixel size the picture asks for):
//   - the time axis runs from x = 120 (00:00) to x = 984 (24:00): 36 per hour,
//     0.6 per minute; hour labels "00" to "24" above it, a grid line per hour;
//   - a row per weekday from Monday, the first at y = 84; a row is 32 high
//     plus 13 for each lane of break labels under it (a break's label goes to
//     the first lane where it does not run into the label before it);
//   - within a row at `top`: the working period as a band (y = top + 4, 24
//     high), each break as a block on it (y = top + 8, 16 high, at least 2
//     wide) with its page number and description in a label under the band;
//     a forced mode covers each row's band (y = top + 2, 28 high);
//   - marks: a red outline around each break they name (2 outside the block),
//     or around the row's band for a working-period mark, and their numbers
//     beside the row; the numbered list under the legend;
//   - under the week: the legend (colour key, what the picture assumes), each
//     line's opening page per mode (the page number, its description under
//     it), the marks; to the right of the week and the legend, from x = 1100,
//     the holidays with their dates and times.
//
// Elements carry classes and data attributes for whoever reads the drawing
// back: class "work" (or "work reversed") and "break" (or "break reversed")
// with data-day (0 Monday ... 6 Sunday) and, for breaks, data-row and
// data-page; "break-label", "day-name", "hour", "forced", "mark" with
// data-mark (its number in the list), "mark-ref", "mark-text", "assumption",
// "opening" and "opening-text" with data-line and data-mode, "holiday-date",
// "holiday-start", "holiday-end", "holiday-text" with data-holiday; the mode
// line has id "mode". Every text is escaped; control characters are drawn as
// their visible control pictures (U+2400 ...), the code page's undefined
// bytes as U+FFFD.

#include <string>

namespace kiv {
class CQelDoc;
}

namespace kiv::schedule {

class CWeekPicture;

struct SvgSize {
    int width = 0;
    int height = 0;

    bool operator==(const SvgSize&) const = default;
};

// The size the drawing asks for (its width, height and view box).
SvgSize WeekSvgSize(const CWeekPicture& picture);
SvgSize WeekSvgSize(const CQelDoc& doc);

std::string WeekSvg(const CWeekPicture& picture);
std::string WeekSvg(const CQelDoc& doc);

// A code page 1252 text as XML character data (and attribute value), UTF-8.
std::string XmlText(const std::string& cp1252);

} // namespace kiv::schedule
