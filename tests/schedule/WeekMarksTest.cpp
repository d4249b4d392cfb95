// The week model read from hand-written configurations, its marks and its
// text listing. Texts are code page 1252 (\xEC is "ì", \xE0 "à", \xE8 "è").

#include "schedule/WeekMarks.h"
#include "schedule/WeekDoc.h"
#include "schedule/WeekPicture.h"
#include "schedule/WeekText.h"

#include "document/PageOps.h"
#include "document/QelDoc.h"

#include <gtest/gtest.h>

namespace kiv::schedule {

// Failures show the marks by their texts.
void PrintTo(const Mark& mark, std::ostream* os) {
    *os << "{kind " << static_cast<int>(mark.kind) << ", day " << mark.weekday << ", row "
        << mark.row << "/" << mark.otherRow << ", \"" << mark.text << "\"}";
}

namespace {

using kiv::test::Break;
using kiv::test::Program;
using kiv::test::Work;

// Automatic mode, Monday to Friday 08:00-18:00, Monday's breaks all inside
// its working hours: one at each end of the day and two that touch without
// overlapping; every break page programmed. The empty rows keep the default
// page 15, which is not programmed.
CQelDoc CleanWeek() {
    CQelDoc doc;
    doc.operatingMode = 4;
    for (int d = 0; d < 5; ++d)
        Work(doc, d, "08:00", "18:00");
    Program(doc, 5);
    Program(doc, 21);
    doc.pageText[5] = "Pranzo";
    Break(doc, 0, 0, 480, 540, 5);
    Break(doc, 0, 1, 720, 750, 5);
    Break(doc, 0, 2, 750, 780, 21);
    Break(doc, 0, 3, 1020, 1080, 5);
    doc.holidayCount = 2;
    doc.holidayDate[0] = "25/12";
    doc.holidayStart[0] = "00:00";
    doc.holidayEnd[0] = "23:59";
    doc.holidayText[0] = "Natale";
    doc.holidayDate[1] = "06/01"; // no times: the editor lets both be empty
    return doc;
}

TEST(WeekPicture, ReadsEachTableAsStoredAndReportsWhatIsNoTime) {
    CQelDoc doc;
    doc.operatingMode = 1;
    doc.SetProductType(1); // two lines
    Work(doc, 0, "8:30", "17:05");
    Work(doc, 1, "", "");
    Work(doc, 2, "00:00", "00:00");
    Work(doc, 3, "08:00", ""); // half set: the unit would read midnight, the picture does not
    Work(doc, 4, "24:00", "25:00");
    Work(doc, 5, "07:00", "07:00");
    Work(doc, 6, "22:00", "06:00");
    Break(doc, 0, 3, 0, 30, 21);    // from midnight: in use
    Break(doc, 0, 4, 600, 600, 31); // no length, but not 00:00-00:00
    Break(doc, 0, 5, 0, 0, 5);      // empty whatever its page
    Program(doc, 27);               // page 31
    doc.openingPage[0] = {1, 2, 3, 21};
    doc.openingPage[1] = {0, 5, 0, 0};
    doc.openingPage[2] = {7, 7, 7, 7}; // a line the product does not have
    Program(doc, 5);
    doc.pageText[5] = "Notturno";
    doc.holidayCount = 2;
    doc.holidayDate = {"25/12", "", "01/01"};
    doc.holidayStart = {"00:00", "08:00", "00:00"};
    doc.holidayEnd = {"23:59", "12:00", "23:59"};
    doc.holidayText = {"Natale", "", "Capodanno"};

    const CWeekPicture picture(doc);

    using S = WorkPeriod;
    const S::State states[7] = {S::Open,       S::None, S::None,    S::Unreadable,
                                S::Unreadable, S::None, S::Reversed};
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(picture.days[d].work.state, states[d]) << d;
    EXPECT_EQ(picture.days[0].work.from, 510);
    EXPECT_EQ(picture.days[0].work.to, 1025);
    EXPECT_EQ(picture.days[3].work.toText, "");
    EXPECT_EQ(picture.days[6].work.from, 1320);
    EXPECT_EQ(picture.days[6].work.to, 360);

    const auto& breaks = picture.days[0].breaks;
    ASSERT_EQ(breaks.size(), 2u);
    EXPECT_EQ(breaks[0].row, 3);
    EXPECT_EQ(breaks[0].to, 30);
    EXPECT_EQ(BreakPageText(breaks[0]), "21 Occupato con Casella - Prima Lingua (non programmata)");
    EXPECT_EQ(BreakPageText(breaks[1]), "31 Occupato con Casella - Seconda Lingua");
    EXPECT_EQ(breaks[1].row, 4);
    for (int d = 1; d < 7; ++d)
        EXPECT_TRUE(picture.days[d].breaks.empty()) << d;

    EXPECT_TRUE(picture.IsForced());
    EXPECT_EQ(picture.ModeText(), "Modo Operativo: Notte (forzato): vale per tutta la settimana, "
                                  "l'orario settimanale non \xE8 in uso");
    ASSERT_EQ(picture.lines, 2);
    ASSERT_EQ(picture.opening.size(), 8u);
    // 21 is no ordinary page.
    EXPECT_EQ(OpeningPageText(picture.Opening(0, 3)), "21 (inesistente)");
    EXPECT_EQ(OpeningPageText(picture.Opening(0, 0)), "01 (non programmata)");
    EXPECT_EQ(OpeningPageText(picture.Opening(1, 1)), "05 Notturno");

    // Only the holidays in use; an empty date as the editor shows it.
    ASSERT_EQ(picture.holidays.size(), 2u);
    EXPECT_EQ(picture.holidays[1].date, "00/00");
    EXPECT_FALSE(picture.holidays[1].dateValid);

    doc.operatingMode = 4;
    EXPECT_EQ(CWeekPicture(doc).ModeText(),
              "Modo Operativo: Auto: l'unit\xE0 segue l'orario settimanale, le pause e le "
              "festivit\xE0");
    doc.operatingMode = 9;
    EXPECT_FALSE(CWeekPicture(doc).IsForced());
    EXPECT_EQ(CWeekPicture(doc).ModeText(), "Modo Operativo: sconosciuto (9)");
}

TEST(WeekMarks, CleanWeekRaisesNone) {
    const CWeekPicture picture(CleanWeek());
    EXPECT_EQ(picture.days[0].breaks.size(), 4u);
    EXPECT_EQ(picture.holidays.size(), 2u);
    EXPECT_TRUE(picture.marks.empty()) << picture.marks.front().text;
}

TEST(WeekMarks, OverlapsAreRaisedPairByPairReversedBreaksApart) {
    CQelDoc doc = CleanWeek();
    Break(doc, 1, 1, 600, 660, 5);  // 10:00-11:00
    Break(doc, 1, 2, 660, 690, 5);  // 11:00-11:30: touches row 1, overlaps row 6
    Break(doc, 1, 4, 630, 645, 5);  // inside row 1
    Break(doc, 1, 6, 650, 720, 5);  // 10:50-12:00: overlaps rows 1 and 2, not 4
    Break(doc, 1, 8, 690, 600, 21); // reversed: compared with none
    const std::vector<Mark> expected{
        {MarkKind::BreaksOverlap, 1, 1, 4,
         "Marted\xEC, Pausa 1 (10:00-11:00): si sovrappone a Pausa 4 (10:30-10:45)"},
        {MarkKind::BreaksOverlap, 1, 1, 6,
         "Marted\xEC, Pausa 1 (10:00-11:00): si sovrappone a Pausa 6 (10:50-12:00)"},
        {MarkKind::BreaksOverlap, 1, 2, 6,
         "Marted\xEC, Pausa 2 (11:00-11:30): si sovrappone a Pausa 6 (10:50-12:00)"},
        {MarkKind::BreakReversed, 1, 8, -1,
         "Marted\xEC, Pausa 8 (11:30-10:00): la fine (10:00) precede l'inizio (11:30)"},
    };
    EXPECT_EQ(CWeekPicture(doc).marks, expected);
}

TEST(WeekMarks, BreaksOutsideTheirWorkingPeriod) {
    CQelDoc doc = CleanWeek();
    Break(doc, 2, 0, 450, 510, 5);   // 07:30-08:30: partly before the day
    Break(doc, 2, 1, 1080, 1140, 5); // 18:00-19:00: begins as the day ends
    Break(doc, 1, 0, 480, 1080, 5);  // Tuesday's whole working period: inside
    Work(doc, 3, "8.00", "18:00");   // unreadable: its break is not judged
    Break(doc, 3, 0, 600, 660, 5);
    Work(doc, 4, "18:00", "08:00"); // reversed: its break is not judged either
    Break(doc, 4, 0, 600, 660, 5);
    Break(doc, 5, 0, 600, 660, 5);  // Saturday has no working hours
    Work(doc, 6, "09:00", "09:00"); // nor has Sunday: an empty period
    Break(doc, 6, 9, 600, 660, 5);
    const std::vector<Mark> expected{
        {MarkKind::BreakOutsideWork, 2, 0, -1,
         "Mercoled\xEC, Pausa 0 (07:30-08:30): in parte fuori dall'Orario Lavoro (08:00-18:00)"},
        {MarkKind::BreakOutsideWork, 2, 1, -1,
         "Mercoled\xEC, Pausa 1 (18:00-19:00): fuori dall'Orario Lavoro (08:00-18:00)"},
        {MarkKind::WorkUnreadable, 3, -1, -1,
         "Gioved\xEC: Orario Lavoro non valido (Da \"8.00\", A \"18:00\")"},
        {MarkKind::WorkReversed, 4, -1, -1,
         "Venerd\xEC: Orario Lavoro con la fine (08:00) prima dell'inizio (18:00)"},
        {MarkKind::BreakOutsideWork, 5, 0, -1,
         "Sabato, Pausa 0 (10:00-11:00): il giorno non ha Orario Lavoro"},
        {MarkKind::BreakOutsideWork, 6, 9, -1,
         "Domenica, Pausa 9 (10:00-11:00): il giorno non ha Orario Lavoro"},
    };
    EXPECT_EQ(CWeekPicture(doc).marks, expected);
}

TEST(WeekMarks, BreakPagesThatAreNotProgrammedOrNoPage) {
    CQelDoc doc = CleanWeek();
    Break(doc, 0, 5, 600, 615, 15); // a page without operations
    Break(doc, 0, 6, 615, 630, 50); // no page has this number
    Break(doc, 0, 7, 630, 645, 31); // page 31 (second language), programmed below
    Program(doc, 27);
    const std::vector<Mark> expected{
        {MarkKind::BreakPageNotProgrammed, 0, 5, -1,
         "Luned\xEC, Pausa 5 (10:00-10:15): la pagina 15 non \xE8 programmata"},
        {MarkKind::BreakPageNotProgrammed, 0, 6, -1,
         "Luned\xEC, Pausa 6 (10:15-10:30): la pagina 50 non esiste"},
    };
    EXPECT_EQ(CWeekPicture(doc).marks, expected);
}

TEST(WeekMarks, HolidaysWithoutADayAndMonthOrWithBadTimes) {
    CQelDoc doc = CleanWeek();
    doc.holidayCount = 5;
    doc.holidayDate = {"31/12", "", "32/01", "05/03", "1/13", "xx"};
    doc.holidayStart = {"00:00", "00:00", "00:00", "18:00", "25:00", "xx"};
    doc.holidayEnd = {"23:59", "23:59", "23:59", "08:00", "26:00", "xx"};
    doc.holidayText = {"", "", "Troppi giorni", "", "", "oltre il conto"};
    const std::vector<Mark> expected{
        {MarkKind::HolidayInvalid, -1, 1, -1,
         "Festivit\xE0 2 (00/00): data non valida (\"00/00\")"},
        {MarkKind::HolidayInvalid, -1, 2, -1,
         "Festivit\xE0 3 (32/01 Troppi giorni): data non valida (\"32/01\")"},
        {MarkKind::HolidayInvalid, -1, 3, -1,
         "Festivit\xE0 4 (05/03): orario non valido (Inizio \"18:00\", Fine \"08:00\")"},
        {MarkKind::HolidayInvalid, -1, 4, -1,
         "Festivit\xE0 5 (1/13): data non valida (\"1/13\"); orario non valido (Inizio \"25:00\", "
         "Fine \"26:00\")"},
    };
    EXPECT_EQ(CWeekPicture(doc).marks, expected);
}

TEST(WeekText, ListsTheWeekTheMarksTheLegendAndTheHolidays) {
    CQelDoc doc;
    doc.operatingMode = 4;
    doc.SetProductType(1);
    Work(doc, 0, "08:00", "18:00");
    Break(doc, 0, 2, 720, 780, 5);
    Break(doc, 6, 0, 600, 660, 50);
    Program(doc, 1);
    Program(doc, 5);
    doc.pageText[1] = "Benvenuto";
    doc.pageText[5] = "Pranzo";
    doc.openingPage[0] = {1, 2, 5, 3};
    doc.openingPage[1] = {0, 0, 0, 0};
    doc.holidayCount = 1;
    doc.holidayDate[0] = "25/12";
    doc.holidayStart[0] = "00:00";
    doc.holidayEnd[0] = "23:59";
    doc.holidayText[0] = "Natale";

    const CWeekPicture picture(doc);
    std::vector<std::string> expected{
        "Orario Settimanale",
        "Modo Operativo: Auto: l'unit\xE0 segue l'orario settimanale, le pause e le festivit\xE0",
        "Luned\xEC: Orario Lavoro Da 08:00 A 18:00",
        "  Pausa 2: Da 12:00 A 13:00, pagina 05 Pranzo",
        "Marted\xEC: nessun Orario Lavoro",
        "Mercoled\xEC: nessun Orario Lavoro",
        "Gioved\xEC: nessun Orario Lavoro",
        "Venerd\xEC: nessun Orario Lavoro",
        "Sabato: nessun Orario Lavoro",
        "Domenica: nessun Orario Lavoro",
        "  Pausa 0: Da 10:00 A 11:00, pagina 50 (inesistente)",
        "Segnalazioni:",
        "  1. Domenica, Pausa 0 (10:00-11:00): il giorno non ha Orario Lavoro",
        "  2. Domenica, Pausa 0 (10:00-11:00): la pagina 50 non esiste",
        "Legenda:",
    };
    for (const std::string& sentence : picture.legend)
        expected.push_back("  " + sentence);
    for (const char* line : {
             "Pagina Inziale:",
             "  Linea 1: Giorno 01 Benvenuto; Notte 02 (non programmata); Pausa 05 Pranzo; "
             "Festivo 03 (non programmata)",
             "  Linea 2: Giorno 00 (non programmata); Notte 00 (non programmata); Pausa 00 (non "
             "programmata); Festivo 00 (non programmata)",
             "Orario Festivit\xE0:",
             "  25/12, Inizio 00:00, Fine 23:59: Natale",
         })
        expected.push_back(line);
    EXPECT_EQ(WeekText(picture), expected);
    // The legend says what the picture assumes, at least about breaks and holidays.
    EXPECT_GE(picture.legend.size(), 3u);

    CQelDoc empty;
    empty.operatingMode = 4;
    const std::vector<std::string> lines = WeekText(empty);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  Nessuna segnalazione"), lines.end());
    EXPECT_EQ(lines.back(), "  Nessuna festivit\xE0");
}

} // namespace
} // namespace kiv::schedule
