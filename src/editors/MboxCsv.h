#pragma once
// The mailbox list to and from a CSV file (RFC 4180, UTF-8), so that a site's
// mailboxes can be provisioned from a spreadsheet. One header row of stable
// column names, then one row per mailbox in the editor's display form (the
// password as the list shows it: the default or "****"; numbers shown empty
// when blank; telephone and pager numbers written as ="0123" so that a
// spreadsheet keeps them as text, read back in either form). The reader also takes the semicolon
// variant spreadsheets write in many locales and a leading byte order mark.
//
// An import checks every row with the mailbox editor's own rules and the
// product's limit, and changes the working copy only when every row is good.
// A row whose number is already in the list replaces that mailbox's fields in
// place (its slot, hidden fields and every reference stay); any other row is
// added as "&Aggiungi" adds a mailbox.

#include "document/Records.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kiv::editors {

class CMboxList;

inline constexpr int kMboxCsvColumnCount = 13;
// The header's column names, in the order an export writes them.
extern const std::array<const char*, kMboxCsvColumnCount> kMboxCsvColumns;

// --- Plain CSV ---------------------------------------------------------------

struct CsvRecord {
    int line = 0; // 1-based line of the file where the record starts
    std::vector<std::string> fields;
};

struct CsvReadResult {
    std::vector<CsvRecord> records; // blank lines are skipped
    // A quoting fault ends the reading: its line, 0 when the text was read whole.
    int errorLine = 0;
};

// Reads CSV text: a leading UTF-8 byte order mark is skipped; the separator is
// ";" when the first line holds more semicolons than commas (outside quotes),
// else ","; records end with CRLF or LF; quoted fields may hold separators,
// line breaks and doubled quotes.
CsvReadResult ReadCsv(std::string_view text);

// One record with CRLF; a field is quoted when it holds a comma, a semicolon,
// a quote, a line break or a leading or trailing blank.
std::string WriteCsvRecord(const std::vector<std::string>& fields);

// --- Mailboxes ---------------------------------------------------------------

// The header and one row per mailbox, in the order given. Texts are turned
// from code page 1252 into UTF-8.
std::string ExportMboxCsv(std::span<const MboxRecord> mailboxes);

// A refused row: its line, the column whose value is wrong (empty when the
// row as a whole is, as a wrong column count or a full list), and what is
// wrong with the value, in the editors' language.
struct CsvRowError {
    int line = 0;
    std::string column;  // the header's name ("phone")
    std::string message; // code page 1252
};

struct MboxCsvImport {
    std::vector<CsvRowError> errors; // every faulty row, in file order
    int replaced = 0;                // rows that matched a mailbox by number
    int added = 0;
    bool changed = false; // some mailbox differs from before
    bool Ok() const { return errors.empty(); }
};

// Checks every row and, when all are good, applies them to `list`; otherwise
// `list` is left exactly as it was.
MboxCsvImport ImportMboxCsv(CMboxList& list, std::string_view csv);

// "Riga N, colonna C: message" ("Riga N: message" without a column).
std::string CsvErrorLine(const CsvRowError& error);
// CsvErrorLine of each error, one per line (code page 1252).
std::string CsvErrorText(const std::vector<CsvRowError>& errors);

} // namespace kiv::editors
