#pragma once
// kivtool's view of the serial ports: the devices the system lists, the
// four ports' mapping from the profile (KIV.INI "Ports"), and where the line
// codes of rs_setup.cfg come from, as kiv itself finds them.

#include "unit/link/SerialSettings.h"

#include <functional>
#include <string>
#include <vector>

namespace kiv {

// Port devices as the profile maps them (section "Ports" of KIV.INI).
CPortResolver ProfilePorts();

// The rs_setup.cfg kiv uses from the current folder: the one there, else
// the one in the configuration folder. Empty when neither exists.
std::string ToolSerialSettingsPath();

// Line codes for a command that talks to the unit: from ToolSerialSettingsPath()
// when there is such a file, the defaults otherwise. The tool never rewrites it.
CSerialSettings ToolSerialSettings();

// The text `kivtool ports` prints. `settingsPath` is empty when no
// rs_setup.cfg was found (the defaults apply).
std::string PortsReport(const std::vector<SerialDeviceInfo>& system, const CPortResolver& ports,
                        const std::string& profilePath, const std::string& settingsPath,
                        const CSerialSettings& settings,
                        const std::function<bool(const std::string&)>& exists);

// kivtool ports [--help]: exit 0, or 1 on a wrong argument.
int RunPortsCommand(const std::vector<std::string>& args);

} // namespace kiv
