// The week drawing read back as XML: where its blocks are, what its texts
// say, and that it is well-formed whatever the configuration's texts hold.
// Positions are worked out by hand from the layout: 00:00 at x = 120, 0.6 per
// minute; rows from y = 84, 32 high plus 13 per lane of break labels.

#include "schedule/WeekSvg.h"

#include "schedule/SvgReader.h"
#include "schedule/WeekDoc.h"
#include "schedule/WeekPicture.h"

#include "document/PageOps.h"
#include "document/QelDoc.h"

#include <gtest/gtest.h>

namespace kiv::schedule {
namespace {

using test::Element;
using test::SvgReader;

using kiv::test::Break;
using kiv::test::Program;
using kiv::test::Work;

void ExpectBox(const Element& e, double x, double y, double width, double height) {
    EXPECT_DOUBLE_EQ(e.Num("x"), x) << e.Attr("class");
    EXPECT_DOUBLE_EQ(e.Num("y"), y) << e.Attr("class");
    EXPECT_DOUBLE_EQ(e.Num("width"), width) << e.Attr("class");
    EXPECT_DOUBLE_EQ(e.Num("height"), height) << e.Attr("class");
}

SvgReader Read(const CQelDoc& doc) {
    SvgReader svg(WeekSvg(doc));
    EXPECT_EQ(svg.Error(), "");
    return svg;
}

// Every element lies inside the size the drawing asks for, which its root
// element states.
void ExpectInside(const SvgReader& svg, SvgSize size) {
    const Element& root = svg.Elements().front();
    ASSERT_EQ(root.name, "svg");
    EXPECT_EQ(root.Attr("width"), std::to_string(size.width));
    EXPECT_EQ(root.Attr("height"), std::to_string(size.height));
    EXPECT_EQ(root.Attr("viewBox"),
              "0 0 " + std::to_string(size.width) + " " + std::to_string(size.height));
    for (const Element& e : svg.Elements()) {
        if (e.attrs.count("y")) {
            EXPECT_LE(e.Num("y"), size.height) << e.Attr("class");
        }
        if (e.attrs.count("x")) {
            EXPECT_LT(e.Num("x"), size.width) << e.Attr("class");
        }
    }
}

TEST(WeekSvg, DrawsWorkBreaksMarksAndHolidaysWhereTheyAre) {
    CQelDoc doc;
    doc.operatingMode = 4;
    Program(doc, 5);
    Program(doc, 21);
    doc.pageText[5] = "Pranzo";
    Work(doc, 0, "08:00", "18:00");
    Break(doc, 0, 2, 720, 780, 5);
    Work(doc, 2, "09:15", "17:45");
    // Two breaks that overlap; their labels cannot share a lane.
    Break(doc, 2, 0, 630, 645, 21);
    Break(doc, 2, 1, 640, 660, 5);
    Work(doc, 3, "18:00", "08:00");
    doc.openingPage[0][2] = 5;
    doc.holidayCount = 2;
    doc.holidayDate = {"25/12", "01/05"};
    doc.holidayStart = {"00:00", "08:00"};
    doc.holidayEnd = {"23:59", "12:00"};
    doc.holidayText = {"Natale", "Festa"};

    const SvgReader svg = Read(doc);
    ExpectInside(svg, WeekSvgSize(doc));

    // Row tops: Monday 84 (one label lane, 45 high), Tuesday 129 (32),
    // Wednesday 161 (two lanes, 58), Thursday 219, ... Sunday 315.
    const std::vector<Element> days = svg.ByClass("day-name");
    ASSERT_EQ(days.size(), 7u);
    const double tops[7] = {84, 129, 161, 219, 251, 283, 315};
    const char* names[7] = {"Luned\u00EC",  "Marted\u00EC", "Mercoled\u00EC", "Gioved\u00EC",
                            "Venerd\u00EC", "Sabato",       "Domenica"};
    for (int d = 0; d < 7; ++d) {
        EXPECT_EQ(days[d].text, names[d]);
        EXPECT_DOUBLE_EQ(days[d].Num("y"), tops[d] + 20);
    }

    const std::vector<Element> work = svg.ByClass("work");
    ASSERT_EQ(work.size(), 3u);
    ExpectBox(work[0], 408, 88, 360, 24); // Monday 08:00-18:00
    EXPECT_EQ(work[0].Attr("data-day"), "0");
    ExpectBox(work[1], 453, 165, 306, 24); // Wednesday 09:15-17:45
    // Thursday's reversed period is drawn between its two times, dashed.
    EXPECT_TRUE(work[2].HasClass("reversed"));
    EXPECT_EQ(work[2].Attr("data-day"), "3");
    ExpectBox(work[2], 408, 223, 360, 24);

    const std::vector<Element> breaks = svg.ByClass("break");
    ASSERT_EQ(breaks.size(), 3u);
    ExpectBox(breaks[0], 552, 92, 36, 16); // Monday 12:00-13:00
    EXPECT_EQ(breaks[0].Attr("data-page"), "5");
    EXPECT_EQ(breaks[0].Attr("data-row"), "2");
    ExpectBox(breaks[1], 498, 169, 9, 16);  // Wednesday 10:30-10:45
    ExpectBox(breaks[2], 504, 169, 12, 16); // Wednesday 10:40-11:00

    const std::vector<Element> labels = svg.ByClass("break-label");
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0].text, "05 Pranzo");
    EXPECT_DOUBLE_EQ(labels[0].Num("x"), 552);
    EXPECT_DOUBLE_EQ(labels[0].Num("y"), 125);
    EXPECT_EQ(labels[1].text, "21 Occupato con Casella - Prima Lingua");
    EXPECT_DOUBLE_EQ(labels[1].Num("y"), 202);
    EXPECT_EQ(labels[2].text, "05 Pranzo");
    EXPECT_DOUBLE_EQ(labels[2].Num("x"), 504);
    EXPECT_DOUBLE_EQ(labels[2].Num("y"), 215); // the second lane

    // Mark 1, Wednesday's overlap, outlines both breaks; mark 2, Thursday's
    // reversed working period, the whole row.
    const std::vector<Element> overlap = svg.ByClass("mark", "data-mark", "1");
    ASSERT_EQ(overlap.size(), 2u);
    ExpectBox(overlap[0], 496, 167, 13, 20);
    ExpectBox(overlap[1], 502, 167, 16, 20);
    const std::vector<Element> reversed = svg.ByClass("mark", "data-mark", "2");
    ASSERT_EQ(reversed.size(), 1u);
    ExpectBox(reversed[0], 120, 221, 864, 28);
    const std::vector<Element> refs = svg.ByClass("mark-ref");
    ASSERT_EQ(refs.size(), 2u);
    EXPECT_EQ(refs[0].text, "!1");
    EXPECT_DOUBLE_EQ(refs[0].Num("y"), 181);
    EXPECT_EQ(refs[1].text, "!2");
    EXPECT_EQ(refs[1].Attr("data-day"), "3");
    const std::vector<Element> listed = svg.ByClass("mark-text");
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].text, "1. Mercoled\u00EC, Pausa 0 (10:30-10:45): si sovrappone a Pausa 1 "
                              "(10:40-11:00)");

    // The axis: 25 hour labels, 24:00 at the end of the row.
    const std::vector<Element> hours = svg.ByClass("hour");
    ASSERT_EQ(hours.size(), 25u);
    EXPECT_EQ(hours[24].text, "24");
    EXPECT_DOUBLE_EQ(hours[24].Num("x"), 984);

    // The holidays beside the week, a row each.
    const std::vector<Element> dates = svg.ByClass("holiday-date");
    ASSERT_EQ(dates.size(), 2u);
    EXPECT_EQ(dates[1].text, "01/05");
    EXPECT_DOUBLE_EQ(dates[0].Num("x"), 1100);
    EXPECT_DOUBLE_EQ(dates[1].Num("y"), dates[0].Num("y") + 16);
    const std::vector<Element> starts = svg.ByClass("holiday-start");
    const std::vector<Element> ends = svg.ByClass("holiday-end");
    const std::vector<Element> texts = svg.ByClass("holiday-text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(starts[1].text, "08:00");
    EXPECT_EQ(ends[1].text, "12:00");
    EXPECT_EQ(texts[0].text, "Natale");
    EXPECT_EQ(texts[0].Attr("y"), dates[0].Attr("y"));

    // The legend: line 1's page in break mode, and the mode line.
    const std::vector<Element> cell = svg.ByClass("opening", "data-line", "0");
    ASSERT_EQ(cell.size(), 4u);
    EXPECT_EQ(cell[2].Attr("data-mode"), "2");
    EXPECT_EQ(cell[2].text, "05");
    EXPECT_DOUBLE_EQ(cell[2].Num("x"), 600);
    EXPECT_EQ(cell[0].text, "00 (non programmata)");
    const std::vector<Element> description = svg.ByClass("opening-text");
    ASSERT_EQ(description.size(), 1u); // page 05 is the only one with a description
    EXPECT_EQ(description[0].text, "Pranzo");
    EXPECT_EQ(description[0].Attr("data-mode"), "2");
    EXPECT_DOUBLE_EQ(description[0].Num("x"), 600);
    EXPECT_DOUBLE_EQ(description[0].Num("y"), cell[2].Num("y") + 13);
    EXPECT_EQ(svg.ByClass("opening").size(), 16u);
    EXPECT_GE(svg.ByClass("assumption").size(), 3u);
    ASSERT_EQ(svg.ByClass("mode").size(), 1u);
    EXPECT_EQ(svg.ByClass("mode")[0].text.rfind("Modo Operativo: Auto", 0), 0u);
    EXPECT_TRUE(svg.ByClass("forced").empty());
}

TEST(WeekSvg, ForcedModeCoversTheWholeWeek) {
    CQelDoc doc;
    doc.operatingMode = 1;
    Work(doc, 0, "08:00", "18:00");
    const SvgReader svg = Read(doc);
    ExpectInside(svg, WeekSvgSize(doc));
    const std::vector<Element> forced = svg.ByClass("forced");
    ASSERT_EQ(forced.size(), 7u);
    for (int d = 0; d < 7; ++d) {
        EXPECT_EQ(forced[d].Attr("data-day"), std::to_string(d));
        ExpectBox(forced[d], 120, 86 + 32 * d, 864, 28);
    }
    const std::vector<Element> labels = svg.ByClass("forced-label");
    ASSERT_EQ(labels.size(), 7u);
    EXPECT_EQ(labels[6].text, "Notte (forzato)");
    EXPECT_EQ(svg.ByClass("mode")[0].text,
              "Modo Operativo: Notte (forzato): vale per tutta la settimana, l'orario "
              "settimanale non \u00E8 in uso");
    // What is stored is still drawn under it.
    EXPECT_EQ(svg.ByClass("work").size(), 1u);
}

TEST(WeekSvg, EmptyScheduleDrawsEmptyRows) {
    CQelDoc doc;
    doc.operatingMode = 4;
    const SvgReader svg = Read(doc);
    const SvgSize size = WeekSvgSize(doc);
    EXPECT_EQ(size.width, 1516);
    ExpectInside(svg, size);
    EXPECT_TRUE(svg.ByClass("work").empty());
    EXPECT_TRUE(svg.ByClass("break").empty());
    EXPECT_TRUE(svg.ByClass("mark").empty());
    const std::vector<Element> rows = svg.ByClass("day-bg");
    ASSERT_EQ(rows.size(), 7u);
    for (int d = 0; d < 7; ++d)
        ExpectBox(rows[d], 120, 88 + 32 * d, 864, 24);
    EXPECT_EQ(svg.ByClass("no-work").size(), 7u);
    ASSERT_EQ(svg.ByClass("no-marks").size(), 1u);
    ASSERT_EQ(svg.ByClass("no-holidays").size(), 1u);
    EXPECT_EQ(svg.ByClass("no-holidays")[0].text, "Nessuna festivit\u00E0");
    // A grid line per hour down the seven rows.
    const std::vector<Element> grid = svg.ByClass("hour-line");
    ASSERT_EQ(grid.size(), 25u);
    EXPECT_DOUBLE_EQ(grid[0].Num("y2"), 84 + 7 * 32);
}

TEST(WeekSvg, EveryTextIsEscapedAndStaysWellFormed) {
    CQelDoc doc;
    doc.operatingMode = 4;
    Program(doc, 3);
    // Markup characters, controls (XML 1.0 has no way to carry them), an
    // undefined byte of the code page and an accent.
    doc.pageText[3] = "<b>&\"'\x01\t\n\x7F\x81\xE8";
    Work(doc, 0, "00:00", "23:59");
    Break(doc, 0, 0, 60, 120, 3);
    doc.holidayCount = 1;
    doc.holidayDate[0] = "1\x02/1";
    doc.holidayText[0] = "]]> & <!-- -->";
    const std::string raw = WeekSvg(doc);
    const SvgReader svg(raw);
    ASSERT_EQ(svg.Error(), "");
    const std::vector<Element> label = svg.ByClass("break-label");
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].text, "03 <b>&\"'\u2401\u2409\u240A\u2421\uFFFD\u00E8");
    EXPECT_EQ(svg.ByClass("holiday-text")[0].text, "]]> & <!-- -->");
    EXPECT_EQ(svg.ByClass("holiday-date")[0].text, "1\u2402/1");
    // The bad date is a mark too, and its text is escaped in the list.
    ASSERT_EQ(svg.ByClass("mark-text").size(), 1u);
    EXPECT_NE(svg.ByClass("mark-text")[0].text.find("1\u2402/1 ]]> & <!-- -->"), std::string::npos);
    // Outlined in the holiday list: the first row's baseline is at y = 96.
    const std::vector<Element> outline = svg.ByClass("mark", "data-holiday", "0");
    ASSERT_EQ(outline.size(), 1u);
    ExpectBox(outline[0], 1096, 84, 404, 16);
}

} // namespace
} // namespace kiv::schedule
