#include "editors/MboxCsv.h"

#include "document/Cp1252.h"
#include "editors/MboxEdit.h"
#include "editors/MboxList.h"
#include "editors/Texts.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

namespace kiv::editors {

const std::array<const char*, kMboxCsvColumnCount> kMboxCsvColumns{
    "number",         "type",      "attendant",     "password", "internal_notification",
    "authorised",     "phone",     "phone_enabled", "pager",    "pager_enabled",
    "do_not_disturb", "date_time", "language",
};

namespace {

enum Column {
    kNumber,
    kType,
    kAttendant,
    kPassword,
    kLocalNotify,
    kAllowed,
    kPhone,
    kPhoneEnabled,
    kPager,
    kPagerEnabled,
    kDnd,
    kTimeStamp,
    kLanguage,
};

constexpr std::string_view kBom = "\xEF\xBB\xBF";

char GuessSeparator(std::string_view text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n') break;
        commas += c == ',';
        semicolons += c == ';';
    }
    return semicolons > commas ? ';' : ',';
}

bool IsBlankRecord(const std::vector<std::string>& fields) {
    return fields.size() == 1 && fields[0].empty();
}

std::string Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return std::string(s.substr(first, last - first + 1));
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// A coded value written as its decimal number, lo..hi.
std::optional<int> Code(const std::string& field, int lo, int hi) {
    const std::string t = Trimmed(field);
    if (t.size() != 1 || t[0] < '0' || t[0] > '9') return std::nullopt;
    const int v = t[0] - '0';
    if (v < lo || v > hi) return std::nullopt;
    return v;
}

std::string Utf8(const std::string& cp1252) {
    return Cp1252ToUtf8(cp1252);
}

// Telephone and pager numbers are texts: a spreadsheet that opens the file
// would take "0039021234" for a number (the leading zeros lost, long ones
// shown as 3.9E+09). Written as the formula ="0039021234" every spreadsheet
// keeps the digits as text; the reader takes both forms.
std::string TextForSpreadsheet(const std::string& utf8) {
    return utf8.empty() ? utf8 : "=\"" + utf8 + "\"";
}

std::string TextFromSpreadsheet(const std::string& value) {
    if (value.size() >= 3 && value.starts_with("=\"") && value.back() == '"')
        return value.substr(2, value.size() - 3);
    return value;
}

} // namespace

CsvReadResult ReadCsv(std::string_view text) {
    CsvReadResult out;
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    const char sep = GuessSeparator(text);

    int line = 1;
    CsvRecord record{line, {}};
    std::string field;
    std::size_t i = 0;
    const auto endRecord = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
        if (!IsBlankRecord(record.fields)) out.records.push_back(std::move(record));
        record = CsvRecord{line, {}};
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && field.empty()) {
            // A quoted field: up to the quote not followed by another quote.
            const int startLine = line;
            ++i;
            bool closed = false;
            while (i < text.size()) {
                const char q = text[i++];
                if (q == '"') {
                    if (i < text.size() && text[i] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    closed = true;
                    break;
                }
                if (q == '\n') ++line;
                field += q;
            }
            if (!closed) {
                out.errorLine = startLine;
                return out;
            }
            // Only a separator or the end of the record may follow.
            if (i < text.size() && text[i] != sep && text[i] != '\n' &&
                !(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                out.errorLine = line;
                return out;
            }
            continue;
        }
        if (c == '"') {
            out.errorLine = line;
            return out;
        }
        if (c == sep) {
            record.fields.push_back(std::move(field));
            field.clear();
            ++i;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        if (c == '\n') {
            ++i;
            ++line;
            endRecord();
            continue;
        }
        field += c;
        ++i;
    }
    if (!field.empty() || !record.fields.empty()) endRecord();
    return out;
}

std::string WriteCsvRecord(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        const std::string& s = fields[f];
        if (f) out += ',';
        const bool quote = s.find_first_of(",;\"\r\n") != std::string::npos ||
                           (!s.empty() && (s.front() == ' ' || s.back() == ' '));
        if (!quote) {
            out += s;
            continue;
        }
        out += '"';
        for (char c : s) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
    return out;
}

std::string ExportMboxCsv(std::span<const MboxRecord> mailboxes) {
    std::string out =
        WriteCsvRecord(std::vector<std::string>(kMboxCsvColumns.begin(), kMboxCsvColumns.end()));
    const auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
    for (const MboxRecord& r : mailboxes) {
        // The fields as the editor shows them.
        const CMboxEdit shown(r, 0, false);
        std::vector<std::string> row(kMboxCsvColumnCount);
        row[kNumber] = Utf8(r.number);
        row[kType] = std::to_string(shown.type);
        row[kAttendant] = flag(shown.announcer);
        row[kPassword] = shown.password;
        row[kLocalNotify] = std::to_string(shown.localNotify);
        row[kAllowed] = flag(shown.allowed);
        row[kPhone] = TextForSpreadsheet(Utf8(shown.phone));
        row[kPhoneEnabled] = flag(shown.phoneEnabled);
        row[kPager] = TextForSpreadsheet(Utf8(shown.pager));
        row[kPagerEnabled] = flag(shown.pagerEnabled);
        row[kDnd] = flag(shown.dnd);
        row[kTimeStamp] = flag(shown.timeStamp);
        row[kLanguage] = std::to_string(shown.language);
        out += WriteCsvRecord(row);
    }
    return out;
}

namespace {

// Where each column sits in the file's rows; the first fault of the header.
struct HeaderMap {
    std::array<int, kMboxCsvColumnCount> at{};
    std::string error;
};

HeaderMap ReadHeader(const std::vector<std::string>& names) {
    HeaderMap h;
    h.at.fill(-1);
    for (std::size_t f = 0; f < names.size(); ++f) {
        const std::string name = Lower(Trimmed(names[f]));
        const auto it = std::find(kMboxCsvColumns.begin(), kMboxCsvColumns.end(), name);
        if (it == kMboxCsvColumns.end() ||
            h.at[static_cast<std::size_t>(it - kMboxCsvColumns.begin())] >= 0) {
            std::string text;
            Utf8ToCp1252(names[f], text);
            h.error = texts::kCsvUnknownColumn + text;
            return h;
        }
        h.at[static_cast<std::size_t>(it - kMboxCsvColumns.begin())] = static_cast<int>(f);
    }
    for (std::size_t c = 0; c < kMboxCsvColumnCount; ++c)
        if (h.at[c] < 0) {
            h.error = std::string(texts::kCsvMissingColumn) + kMboxCsvColumns[c];
            return h;
        }
    return h;
}

// A message with its "%s" and "%d" filled, in order, by `values`.
std::string Fill(std::string_view format, std::initializer_list<std::string> values) {
    std::string out;
    auto value = values.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const bool slot = format[i] == '%' && i + 1 < format.size() &&
                          (format[i + 1] == 's' || format[i + 1] == 'd');
        if (slot && value != values.end()) {
            out += *value++;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

// A value quoted in a message: long ones are cut.
std::string Quoted(const std::string& value) {
    constexpr std::size_t kShown = 40;
    return value.size() <= kShown ? value : value.substr(0, kShown) + "...";
}

// One fault of a row: the column (-1 for the row as a whole) and the reason.
struct RowFault {
    int column = -1;
    std::string message;
};

// Why a telephone or pager number is refused, saying what of the value is
// wrong (the editor's own check only says "Errore inserimento").
std::string NotifyNumberFault(const std::string& value, bool allowed, const char* accepted,
                              int maxLength) {
    if (!allowed) return Fill(texts::kCsvNotAuthorised, {Quoted(value)});
    if (static_cast<int>(value.size()) > maxLength)
        return Fill(texts::kCsvTooLong, {Quoted(value), std::to_string(maxLength)});
    for (char c : value)
        if (std::string_view(accepted).find(c) == std::string_view::npos)
            return Fill(texts::kCsvBadChar, {Quoted(value), std::string(1, c), accepted});
    return texts::kInputError;
}

// The editor's refusal of a row, told as the column and the fault of its value.
RowFault CheckFault(const CMboxEdit& ed, const FieldError<MboxField>& failed, int extDigits) {
    switch (failed.field) {
    case MboxField::Number:
        return {kNumber,
                Fill(texts::kCsvBadNumber, {Quoted(ed.number), std::to_string(extDigits)})};
    case MboxField::LocalNotify:
        return {kLocalNotify, failed.message};
    case MboxField::Dnd:
        return {kDnd, failed.message};
    case MboxField::Phone:
        if (failed.message != texts::kInputError) return {kPhoneEnabled, failed.message};
        return {kPhone, NotifyNumberFault(ed.phone, ed.allowed, chars::kPhone, kPhoneMaxLength)};
    case MboxField::Pager:
        if (failed.message != texts::kInputError) return {kPagerEnabled, failed.message};
        return {kPager, NotifyNumberFault(ed.pager, ed.allowed, chars::kPager, kPagerMaxLength)};
    default:
        return {-1, failed.message};
    }
}

// The row's values put into the editor over `original`; the first fault, or
// none with the editor ready for its own checks.
std::optional<RowFault> FillEditor(CMboxEdit& ed, const std::vector<std::string>& fields,
                                   const HeaderMap& h) {
    std::array<std::string, kMboxCsvColumnCount> v;
    for (std::size_t c = 0; c < kMboxCsvColumnCount; ++c) {
        if (!Utf8ToCp1252(fields[static_cast<std::size_t>(h.at[c])], v[c]))
            return RowFault{static_cast<int>(c), texts::kCsvBadCharacters};
    }
    // The coded columns: each a single digit in its range.
    struct Coded {
        Column column;
        int hi;
        int value = 0;
    };
    std::array<Coded, 9> coded{{{kType, 1},
                                {kAttendant, 1},
                                {kLocalNotify, 4},
                                {kAllowed, 1},
                                {kPhoneEnabled, 1},
                                {kPagerEnabled, 1},
                                {kDnd, 1},
                                {kTimeStamp, 1},
                                {kLanguage, 2}}};
    for (Coded& c : coded) {
        const std::string& value = v[c.column];
        const auto code = Code(value, 0, c.hi);
        if (!code)
            return RowFault{c.column,
                            Fill(texts::kCsvCodeRange, {Quoted(value), "0", std::to_string(c.hi)})};
        c.value = *code;
    }
    // The editor offers only the default password or the stored one ("****").
    const std::string password = Trimmed(v[kPassword]);
    if (password == kDefaultMboxPassword)
        ed.password = kDefaultMboxPassword;
    else if (password.empty() || password == texts::kHiddenPassword)
        ed.password = texts::kHiddenPassword;
    else
        return RowFault{kPassword, texts::kCsvPassword};
    if (ed.NumberEnabled()) ed.number = Trimmed(v[kNumber]);
    ed.type = coded[0].value;
    ed.announcer = coded[1].value != 0;
    ed.localNotify = coded[2].value;
    ed.allowed = coded[3].value != 0;
    ed.phoneEnabled = coded[4].value != 0;
    ed.phone = TextFromSpreadsheet(v[kPhone]);
    ed.pagerEnabled = coded[5].value != 0;
    ed.pager = TextFromSpreadsheet(v[kPager]);
    ed.dnd = coded[6].value != 0;
    ed.timeStamp = coded[7].value != 0;
    ed.language = coded[8].value;
    return std::nullopt;
}

int RowOf(const CMboxList& list, std::string_view number) {
    for (int i = 0; i < list.Count(); ++i)
        if (list.Record(i).number == number) return i;
    return -1;
}

} // namespace

MboxCsvImport ImportMboxCsv(CMboxList& list, std::string_view csv) {
    MboxCsvImport out;
    const CsvReadResult read = ReadCsv(csv);
    if (read.errorLine > 0) {
        out.errors.push_back({read.errorLine, {}, texts::kCsvBadQuotes});
        return out;
    }
    if (read.records.empty()) {
        out.errors.push_back({1, {}, std::string(texts::kCsvMissingColumn) + kMboxCsvColumns[0]});
        return out;
    }
    const HeaderMap header = ReadHeader(read.records.front().fields);
    if (!header.error.empty()) {
        out.errors.push_back({read.records.front().line, {}, header.error});
        return out;
    }

    // Rows go into a copy, so that a fault anywhere leaves the list alone.
    CMboxList work = list;
    std::map<std::string, int> seen; // number -> line
    for (std::size_t r = 1; r < read.records.size(); ++r) {
        const CsvRecord& rec = read.records[r];
        const auto fail = [&](int column, std::string message) {
            out.errors.push_back(
                {rec.line,
                 column < 0 ? std::string() : kMboxCsvColumns[static_cast<std::size_t>(column)],
                 std::move(message)});
        };
        if (rec.fields.size() != kMboxCsvColumnCount) {
            fail(-1, Fill(texts::kCsvFieldCount, {std::to_string(rec.fields.size()),
                                                  std::to_string(kMboxCsvColumnCount)}));
            continue;
        }
        std::string number;
        if (!Utf8ToCp1252(Trimmed(rec.fields[static_cast<std::size_t>(header.at[kNumber])]),
                          number)) {
            fail(kNumber, texts::kCsvBadCharacters);
            continue;
        }
        if (const auto [at, first] = seen.emplace(number, rec.line); !first) {
            fail(kNumber, Fill(texts::kCsvRepeated, {Quoted(number), std::to_string(at->second)}));
            continue;
        }
        const int row = RowOf(work, number);
        MboxRecord start = NewMboxTemplate();
        if (row >= 0) start = work.Record(row);
        CMboxEdit ed(start, work.extDigits, row < 0);
        if (const auto bad = FillEditor(ed, rec.fields, header)) {
            fail(bad->column, bad->message);
            continue;
        }
        if (auto failed = ed.Check()) {
            const RowFault fault = CheckFault(ed, *failed, work.extDigits);
            fail(fault.column, fault.message);
            continue;
        }
        if (row >= 0) {
            work.Change(row, ed.Result());
            ++out.replaced;
        } else if (std::string refused = work.Add(ed.Result()); !refused.empty()) {
            // The list is full (or the number does not suit it).
            fail(refused == texts::kInvalidMboxNumber ? kNumber : -1,
                 refused == texts::kInvalidMboxNumber
                     ? Fill(texts::kCsvBadNumber, {Quoted(number), std::to_string(work.extDigits)})
                     : refused);
        } else {
            ++out.added;
        }
    }
    if (!out.errors.empty()) {
        out.replaced = 0;
        out.added = 0;
        return out;
    }
    out.changed = work.Count() != list.Count() ||
                  !std::equal(work.mailboxes.begin(), work.mailboxes.begin() + work.Count(),
                              list.mailboxes.begin());
    if (out.changed) {
        work.currentRow = list.currentRow;
        list = work;
    }
    return out;
}

std::string CsvErrorLine(const CsvRowError& e) {
    std::string out = FormatInt(texts::kCsvLine, e.line);
    if (!e.column.empty()) out += texts::kCsvColumn + e.column;
    return out + ": " + e.message;
}

std::string CsvErrorText(const std::vector<CsvRowError>& errors) {
    std::string out;
    for (const CsvRowError& e : errors) {
        if (!out.empty()) out += '\n';
        out += CsvErrorLine(e);
    }
    return out;
}

} // namespace kiv::editors
