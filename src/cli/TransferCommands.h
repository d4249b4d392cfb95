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

#include "unit/LinkTiming.h"

#include <string>
#include <vector>

namespace kiv {

// args are the words after the command name; timing is the pause table (the
// standard one, or a scaled one in tests).
int RunReadCommand(const std::vector<std::string>& args, const CLinkTiming& timing = {});
int RunSendCommand(const std::vector<std::string>& args, const CLinkTiming& timing = {});
int RunRecordingsCommand(const std::vector<std::string>& args, const CLinkTiming& timing = {});

} // namespace kiv
