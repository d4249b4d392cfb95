#include "unit/link/ui/PortProfile.h"

#include <QSerialPortInfo>
#include <QSettings>

#include <algorithm>

namespace kiv {

namespace {
QString PortKey(int port) {
    return QStringLiteral("COM%1").arg(port);
}
} // namespace

CPortResolver LoadPortResolver(QSettings& profile) {
    CPortResolver resolver;
    profile.beginGroup(QStringLiteral("Ports"));
    for (int port = 1; port <= 4; ++port) {
        const QString device = profile.value(PortKey(port)).toString().trimmed();
        if (!device.isEmpty()) resolver.SetDevice(port, device.toStdString());
    }
    profile.endGroup();
    return resolver;
}

void SavePortResolver(QSettings& profile, const CPortResolver& ports) {
    profile.beginGroup(QStringLiteral("Ports"));
    for (int port = 1; port <= 4; ++port) {
        const std::string device = ports.Device(port);
        if (device.empty() || device == CPortResolver::DefaultDevice(port))
            profile.remove(PortKey(port));
        else
            profile.setValue(PortKey(port), QString::fromStdString(device));
    }
    profile.endGroup();
}

std::vector<SerialDeviceInfo> SystemSerialDevices() {
    std::vector<SerialDeviceInfo> devices;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        SerialDeviceInfo info;
        info.device = port.systemLocation().toStdString();
        info.description = port.description().trimmed().toStdString();
        info.manufacturer = port.manufacturer().trimmed().toStdString();
        info.serialNumber = port.serialNumber().trimmed().toStdString();
        devices.push_back(std::move(info));
    }
    std::sort(
        devices.begin(), devices.end(),
        [](const SerialDeviceInfo& a, const SerialDeviceInfo& b) { return a.device < b.device; });
    return devices;
}

} // namespace kiv
