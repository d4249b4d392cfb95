// Fuzz target: the CSV reader of the mailbox import on any text, and the
// import itself on a list of three mailboxes. A refused import must leave the
// list exactly as it was; a record written back must read the same.
#include "editors/MboxCsv.h"
#include "editors/MboxList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const kiv::editors::CsvReadResult read = kiv::editors::ReadCsv(text);
    for (const auto& record : read.records) {
        const auto again = kiv::editors::ReadCsv(kiv::editors::WriteCsvRecord(record.fields));
        // A record of one empty field is a blank line, which the reader skips.
        // A leading byte order mark is taken for the file's own.
        if (record.fields.size() > 1 && !record.fields[0].starts_with("\xEF\xBB\xBF") &&
            (again.records.size() != 1 || again.records[0].fields != record.fields))
            std::abort();
    }

    kiv::editors::CMboxList list;
    list.extDigits = 3;
    for (const char* number : {"100", "101", "250"}) {
        kiv::MboxRecord r = kiv::editors::NewMboxTemplate();
        r.number = number;
        (void)list.Add(r);
    }
    const kiv::editors::CMboxList before = list;
    const auto result = kiv::editors::ImportMboxCsv(list, text);
    if (!result.Ok() && !(list.mailboxes == before.mailboxes && list.Count() == before.Count()))
        std::abort();
    return 0;
}
