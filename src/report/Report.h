#pragma once
// The configuration report as data: which sections fall on which page, and
// every text of a page with its place. A renderer turns the places into
// device units with the font it prints in, so that the layout follows the
// font's metrics and nothing here knows of a printer.
//
// Places: a text's left edge is given in average character widths from the
// left of the drawing area, its top in line heights (the font's height plus
// its external leading) from the top of the page. The page header is the
// renderer's own (fixed positions, see ReportRenderer).

#include "document/Clock.h"

#include <string>
#include <vector>

namespace kiv {

class CQelDoc;

namespace report {

// Section codes of the print selection.
enum Section : int {
    kAll = 0,
    kPbx = 1,
    kSystem = 2,
    kInBand = 3,
    kAutoAttendant = 4,
    kSchedule = 5,
    kNotification = 7,
    kMailboxes = 8,
    kStatistics = 9,
    kMessages = 10,
};
bool IsSection(int code);

inline constexpr int kPagesPerSheet = 3;      // auto-attendant pages per printed page
inline constexpr int kMailboxesPerSheet = 32; // mailbox list rows per printed page
inline constexpr int kMessagesPerSheet = 50;  // message list rows per printed page

struct ReportText {
    double column = 0; // average character widths from the left
    double line = 0;   // line heights from the top of the page
    std::string text;  // code page 1252
    bool operator==(const ReportText&) const = default;
};

struct ReportPage {
    std::vector<ReportText> texts;
};

// What the submenu item of section `code` does: sets the section and the page
// count it sets (the message list computes its own).
void SelectSection(CQelDoc& doc, int code);

// Called when printing starts: recomputes the page list, the auto-attendant
// page count and the page count of the selected section.
void PreparePrint(CQelDoc& doc);

// Printed pages the mailbox list takes for `mboxCount` mailboxes (0 for
// none), and the marked messages' pages (at least 1).
int MailboxSheets(int mboxCount);
int MessageSheets(int markedMessages);
// Messages whose slot status has its top bit set.
int MarkedMessageCount(const CQelDoc& doc);

// The body of page `number` (1 to the page count) of the prepared
// selection. A number outside the report gives an empty page.
ReportPage BuildPage(const CQelDoc& doc, int number);

// Header texts: "Pagina 3" and the date "%d %B %Y" in Italian ("07 dicembre
// 2026").
std::string PageNumberText(int number);
std::string DateText(const LocalTime& date);

} // namespace report
} // namespace kiv
