#pragma once
// kivtool's configuration-file commands: dump, new, import, convert,
// mailboxes, diff, diagram, schedule.

#include "schedule/WeekFormat.h"

#include <functional>
#include <string>
#include <vector>

namespace kiv {
class CQelDoc;
}

namespace kiv::cli {

struct Context {
    std::string startDir;   // the current directory: default files are looked for here first
    std::string programDir; // the folder of kivtool: the installed default files
};

int RunDump(const std::vector<std::string>& args, const Context& ctx);
int RunNew(const std::vector<std::string>& args, const Context& ctx);
int RunImport(const std::vector<std::string>& args, const Context& ctx);
int RunConvert(const std::vector<std::string>& args, const Context& ctx);
// kivtool mailboxes export FILE -o OUT.csv | mailboxes import FILE IN.csv -o OUT
int RunMailboxes(const std::vector<std::string>& args, const Context& ctx);

// Reads the configuration of the unit that the port options name (--port N or
// --device PATH, with --timeout, --trace, --yes) into `unit`, whose product
// type is the one expected; false when the reading failed (its messages shown).
using UnitReader = std::function<bool(const std::vector<std::string>& portOptions, CQelDoc& unit)>;

// kivtool diff A B | diff FILE (--port N | --device PATH) [--json]: one line
// per difference; exit 0 equal, 1 different, 2 a side could not be read (or
// a usage error). Without a reader only two files can be compared.
int RunDiff(const std::vector<std::string>& args, const Context& ctx, const UnitReader& readUnit);

// The auto-attendant's call-flow diagram as SVG, PNG, PDF or Graphviz text.
int RunDiagram(const std::vector<std::string>& args, const Context& ctx);

// Turns the week picture's SVG drawing into the bytes of another format (PNG,
// PDF); false with `error` set when it cannot.
using PictureRenderer = std::function<bool(const std::string& svg, schedule::WeekFormat format,
                                           std::string& bytes, std::string& error)>;

// The week picture (working hours, breaks, holidays, modes, opening pages) as
// SVG, or through `render` as PNG or PDF. Without a renderer only SVG is written.
int RunSchedule(const std::vector<std::string>& args, const Context& ctx,
                const PictureRenderer& render);

} // namespace kiv::cli
