#pragma once
// kivtool report: the configuration report, as "&Stampa..." prints it, into a
// PDF file.

#include "cli/FileCommands.h"

#include <string>
#include <vector>

namespace kiv::cli {

int RunReport(const std::vector<std::string>& args, const Context& ctx);

} // namespace kiv::cli
