#include "cli/PortsCommand.h"

#include "app/Profile.h"
#include "app/QtText.h"
#include "unit/link/ui/PortProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>
#include <memory>

namespace kiv {

CPortResolver ProfilePorts() {
    const QString path = CProfile::FilePath();
    if (!QFileInfo::exists(path)) return CPortResolver{};
    QSettings profile(path, QSettings::IniFormat);
    return LoadPortResolver(profile);
}

std::string ToolSerialSettingsPath() {
    const std::string path =
        SerialSettingsLocation(NativePath(QDir::currentPath()), NativePath(CProfile::Directory()));
    return QFileInfo::exists(FromNativePath(path)) ? path : std::string();
}

CSerialSettings ToolSerialSettings() {
    CSerialSettings settings;
    const std::string path = ToolSerialSettingsPath();
    if (!path.empty()) settings.Load(path);
    return settings;
}

std::string PortsReport(const std::vector<SerialDeviceInfo>& system, const CPortResolver& ports,
                        const std::string& profilePath, const std::string& settingsPath,
                        const CSerialSettings& settings,
                        const std::function<bool(const std::string&)>& exists) {
    std::string out = "Serial ports on this system:\n";
    if (system.empty()) out += "  (none found)\n";
    for (const SerialDeviceInfo& info : system)
        out += "  " + DescribeSerialDevice(info) + "\n";
    out += "\nPorts (" + profilePath + ", section Ports):\n";
    for (int port = 1; port <= 4; ++port) {
        const std::string device = ports.Device(port);
        out += "  COM" + std::to_string(port) + "  " + device;
        if (!exists(device)) out += "  (missing)";
        if (port == settings.EffectivePort()) out += "  <- chosen";
        out += "\n";
    }
    out += "\nSerial settings: " +
           (settingsPath.empty() ? std::string("rs_setup.cfg not found, defaults") : settingsPath) +
           "\n";
    return out;
}

int RunPortsCommand(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::printf(
                "usage: kivtool ports\n\n"
                "Lists the serial ports the system offers (USB adapters, built-in ports),\n"
                "the device each \"Porta Com 1\"...\"Porta Com 4\" is mapped to in KIV.INI\n"
                "(section Ports, keys COM1...COM4) and the rs_setup.cfg in use, whose\n"
                "port is marked \"chosen\". Pseudo-terminals are not listed by the system.\n");
            return 0;
        }
        std::fprintf(stderr, "kivtool ports: unexpected argument '%s'\n", arg.c_str());
        return 1;
    }
    int argc = 1;
    char name[] = "kivtool";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
    const std::string settingsPath = ToolSerialSettingsPath();
    const std::string report =
        PortsReport(SystemSerialDevices(), ProfilePorts(), NativePath(CProfile::FilePath()),
                    settingsPath, ToolSerialSettings(), [](const std::string& device) {
                        return QFileInfo::exists(FromNativePath(device));
                    });
    std::fputs(report.c_str(), stdout);
    return 0;
}

} // namespace kiv
