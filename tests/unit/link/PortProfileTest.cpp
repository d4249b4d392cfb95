#include "unit/link/ui/PortProfile.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PortProfile, PortsSectionOverridesTheDefaults) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("KIV.INI"));
    {
        QSettings profile(path, QSettings::IniFormat);
        profile.setValue(QStringLiteral("Ports/COM2"), QStringLiteral("/dev/ttyUSB0"));
        profile.setValue(QStringLiteral("Ports/COM3"), QStringLiteral("  "));
    }
    QSettings profile(path, QSettings::IniFormat);
    const kiv::CPortResolver ports = kiv::LoadPortResolver(profile);
    EXPECT_EQ(ports.Device(2), "/dev/ttyUSB0");
    EXPECT_EQ(ports.Device(7), "/dev/ttyUSB0");
    EXPECT_EQ(ports.Device(3), kiv::CPortResolver::DefaultDevice(3));
    EXPECT_EQ(ports.Device(1), kiv::CPortResolver::DefaultDevice(1));
}
