#pragma once
// The differences between two configurations. Each difference names the sheet
// and the field by the captions the editors show (rows numbered as the sheets
// number them), with both values in the editors' own display form: times as
// hh:mm, pages by their page numbers, mailboxes by number, codes as typed,
// coded values by their names. Two configurations that differ only in how the
// unit would take a value (08:00, 8:00 and an empty time; a dial code's
// letters in either case) do not differ. The product type, when it differs,
// is the first difference.

#include <string>
#include <vector>

namespace kiv {

class CQelDoc;

struct ConfigDifference {
    std::string sheet;   // the sheet's caption, code page 1252
    std::string caption; // the field, as the sheet labels it
    std::string first;   // the value in the first configuration ("" when it has none)
    std::string second;

    bool operator==(const ConfigDifference&) const = default;
};

// What is compared.
enum class CompareScope {
    // What a send carries to the unit: the parameter image and the mailbox
    // stream (not the clock, the unit password, the language slots, which
    // the unit's identification decides, or what only the program keeps).
    Send,
    // A file against a file: what a send carries and what the file keeps
    // besides (page descriptions, holiday descriptions, the recording list,
    // the language codes, the unit password shown hidden); not the clock or
    // the identity texts, which every save rewrites.
    File,
};

// The differences in the sheets' order, fields in the order each sheet shows them.
std::vector<ConfigDifference> CompareConfigurations(const CQelDoc& first, const CQelDoc& second,
                                                    CompareScope scope = CompareScope::Send);

// One difference as one line of text: "sheet | caption: first -> second".
std::string DifferenceLine(const ConfigDifference& d);

} // namespace kiv
