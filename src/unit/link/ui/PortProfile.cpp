#include "unit/link/ui/PortProfile.h"

#include <QSettings>

namespace kiv {

CPortResolver LoadPortResolver(QSettings& profile) {
    CPortResolver resolver;
    profile.beginGroup(QStringLiteral("Ports"));
    for (int port = 1; port <= 4; ++port) {
        const QString device =
            profile.value(QStringLiteral("COM%1").arg(port)).toString().trimmed();
        if (!device.isEmpty()) resolver.SetDevice(port, device.toStdString());
    }
    profile.endGroup();
    return resolver;
}

} // namespace kiv
