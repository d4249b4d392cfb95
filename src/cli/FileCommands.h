#pragma once
// kivtool's configuration-file commands: dump, new, import, convert, diagram.

#include <string>
#include <vector>

namespace kiv::cli {

struct Context {
    std::string startDir;   // the current directory: default files are looked for here first
    std::string programDir; // the folder of kivtool: the installed default files
};

int RunDump(const std::vector<std::string>& args, const Context& ctx);
int RunNew(const std::vector<std::string>& args, const Context& ctx);
int RunImport(const std::vector<std::string>& args, const Context& ctx);
int RunConvert(const std::vector<std::string>& args, const Context& ctx);
// The auto-attendant's call-flow diagram as SVG, PNG, PDF or Graphviz text.
int RunDiagram(const std::vector<std::string>& args, const Context& ctx);

} // namespace kiv::cli
