#pragma once
// kivtool read (--port N | --device PATH) -o FILE [--yes] [--trace FILE] [--timeout S]
// kivtool send FILE (--port N | --device PATH) --password P [--yes] [--trace FILE]
//              [--timeout S]
// kivtool recordings read|send CONFIG (--port N | --device PATH) [--pages LIST]
//              [--password P] [--yes] [--trace FILE] [--timeout S] [--delay D]
// Read Parameters and Send Parameters, and the page recordings, from the command line, on the same
// engines as the program. --yes answers the questions Yes, otherwise No.
// Progress goes to stderr. Exit status 0 success, 2 refused by the unit or
// ended by an answer, 1 error.

#include "unit/link/LinkTiming.h"

#include <string>
#include <vector>

namespace kiv {

class CQelDoc;

// args are the words after the command name; timing is the pause table (the
// standard one, or a scaled one in tests).
int RunReadCommand(const std::vector<std::string>& args, const CLinkTiming& timing = {});
int RunSendCommand(const std::vector<std::string>& args, const CLinkTiming& timing = {});
// kivtool backup -o FILE | restore FILE | init FILE, with the link options
// above and --config CONFIG (the product type and identity texts expected).
int RunBackupCommand(const std::vector<std::string>& args, const CLinkTiming& timing = {});
int RunRestoreCommand(const std::vector<std::string>& args, const CLinkTiming& timing = {});
int RunInitCommand(const std::vector<std::string>& args, const CLinkTiming& timing = {});

// Reads the unit's configuration into `doc` (whose product type is the one
// expected) for "kivtool diff": the port options of read, no output file.
// False when the reading did not complete.
bool ReadUnitConfiguration(const std::vector<std::string>& portOptions, CQelDoc& doc,
                           const CLinkTiming& timing = {});

// kivtool recordings read|send CONFIG, with the link options above, --pages
// LIST and --delay D.
int RunRecordingsCommand(const std::vector<std::string>& args, const CLinkTiming& timing = {});

} // namespace kiv
