// The report's pages as data: how many pages each selection takes, which
// section falls on which page, and the texts and places of the lines.

#include "report/Report.h"
#include "document/QelDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace kiv::report {
namespace {

std::vector<std::string> Texts(const ReportPage& page) {
    std::vector<std::string> out;
    for (const auto& t : page.texts)
        out.push_back(t.text);
    return out;
}

bool Has(const ReportPage& page, const std::string& text) {
    const auto texts = Texts(page);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

const ReportText* Find(const ReportPage& page, const std::string& text) {
    for (const auto& t : page.texts)
        if (t.text == text) return &t;
    return nullptr;
}

// The text on the same line as `label`, right of it (its value).
std::string ValueOf(const ReportPage& page, const std::string& label) {
    const ReportText* l = Find(page, label);
    if (!l) return "<no " + label + ">";
    for (const auto& t : page.texts)
        if (t.line == l->line && t.column > l->column) return t.text;
    return "<no value>";
}

void Program(CQelDoc& doc, int pageIndex) {
    doc.pages[static_cast<std::size_t>(pageIndex)][3].op = 14; // "Disconnessione"
}

void AddMailboxes(CQelDoc& doc, int count) {
    doc.mboxCount = count;
    for (int i = 0; i < count; ++i) {
        auto& m = doc.mailboxes[static_cast<std::size_t>(i)];
        m.number = std::to_string(100 + i);
        m.slot = static_cast<uint8_t>(i);
        m.password = "6071";
    }
}

struct Printed {
    explicit Printed(int section) { SelectSection(doc, section); }
    int Pages() {
        PreparePrint(doc);
        return doc.printPageCount;
    }
    ReportPage Page(int n) { return BuildPage(doc, n); }
    CQelDoc doc;
};

TEST(ReportPages, CountsFollowTheSelection) {
    // Nothing programmed, no mailbox: the ten fixed pages of "Tutto".
    Printed all(kAll);
    EXPECT_EQ(all.Pages(), 10);
    EXPECT_EQ(all.doc.printAutoPageCount, 0);
    EXPECT_TRUE(Has(all.Page(9), "STATISTICHE"));
    EXPECT_TRUE(Has(all.Page(10), "LISTA DEI MESSAGGI"));
    EXPECT_TRUE(all.Page(11).texts.empty());

    // Seven programmed pages take three sheets of three.
    for (int i : {0, 4, 5, 21, 27, 30, 38})
        Program(all.doc, i);
    EXPECT_EQ(all.Pages(), 13);
    EXPECT_EQ(all.doc.printAutoPageCount, 3);
    EXPECT_EQ(all.doc.printPages[6], 38);
    EXPECT_EQ(all.doc.printPages[7], -1);
    Printed autoAtt(kAutoAttendant);
    autoAtt.doc.pages = all.doc.pages;
    EXPECT_EQ(autoAtt.Pages(), 5);
    EXPECT_TRUE(Has(autoAtt.Page(4), "PAGINA INIZIALE"));
    EXPECT_TRUE(Has(autoAtt.Page(5), "STATO PAGINA"));

    // 32 mailboxes a sheet; an empty list still prints its (empty) sheet.
    Printed list(kMailboxes);
    EXPECT_EQ(list.Pages(), 1);
    AddMailboxes(list.doc, 32);
    EXPECT_EQ(list.Pages(), 1);
    AddMailboxes(list.doc, 33);
    EXPECT_EQ(list.Pages(), 2);
    EXPECT_TRUE(Has(list.Page(2), "132"));
    EXPECT_FALSE(Has(list.Page(1), "132"));
    AddMailboxes(list.doc, 128);
    EXPECT_EQ(list.Pages(), 4);
    AddMailboxes(all.doc, 33);
    EXPECT_EQ(all.Pages(), 15);
    EXPECT_TRUE(Has(all.Page(12), "LISTA CASELLE"));
    EXPECT_TRUE(Has(all.Page(13), "LISTA CASELLE"));
    EXPECT_TRUE(Has(all.Page(14), "STATISTICHE"));

    // A message list with no marked message is one page.
    Printed messages(kMessages);
    EXPECT_EQ(messages.doc.printPageCount, 1);
    EXPECT_EQ(messages.Pages(), 1);

    // The fixed counts of the other items.
    for (auto [section, pages] : {std::pair{kPbx, 2},
                                  {kSystem, 1},
                                  {kInBand, 1},
                                  {kSchedule, 2},
                                  {kNotification, 1},
                                  {kStatistics, 1}}) {
        Printed p(section);
        EXPECT_EQ(p.doc.printPageCount, pages) << section;
        EXPECT_EQ(p.Pages(), pages) << section;
    }
    // 6 is no section: the selection stays.
    SelectSection(all.doc, 6);
    EXPECT_EQ(all.doc.printSection, kAll);
}

TEST(ReportPages, AllSectionsInReportOrder) {
    Printed all(kAll);
    Program(all.doc, 2);
    ASSERT_EQ(all.Pages(), 11);
    const std::vector<std::string> headings{
        "PARAMETRI PBX",     "PARAMETRI PBX",      "PROTOCOLLO IN-BAND DTMF", "ORA E DATA",
        "ORARIO FESTIVITA'", "PARAMETRI NOTIFICA", "OPERATORE AUTOMATICO",    "PAGINA INIZIALE",
        "STATO PAGINA",      "STATISTICHE",        "LISTA DEI MESSAGGI"};
    for (int n = 1; n <= 11; ++n) {
        const ReportPage page = all.Page(n);
        ASSERT_FALSE(page.texts.empty()) << n;
        EXPECT_EQ(page.texts.front().text, headings[static_cast<std::size_t>(n - 1)]) << n;
    }
    EXPECT_TRUE(Has(all.Page(2), "PARAMETRI SISTEMA"));
    EXPECT_TRUE(Has(all.Page(4), "ORARIO SETTIMANALE"));
    EXPECT_TRUE(Has(all.Page(6), "PARAMETRI CASELLE"));
    EXPECT_TRUE(Has(all.Page(7), "Messaggio Pagina Numero: 2"));
}

TEST(ReportLayout, HeadingLabelsAndValuesStandWhereTheLayoutPutsThem) {
    Printed pbx(kPbx);
    pbx.Pages();
    const ReportPage first = pbx.Page(1);
    // Heading 2.5 lines down at column 25; first line 4 lines below it; then 1.5 apart.
    EXPECT_EQ(first.texts[0], (ReportText{25, 2.5, "PARAMETRI PBX"}));
    EXPECT_EQ(first.texts[1], (ReportText{2, 6.5, "Interni"}));
    EXPECT_EQ(first.texts[2], (ReportText{2, 8.0, "N. Cifre Interni"}));
    EXPECT_EQ(first.texts[3], (ReportText{40, 8.0, ": 3"}));
    EXPECT_EQ(ValueOf(first, "Flash1"), ": 600 msec");
    EXPECT_EQ(ValueOf(first, "Flash2"), ": 1200 msec");
    EXPECT_EQ(ValueOf(first, "Tempo di attesa per Mancata Risposta"), ": 20 sec");
    EXPECT_EQ(ValueOf(first, "Sensibilit\xE0 Voce"), ": 5");
    EXPECT_EQ(ValueOf(first, "Tipo Supervisione Trasferte"), ": Toni Controllo Chiamata");
    // Range g and g + 5 side by side: groups 1 and 6 on one line.
    ASSERT_TRUE(Find(first, "Gruppo 1 :") && Find(first, "Gruppo 6 :"));
    EXPECT_EQ(Find(first, "Gruppo 1 :")->line, Find(first, "Gruppo 6 :")->line);

    // With the PBX parameters' second page, the system parameters start
    // 2 x 2.5 + 10 x 1.5 lines down: their heading at 22.5.
    Printed all(kAll);
    all.Pages();
    const ReportPage second = all.Page(2);
    const ReportText* system = Find(second, "PARAMETRI SISTEMA");
    ASSERT_TRUE(system);
    EXPECT_EQ(system->line, 22.5);
    EXPECT_EQ(system->column, 25);
    EXPECT_EQ(ValueOf(second, "Tempo Massimo Registrazione"), ": 2 min");
    EXPECT_EQ(ValueOf(second, "Controllo Volume Automatico"), ": Abilit.");
    // Alone, they start at the top.
    Printed sys(kSystem);
    sys.Pages();
    EXPECT_EQ(sys.Page(1).texts[0], (ReportText{25, 2.5, "PARAMETRI SISTEMA"}));
}

TEST(ReportSections, InitialPagesShowTheProductTypesLines) {
    Printed p(kAutoAttendant);
    p.doc.openingPage[1][3] = 17;
    p.doc.dialStrings[19] = "0612345";
    p.Pages();
    const ReportPage four = p.Page(1);
    EXPECT_TRUE(Has(four, "Linea 4"));
    EXPECT_TRUE(Has(four, "17"));
    EXPECT_TRUE(Has(four, "0612345"));
    p.doc.SetProductType(1);
    const ReportPage two = p.Page(1);
    EXPECT_TRUE(Has(two, "Linea 2"));
    EXPECT_FALSE(Has(two, "Linea 3"));
    EXPECT_FALSE(Has(two, "Linea 4"));
}

TEST(ReportSections, MailboxListHidesPasswordsAndCutsLongNumbers) {
    Printed p(kMailboxes);
    AddMailboxes(p.doc, 3);
    p.doc.mailboxes[1].password = "1234";
    p.doc.mailboxes[1].phone = "01234567890"; // eleven characters
    p.doc.mailboxes[1].phoneEnabled = 1;
    p.doc.mailboxes[2].pager = "0123456789"; // exactly ten
    p.doc.mailboxes[2].type = 1;
    p.doc.mailboxes[2].language = 2;
    p.Pages();
    const ReportPage page = p.Page(1);
    EXPECT_EQ(ValueOf(page, "100"), "Reale");
    const ReportText* second = Find(page, "101");
    ASSERT_TRUE(second);
    std::vector<std::string> row;
    for (const auto& t : page.texts)
        if (t.line == second->line) row.push_back(t.text);
    EXPECT_EQ(row, (std::vector<std::string>{"101", "Reale", "No", "****", "Nessuna", "No",
                                             "Si 0123456789...", "No  ", "No", "Si", "Primo"}));
    EXPECT_TRUE(Has(page, "6071"));
    EXPECT_TRUE(Has(page, "No 0123456789"));
    EXPECT_TRUE(Has(page, "Virt."));
    EXPECT_TRUE(Has(page, "Terzo"));
}

TEST(ReportSections, AutoAttendantPrintsPageNumbersOperatorAndDestinations) {
    Printed p(kAutoAttendant);
    CQelDoc& doc = p.doc;
    AddMailboxes(doc, 2);
    doc.operatorKey = 0;
    doc.pageText[5] = "Benvenuti";
    auto& page5 = doc.pages[5];
    page5[1] = {1, {26, 0, 0, 0}, 1};  // "Vai a Pagina" 26
    page5[2] = {7, {1, 0, 0, 0}, 1};   // to the mailbox in slot 1: "101"
    page5[4] = {18, {12, 0, 0, 0}, 1}; // dial string 12
    doc.pages[27][5].op = 12;          // page 31
    doc.pageTimeout[5] = 7;
    p.Pages();
    const ReportPage sheet = p.Page(1);
    EXPECT_EQ(ValueOf(sheet, "Messaggio Pagina Numero: 5"), "Benvenuti");
    EXPECT_EQ(ValueOf(sheet, "Messaggio Pagina Numero: 31"),
              "Occupato con Casella - Seconda Lingua");
    const ReportText* key0 = Find(sheet, "0");
    ASSERT_TRUE(key0);
    EXPECT_EQ(ValueOf(sheet, "0"), "Operatore");
    EXPECT_EQ(ValueOf(sheet, "Tempo Timeout"), ": 7 sec");
    const auto texts = Texts(sheet);
    for (const char* t : {"26", "101", "12", "Vai a Pagina", "Trasferta ad una Casella",
                          "Compone una Stringa", "Lasciare un Messaggio", "Timeout"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), t), texts.end()) << t;

    // Page status: page numbers, programmed and recorded.
    doc.pageState[27] = 1;
    const ReportPage status = p.Page(3);
    const ReportText* p31 = Find(status, "31");
    ASSERT_TRUE(p31);
    std::vector<std::string> row;
    for (const auto& t : status.texts)
        if (t.line == p31->line) row.push_back(t.text);
    EXPECT_EQ(row, (std::vector<std::string>{"31", "Yes", "Yes",
                                             "Occupato con Casella - Seconda Lingua"}));
    EXPECT_EQ(ValueOf(status, "04"), "No");
}

TEST(ReportSections, InBandScheduleAndNotificationValues) {
    Printed p(kAll);
    CQelDoc& doc = p.doc;
    AddMailboxes(doc, 2);
    doc.inBand[3] = {9, {'*', '7'}, 2, {1}, 1};        // to the mailbox in slot 1
    doc.inBand[5] = {8, {'#'}, 1, {'2', '1', '5'}, 3}; // to extension 215
    doc.clockHour = 9;
    doc.clockMinute = 5;
    doc.clockDay = 3;
    doc.clockMonth = 4;
    doc.clockYear = 2026;
    doc.workHours[2] = "08:30";
    doc.breaks[4][9] = {12 * 60, 12 * 60 + 30, 5};
    doc.holidayCount = 2;
    doc.holidayDate[0] = "25/12";
    doc.holidayText[0] = "Natale";
    doc.extNotifyStart = 8 * 60 + 15;
    doc.listenKey = 4;
    p.Pages();

    const ReportPage inBand = p.Page(3);
    EXPECT_EQ(ValueOf(inBand, "3"), "*7");
    EXPECT_EQ(ValueOf(inBand, "*7"), "Trasferta ad una Casella");
    EXPECT_EQ(ValueOf(inBand, "Trasferta ad una Casella"), "101");
    EXPECT_EQ(ValueOf(inBand, "Trasferta ad un Interno"), "215");
    EXPECT_FALSE(Has(inBand, "0")); // events without an operation are left out
    EXPECT_EQ(ValueOf(inBand, "Massimo Ritardo tra DTMF"), ": 500 msec");

    const ReportPage week = p.Page(4);
    EXPECT_EQ(ValueOf(week, "Ora di Sistema"), ": 09:05");
    EXPECT_EQ(ValueOf(week, "Data di Sistema"), ": 03/04/2026");
    EXPECT_EQ(ValueOf(week, "Modo Operativo"), ": Giorno");
    EXPECT_EQ(ValueOf(week, "Mercoled\xEC"), "Da");
    EXPECT_TRUE(Has(week, "08:30"));
    EXPECT_TRUE(Has(week, "Domenica"));
    EXPECT_TRUE(Has(week, "12:30"));
    EXPECT_TRUE(Has(week, "Pagona"));

    const ReportPage holidays = p.Page(5);
    EXPECT_EQ(ValueOf(holidays, "25/12"), "Natale");
    EXPECT_TRUE(Has(holidays, "00/00")); // the second holiday has no date

    const ReportPage notify = p.Page(6);
    EXPECT_EQ(ValueOf(notify, "Inizio Notifica Esterna alle"), ": 08:15");
    EXPECT_EQ(ValueOf(notify, "Tasto Ascolto Messaggi"), ": 4");
    EXPECT_EQ(ValueOf(notify, "Durata Notifica Squillo"), ": Breve");
}

// Unit data placed by hand at their offsets: mailbox record m with its number
// digits at 19-22 and its message counts at 0-1; slot s with its status at
// 123 + s and its record index at 23 + 2s; message record j with its length at
// 3-4, hour 10, minute 11, month 12, day 13.
void Messages(CQelDoc& doc, std::size_t m, std::array<uint8_t, 4> digits, int held, int empty) {
    auto& r = doc.msgMboxData[m];
    r[0] = static_cast<uint8_t>(held + empty);
    for (std::size_t i = 0; i < 4; ++i)
        r[19 + i] = digits[i];
    for (int s = 0; s < held + empty; ++s) {
        const auto j = static_cast<std::size_t>(doc.msgCount);
        const auto slot = static_cast<std::size_t>(s);
        r[123 + slot] = s < held ? (s % 2 ? 0x82 : 0x80) : 0x02;
        r[23 + 2 * slot] = static_cast<uint8_t>(j >> 8);
        r[24 + 2 * slot] = static_cast<uint8_t>(j & 0xFF);
        auto& msg = doc.msgData[j];
        msg[3] = 0x01; // 0x014A = 330: ten seconds
        msg[4] = 0x4A;
        msg[10] = 14;
        msg[11] = 7;
        msg[12] = 3;
        msg[13] = 5;
        ++doc.msgCount;
    }
    doc.msgMboxCount = static_cast<int32_t>(m) + 1;
}

TEST(ReportSections, MessageListTakesFiftyMarkedMessagesASheet) {
    Printed p(kMessages);
    Messages(p.doc, 0, {1, 0, 1, 255}, 30, 3);
    Messages(p.doc, 1, {2, 0, 7, 255}, 20, 0);
    SelectSection(p.doc, kMessages);
    EXPECT_EQ(p.doc.printPageCount, 1);
    EXPECT_EQ(p.Pages(), 1);
    const ReportPage one = p.Page(1);
    ASSERT_TRUE(Find(one, "101"));
    std::vector<std::string> row;
    for (const auto& t : one.texts)
        if (t.line == Find(one, "101")->line) row.push_back(t.text);
    EXPECT_EQ(row, (std::vector<std::string>{"101", "05 / 03", "14 : 07", "00:10", "Nuovo"}));
    EXPECT_TRUE(Has(one, "Arch."));
    EXPECT_EQ(one.texts.size(), 1 + 5 + 50 * 5u); // heading, column heads, 50 rows

    // The 51st marked message opens a second sheet, here and at the end of "Tutto".
    Messages(p.doc, 2, {3, 0, 0, 255}, 1, 0);
    SelectSection(p.doc, kMessages);
    EXPECT_EQ(p.doc.printPageCount, 2);
    EXPECT_EQ(p.Pages(), 2);
    EXPECT_TRUE(Has(p.Page(2), "300"));
    EXPECT_FALSE(Has(p.Page(1), "300"));
    SelectSection(p.doc, kAll);
    EXPECT_EQ(p.Pages(), 11);
    EXPECT_TRUE(Has(p.Page(9), "STATISTICHE"));
    EXPECT_TRUE(Has(p.Page(10), "207"));
    EXPECT_TRUE(Has(p.Page(11), "300"));
}

TEST(ReportSections, StatisticsFromTheUnitData) {
    Printed p(kStatistics);
    CQelDoc& doc = p.doc;
    doc.unitStatus[11] = 0x0E; // A = 3600 s
    doc.unitStatus[12] = 0x10;
    doc.unitStatus[13] = 0x03; // B = 900 s
    doc.unitStatus[14] = 0x84;
    doc.callsPerLine = {11, 22, 33, 44};
    doc.unitVersion = "745";
    Messages(doc, 0, {1, 0, 1, 255}, 3, 0); // two new, one archived, ten seconds each
    p.Pages();
    ReportPage page = p.Page(1);
    EXPECT_EQ(ValueOf(page, "Tempo Totale"), ": 01:00 ore:min");
    EXPECT_EQ(ValueOf(page, "Tempo Usato"), ": 00:45 ore:min");
    EXPECT_EQ(ValueOf(page, "Percentuale in Uso"), ": 75 %");
    EXPECT_EQ(ValueOf(page, "Tempo Rimasto"), ": 00:15 ore:min");
    EXPECT_EQ(ValueOf(page, "Numero di Lingue"), ": Nessuna");
    EXPECT_EQ(ValueOf(page, "Lungh. Totale Nuovi Messaggi"), ": 00:00:20 ore:min:sec");
    EXPECT_EQ(ValueOf(page, "Lungh. Totale Messaggi Archiviati"), ": 00:00:10 ore:min:sec");
    EXPECT_EQ(ValueOf(page, "Numero Totale dei Nuovi Messaggi"), ": 2");
    EXPECT_EQ(ValueOf(page, "Numero Totale dei Messaggi Archiviati"), ": 1");
    EXPECT_EQ(ValueOf(page, "Numero Totale di Messaggi"), ": 3");
    EXPECT_EQ(ValueOf(page, "Versione Prodotto"), ": 7.45");
    // Every line's calls, in service or not; two lines for "RZ 48 Mbx".
    EXPECT_EQ(ValueOf(page, "4"), "44");
    doc.SetProductType(1);
    doc.languageCode = {3, 255, 255};
    page = p.Page(1);
    EXPECT_EQ(ValueOf(page, "2"), "22");
    EXPECT_FALSE(Has(page, "33"));
    EXPECT_EQ(ValueOf(page, "Numero di Lingue"), ": 1");
}

TEST(ReportHeader, PageNumberAndItalianDate) {
    EXPECT_EQ(PageNumberText(12), "Pagina 12");
    EXPECT_EQ(DateText(LocalTime{2026, 12, 7}), "07 dicembre 2026");
    EXPECT_EQ(DateText(LocalTime{2027, 1, 31}), "31 gennaio 2027");
}

} // namespace
} // namespace kiv::report
