#include "schedule/WeekSvg.h"

#include "autoattendant/Texts.h"
#include "document/Cp1252.h"
#include "document/TimeText.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "schedule/Format.h"
#include "schedule/Texts.h"
#include "schedule/WeekPicture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

namespace kiv::schedule {

namespace {

// --- Geometry (see WeekSvg.h) --------------------------------------------------------------------

constexpr double kLeft = 16;
constexpr double kAxisX = 120;
constexpr double kHourWidth = 36;
constexpr double kPerMinute = kHourWidth / 60;
constexpr double kAxisWidth = 24 * kHourWidth;
constexpr double kHourLabelY = 76;
constexpr double kFirstRowY = 84;
constexpr double kRowHeight = 32;
constexpr double kLaneHeight = 13;
constexpr double kMinBlockWidth = 2;
constexpr double kMarkRefX = kAxisX + kAxisWidth + 8;
constexpr double kHolidayX = 1100;
constexpr double kHolidayColumns[4] = {0, 50, 100, 150}; // date, start, end, description
constexpr int kWidth = 1516;
constexpr double kLineStep = 16;
// Each line's opening pages: a column per mode, two text lines per cell (the
// page number, then its description).
constexpr double kOpeningColumn = 240;
constexpr double kOpeningRowStep = 30;
constexpr double kOpeningTextDrop = 13;
// A rough width of one character of a label (10 units high), to keep labels
// in a lane from running into each other.
constexpr double kCharWidth = 6;
constexpr double kLabelGap = 8;

// Colours of the time modes: day, night, break, holiday.
constexpr const char* kModeFill[4] = {"#bfe3bf", "#8fa3c7", "#f6c26b", "#d9a6d9"};
constexpr const char* kOutsideFill = "#eef1f6";
constexpr const char* kMarkColour = "#d00000";

double MinuteX(int minute) {
    return kAxisX + minute * kPerMinute;
}

struct Span {
    double x = 0;
    double width = 0;
};

// Where a period is drawn: between its two times whichever comes first.
Span SpanOf(int from, int to) {
    const int first = std::min(from, to);
    const int last = std::max(from, to);
    return {MinuteX(first), std::max((last - first) * kPerMinute, kMinBlockWidth)};
}

std::size_t CodePoints(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

struct Layout {
    std::array<double, kWeekdays> top{};
    std::array<int, kWeekdays> lanes{};
    std::array<std::vector<int>, kWeekdays> lane; // per break, in the day's order
    double chartBottom = 0;
    double legendHeadingY = 0;
    double keyY = 0;
    double assumptionY = 0;
    double openingHeadingY = 0;
    double openingHeadY = 0;
    double openingRowY = 0;
    double marksHeadingY = 0;
    double markY = 0;
    double holidayRowY = 96;
    int height = 0;
};

// Each break label goes to the first lane whose last label ends before the
// break starts; labels are placed from the earliest block on.
std::vector<int> LabelLanes(const DaySchedule& day, int& laneCount) {
    std::vector<std::size_t> order(day.breaks.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&day](std::size_t a, std::size_t b) {
        return SpanOf(day.breaks[a].from, day.breaks[a].to).x <
               SpanOf(day.breaks[b].from, day.breaks[b].to).x;
    });
    std::vector<int> lanes(day.breaks.size(), 0);
    std::vector<double> laneEnd;
    for (std::size_t i : order) {
        const BreakBlock& block = day.breaks[i];
        const double x = SpanOf(block.from, block.to).x;
        const double end =
            x + kCharWidth * static_cast<double>(CodePoints(XmlText(BreakPageText(block)))) +
            kLabelGap;
        std::size_t k = 0;
        while (k < laneEnd.size() && laneEnd[k] > x)
            ++k;
        if (k == laneEnd.size()) laneEnd.push_back(end);
        laneEnd[k] = end;
        lanes[i] = static_cast<int>(k);
    }
    laneCount = static_cast<int>(laneEnd.size());
    return lanes;
}

Layout MakeLayout(const CWeekPicture& picture) {
    Layout l;
    double y = kFirstRowY;
    for (std::size_t d = 0; d < kWeekdays; ++d) {
        l.top[d] = y;
        l.lane[d] = LabelLanes(picture.days[d], l.lanes[d]);
        y += kRowHeight + kLaneHeight * l.lanes[d];
    }
    l.chartBottom = y;
    l.legendHeadingY = l.chartBottom + 28;
    l.keyY = l.legendHeadingY + 22;
    l.assumptionY = l.keyY + 20;
    const double lastAssumption =
        l.assumptionY + kLineStep * (static_cast<double>(picture.legend.size()) - 1);
    l.openingHeadingY = lastAssumption + 30;
    l.openingHeadY = l.openingHeadingY + 20;
    l.openingRowY = l.openingHeadY + kLineStep;
    l.marksHeadingY = l.openingRowY + kOpeningRowStep * (picture.lines - 1) + kOpeningTextDrop + 30;
    l.markY = l.marksHeadingY + 20;
    const double marks = static_cast<double>(std::max<std::size_t>(picture.marks.size(), 1));
    const double leftBottom = l.markY + kLineStep * (marks - 1) + kLineStep;
    const double holidays = static_cast<double>(std::max<std::size_t>(picture.holidays.size(), 1));
    const double rightBottom = l.holidayRowY + kLineStep * (holidays - 1) + kLineStep;
    l.height = static_cast<int>(std::ceil(std::max(leftBottom, rightBottom)));
    return l;
}

// --- Writing -------------------------------------------------------------------------------------

std::string Num(double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", value);
    std::string text = buf;
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0)
        text.resize(text.size() - 2);
    if (text == "-0") text = "0";
    return text;
}

std::string Attr(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + value + "\"";
}
std::string Attr(const char* name, double value) {
    return Attr(name, Num(value));
}

std::string RectAttrs(double x, double y, double width, double height) {
    return Attr("x", x) + Attr("y", y) + Attr("width", width) + Attr("height", height);
}

class Writer {
  public:
    std::string out;

    // <text class=... x y [extra]>escaped cp1252 text</text>
    void Text(const std::string& cls, double x, double y, const std::string& cp1252,
              const std::string& extra = {}) {
        out += "<text" + Attr("class", cls) + Attr("x", x) + Attr("y", y) + extra + ">" +
               XmlText(cp1252) + "</text>\n";
    }
    void Rect(const std::string& cls, double x, double y, double width, double height,
              const std::string& extra, const std::string& titleCp1252 = {}) {
        out += "<rect" + Attr("class", cls) + RectAttrs(x, y, width, height) + extra;
        if (titleCp1252.empty()) {
            out += "/>\n";
        } else {
            out += "><title>" + XmlText(titleCp1252) + "</title></rect>\n";
        }
    }
};

std::string DayAttr(int day) {
    return Attr("data-day", std::to_string(day));
}

std::string BreakTitle(const BreakBlock& block) {
    return Format(editors::texts::kBreakRow, block.row) + ": " + PeriodText(block.from, block.to) +
           ", " + texts::kPageLower + " " + BreakPageText(block);
}

void WriteAxis(Writer& w, const Layout& l) {
    for (int hour = 0; hour <= 24; ++hour) {
        const double x = kAxisX + hour * kHourWidth;
        w.Text("hour", x, kHourLabelY, Format("%02d", hour), Attr("text-anchor", "middle"));
        w.out += "<line" + Attr("class", "hour-line") + Attr("x1", x) + Attr("y1", kFirstRowY) +
                 Attr("x2", x) + Attr("y2", l.chartBottom) + Attr("stroke", "#c8c8c8") + "/>\n";
    }
}

void WriteDay(Writer& w, const CWeekPicture& picture, const Layout& l, int d) {
    const auto day = static_cast<std::size_t>(d);
    const DaySchedule& schedule = picture.days[day];
    const double top = l.top[day];
    w.out += "<g" + Attr("class", "day") + DayAttr(d) + ">\n";
    w.Text("day-name", kLeft, top + 20, names::kWeekday[d]);
    w.Rect("day-bg", kAxisX, top + 4, kAxisWidth, 24, DayAttr(d) + Attr("fill", kOutsideFill));

    const WorkPeriod& work = schedule.work;
    if (work.state == WorkPeriod::Open || work.state == WorkPeriod::Reversed) {
        const Span span = SpanOf(work.from, work.to);
        const bool reversed = work.state == WorkPeriod::Reversed;
        const std::string style = reversed ? Attr("fill", "none") + Attr("stroke", kMarkColour) +
                                                 Attr("stroke-dasharray", "4 3")
                                           : Attr("fill", kModeFill[0]) + Attr("stroke", "#5a9a5a");
        w.Rect(reversed ? "work reversed" : "work", span.x, top + 4, span.width, 24,
               DayAttr(d) + style,
               std::string(editors::texts::kWorkHours) + " " + editors::texts::kFrom + " " +
                   TimeText(work.from) + " " + editors::texts::kTo + " " + TimeText(work.to));
    } else if (work.state == WorkPeriod::Unreadable) {
        w.Text("work-unreadable", kAxisX + 6, top + 20,
               Format(texts::kMarkWorkUnreadable, work.fromText.c_str(), work.toText.c_str()),
               DayAttr(d) + Attr("fill", kMarkColour));
    } else if (schedule.breaks.empty()) {
        w.Text("no-work", kAxisX + 6, top + 20, texts::kNoWorkHours,
               DayAttr(d) + Attr("fill", "#707070"));
    }

    for (std::size_t b = 0; b < schedule.breaks.size(); ++b) {
        const BreakBlock& block = schedule.breaks[b];
        const Span span = SpanOf(block.from, block.to);
        const std::string attrs = DayAttr(d) + Attr("data-row", std::to_string(block.row)) +
                                  Attr("data-page", std::to_string(block.page));
        const std::string style =
            block.Reversed()
                ? Attr("fill", "none") + Attr("stroke", "#b07a1a") + Attr("stroke-dasharray", "4 3")
                : Attr("fill", kModeFill[2]) + Attr("stroke", "#b07a1a");
        w.Rect(block.Reversed() ? "break reversed" : "break", span.x, top + 8, span.width, 16,
               Attr("id", Format("break-%d-%d", d, block.row)) + attrs + style, BreakTitle(block));
        w.Text("break-label", span.x, top + 41 + kLaneHeight * l.lane[day][b], BreakPageText(block),
               attrs + Attr("font-size", "10"));
    }

    if (picture.IsForced()) {
        w.Rect("forced", kAxisX, top + 2, kAxisWidth, 28,
               DayAttr(d) + Attr("fill", kModeFill[picture.mode]) + Attr("fill-opacity", "0.45"));
        w.Text("forced-label", kAxisX + kAxisWidth / 2, top + 20,
               Format(texts::kForcedRow, names::kOperatingMode[picture.mode]),
               DayAttr(d) + Attr("text-anchor", "middle") + Attr("font-weight", "bold"));
    }
    w.out += "</g>\n";
}

const BreakBlock* FindBreak(const DaySchedule& day, int row) {
    for (const BreakBlock& block : day.breaks)
        if (block.row == row) return &block;
    return nullptr;
}

void WriteMarksOnWeek(Writer& w, const CWeekPicture& picture, const Layout& l) {
    std::array<std::string, kWeekdays> refs;
    const std::string style =
        Attr("fill", "none") + Attr("stroke", kMarkColour) + Attr("stroke-width", "2");
    for (std::size_t n = 0; n < picture.marks.size(); ++n) {
        const Mark& mark = picture.marks[n];
        const std::string number = std::to_string(n + 1);
        const std::string markAttr = Attr("data-mark", number);
        if (mark.weekday < 0) {
            // A holiday: outlined in the list beside the week.
            const double y = l.holidayRowY + kLineStep * mark.row;
            w.Rect("mark", kHolidayX - 4, y - 12, 404, 16,
                   markAttr + Attr("data-holiday", std::to_string(mark.row)) + style);
            continue;
        }
        const auto day = static_cast<std::size_t>(mark.weekday);
        const double top = l.top[day];
        const std::string dayAttr = DayAttr(mark.weekday);
        refs[day] += (refs[day].empty() ? "!" : ",") + number;
        if (mark.row < 0) {
            w.Rect("mark", kAxisX, top + 2, kAxisWidth, 28, markAttr + dayAttr + style);
            continue;
        }
        for (int row : {mark.row, mark.otherRow}) {
            const BreakBlock* block = row >= 0 ? FindBreak(picture.days[day], row) : nullptr;
            if (!block) continue;
            const Span span = SpanOf(block->from, block->to);
            w.Rect("mark", span.x - 2, top + 6, span.width + 4, 20,
                   markAttr + dayAttr + Attr("data-row", std::to_string(row)) + style);
        }
    }
    for (int d = 0; d < kWeekdays; ++d) {
        const auto day = static_cast<std::size_t>(d);
        if (refs[day].empty()) continue;
        w.Text("mark-ref", kMarkRefX, l.top[day] + 20, refs[day],
               DayAttr(d) + Attr("fill", kMarkColour) + Attr("font-weight", "bold"));
    }
}

void WriteLegend(Writer& w, const CWeekPicture& picture, const Layout& l) {
    w.Text("heading", kLeft, l.legendHeadingY, texts::kLegendHeading, Attr("font-weight", "bold"));
    struct Key {
        const char* label;
        std::string style;
    };
    const Key keys[4] = {
        {names::kOperatingMode[0], Attr("fill", kModeFill[0]) + Attr("stroke", "#5a9a5a")},
        {names::kOperatingMode[2], Attr("fill", kModeFill[2]) + Attr("stroke", "#b07a1a")},
        {texts::kKeyOutside, Attr("fill", kOutsideFill) + Attr("stroke", "#c8c8c8")},
        {texts::kKeyMark,
         Attr("fill", "none") + Attr("stroke", kMarkColour) + Attr("stroke-width", "2")},
    };
    for (int k = 0; k < 4; ++k) {
        const double x = kLeft + 170 * k;
        w.Rect("key", x, l.keyY - 11, 14, 14, keys[k].style);
        std::string label = keys[k].label;
        if (k == 2) label += std::string(": ") + names::kOperatingMode[1];
        w.Text("key-label", x + 20, l.keyY, label);
    }
    for (std::size_t i = 0; i < picture.legend.size(); ++i)
        w.Text("assumption", kLeft, l.assumptionY + kLineStep * static_cast<double>(i),
               picture.legend[i]);

    w.Text("heading", kLeft, l.openingHeadingY, autoatt::texts::kOpenScriptTab,
           Attr("font-weight", "bold"));
    for (int m = 0; m < kTimeModes; ++m)
        w.Text("opening-head", kAxisX + kOpeningColumn * m, l.openingHeadY,
               autoatt::texts::kModeHeads[m], Attr("font-weight", "bold"));
    for (int line = 0; line < picture.lines; ++line) {
        const double y = l.openingRowY + kOpeningRowStep * line;
        w.Text("opening-line", kLeft, y,
               std::string(autoatt::texts::kLine) + " " + std::to_string(line + 1));
        for (int m = 0; m < kTimeModes; ++m) {
            const OpeningCell& cell = picture.Opening(line, m);
            std::string attrs =
                Attr("data-line", std::to_string(line)) + Attr("data-mode", std::to_string(m));
            if (!cell.exists || !cell.programmed) attrs += Attr("fill", kMarkColour);
            const double x = kAxisX + kOpeningColumn * m;
            std::string number = Format("%02d", cell.page);
            if (!cell.exists)
                number += std::string(" (") + texts::kNoSuchPage + ")";
            else if (!cell.programmed)
                number += std::string(" (") + texts::kNotProgrammed + ")";
            w.Text("opening", x, y, number, attrs);
            if (!cell.description.empty())
                w.Text("opening-text", x, y + kOpeningTextDrop, cell.description,
                       attrs + Attr("font-size", "10"));
        }
    }

    w.Text("heading", kLeft, l.marksHeadingY, texts::kMarksHeading, Attr("font-weight", "bold"));
    if (picture.marks.empty()) w.Text("no-marks", kLeft, l.markY, texts::kNoMarks);
    for (std::size_t n = 0; n < picture.marks.size(); ++n)
        w.Text("mark-text", kLeft, l.markY + kLineStep * static_cast<double>(n),
               std::to_string(n + 1) + ". " + picture.marks[n].text,
               Attr("data-mark", std::to_string(n + 1)) + Attr("fill", kMarkColour));
}

void WriteHolidays(Writer& w, const CWeekPicture& picture, const Layout& l) {
    w.out += "<g" + Attr("id", "holidays") + ">\n";
    w.Text("heading", kHolidayX, 28, editors::texts::kHolidayTab, Attr("font-weight", "bold"));
    const char* heads[4] = {editors::texts::kHolidayDate, editors::texts::kHolidayStart,
                            editors::texts::kHolidayEnd, editors::texts::kHolidayText};
    for (int c = 0; c < 4; ++c)
        w.Text("holiday-head", kHolidayX + kHolidayColumns[c], kHourLabelY, heads[c],
               Attr("font-weight", "bold"));
    if (picture.holidays.empty())
        w.Text("no-holidays", kHolidayX, l.holidayRowY, texts::kNoHolidays);
    for (std::size_t h = 0; h < picture.holidays.size(); ++h) {
        const HolidayRow& row = picture.holidays[h];
        const double y = l.holidayRowY + kLineStep * static_cast<double>(h);
        const std::string attrs = Attr("data-holiday", std::to_string(h));
        const std::string values[4] = {row.date, row.start, row.end, row.text};
        const char* classes[4] = {"holiday-date", "holiday-start", "holiday-end", "holiday-text"};
        for (int c = 0; c < 4; ++c)
            w.Text(classes[c], kHolidayX + kHolidayColumns[c], y, values[c], attrs);
    }
    w.out += "</g>\n";
}

} // namespace

std::string XmlText(const std::string& cp1252) {
    const std::string utf8 = Cp1252ToUtf8(cp1252);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20) {
            // U+2400 + c, the control's picture: XML 1.0 has no way to carry
            // the control itself, and a reader should see that it is there.
            out += "\xE2\x90";
            out += static_cast<char>(0x80 + c);
        } else if (c == 0x7F) {
            out += "\xE2\x90\xA1";
        } else if (c == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
            // A C1 control (an undefined byte of the code page).
            out += "\xEF\xBF\xBD";
            ++i;
        } else if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '"') {
            out += "&quot;";
        } else if (c == '\'') {
            out += "&apos;";
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

SvgSize WeekSvgSize(const CWeekPicture& picture) {
    return {kWidth, MakeLayout(picture).height};
}

SvgSize WeekSvgSize(const CQelDoc& doc) {
    return WeekSvgSize(CWeekPicture(doc));
}

std::string WeekSvg(const CWeekPicture& picture) {
    const Layout l = MakeLayout(picture);
    const std::string width = std::to_string(kWidth);
    const std::string height = std::to_string(l.height);
    Writer w;
    w.out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    w.out += "<svg xmlns=\"http://www.w3.org/2000/svg\"" + Attr("width", width) +
             Attr("height", height) + Attr("viewBox", "0 0 " + width + " " + height) +
             Attr("font-family", "DejaVu Sans, sans-serif") + Attr("font-size", "11") + ">\n";
    w.out += "<title>" + XmlText(editors::texts::kWeeklyTab) + "</title>\n";
    w.Rect("background", 0, 0, kWidth, l.height, Attr("fill", "#ffffff"));
    w.Text("heading", kLeft, 28, editors::texts::kWeeklyTab,
           Attr("font-size", "16") + Attr("font-weight", "bold"));
    w.Text("mode", kLeft, 50, picture.ModeText(),
           Attr("id", "mode") + (picture.IsForced() ? Attr("font-weight", "bold") : std::string()));

    w.out += "<g" + Attr("id", "week") + ">\n";
    WriteAxis(w, l);
    for (int d = 0; d < kWeekdays; ++d)
        WriteDay(w, picture, l, d);
    w.out += "</g>\n<g" + Attr("id", "marks") + ">\n";
    WriteMarksOnWeek(w, picture, l);
    w.out += "</g>\n<g" + Attr("id", "legend") + ">\n";
    WriteLegend(w, picture, l);
    w.out += "</g>\n";
    WriteHolidays(w, picture, l);
    w.out += "</svg>\n";
    return std::move(w.out);
}

std::string WeekSvg(const CQelDoc& doc) {
    return WeekSvg(CWeekPicture(doc));
}

} // namespace kiv::schedule
