#include "editors/MboxCsv.h"

#include "document/Cp1252.h"
#include "editors/MboxEdit.h"
#include "editors/MboxList.h"
#include "editors/Texts.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>

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
        row[kPhone] = Utf8(shown.phone);
        row[kPhoneEnabled] = flag(shown.phoneEnabled);
        row[kPager] = Utf8(shown.pager);
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

// The row's values put into the editor over `original`; the first fault's
// message, or the editor ready for its own checks.
std::string FillEditor(CMboxEdit& ed, const std::vector<std::string>& fields, const HeaderMap& h) {
    std::array<std::string, kMboxCsvColumnCount> v;
    for (std::size_t c = 0; c < kMboxCsvColumnCount; ++c) {
        if (!Utf8ToCp1252(fields[static_cast<std::size_t>(h.at[c])], v[c]))
            return texts::kCsvBadCharacters;
    }
    const auto type = Code(v[kType], 0, 1);
    const auto attendant = Code(v[kAttendant], 0, 1);
    const auto localNotify = Code(v[kLocalNotify], 0, 4);
    const auto allowed = Code(v[kAllowed], 0, 1);
    const auto phoneEnabled = Code(v[kPhoneEnabled], 0, 1);
    const auto pagerEnabled = Code(v[kPagerEnabled], 0, 1);
    const auto dnd = Code(v[kDnd], 0, 1);
    const auto timeStamp = Code(v[kTimeStamp], 0, 1);
    const auto language = Code(v[kLanguage], 0, 2);
    const std::string password = Trimmed(v[kPassword]);
    if (!type || !attendant || !localNotify || !allowed || !phoneEnabled || !pagerEnabled || !dnd ||
        !timeStamp || !language)
        return texts::kInputError;
    // The editor offers only the default password or the stored one ("****").
    if (password == kDefaultMboxPassword)
        ed.password = kDefaultMboxPassword;
    else if (password.empty() || password == texts::kHiddenPassword)
        ed.password = texts::kHiddenPassword;
    else
        return texts::kInputError;
    if (ed.NumberEnabled()) ed.number = Trimmed(v[kNumber]);
    ed.type = *type;
    ed.announcer = *attendant != 0;
    ed.localNotify = *localNotify;
    ed.allowed = *allowed != 0;
    ed.phoneEnabled = *phoneEnabled != 0;
    ed.phone = v[kPhone];
    ed.pagerEnabled = *pagerEnabled != 0;
    ed.pager = v[kPager];
    ed.dnd = *dnd != 0;
    ed.timeStamp = *timeStamp != 0;
    ed.language = *language;
    return {};
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
        out.errors.push_back({read.errorLine, texts::kCsvBadQuotes});
        return out;
    }
    if (read.records.empty()) {
        out.errors.push_back({1, std::string(texts::kCsvMissingColumn) + kMboxCsvColumns[0]});
        return out;
    }
    const HeaderMap header = ReadHeader(read.records.front().fields);
    if (!header.error.empty()) {
        out.errors.push_back({read.records.front().line, header.error});
        return out;
    }

    // Rows go into a copy, so that a fault anywhere leaves the list alone.
    CMboxList work = list;
    std::set<std::string> seen;
    for (std::size_t r = 1; r < read.records.size(); ++r) {
        const CsvRecord& rec = read.records[r];
        const auto fail = [&](std::string message) {
            out.errors.push_back({rec.line, std::move(message)});
        };
        if (rec.fields.size() != kMboxCsvColumnCount) {
            fail(texts::kCsvFieldCount);
            continue;
        }
        std::string number;
        if (!Utf8ToCp1252(Trimmed(rec.fields[static_cast<std::size_t>(header.at[kNumber])]),
                          number)) {
            fail(texts::kCsvBadCharacters);
            continue;
        }
        if (!seen.insert(number).second) {
            fail(texts::kMboxExists);
            continue;
        }
        const int row = RowOf(work, number);
        MboxRecord start = NewMboxTemplate();
        if (row >= 0) start = work.Record(row);
        CMboxEdit ed(start, work.extDigits, row < 0);
        if (std::string bad = FillEditor(ed, rec.fields, header); !bad.empty()) {
            fail(std::move(bad));
            continue;
        }
        if (auto failed = ed.Check()) {
            fail(failed->message);
            continue;
        }
        if (row >= 0) {
            work.Change(row, ed.Result());
            ++out.replaced;
        } else if (std::string refused = work.Add(ed.Result()); !refused.empty()) {
            fail(std::move(refused));
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

std::string CsvErrorText(const std::vector<CsvRowError>& errors) {
    std::string out;
    for (const CsvRowError& e : errors) {
        if (!out.empty()) out += '\n';
        out += FormatInt(texts::kCsvLine, e.line) + e.message;
    }
    return out;
}

} // namespace kiv::editors
