#include "unit/link/ui/PortProfile.h"

#include <QFile>
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

TEST(PortProfile, SavedMappingNamesOnlyTheChangedPortsAndReadsBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("KIV.INI"));
    kiv::CPortResolver ports;
    ports.SetDevice(2, "/dev/ttyUSB0");
    ports.SetDevice(4, "/tmp/unit tty");
    {
        QSettings profile(path, QSettings::IniFormat);
        profile.setValue(QStringLiteral("Ports/COM1"), QStringLiteral("/dev/old"));
        kiv::SavePortResolver(profile, ports);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Ports]\nCOM2=/dev/ttyUSB0\nCOM4=/tmp/unit tty\n"));
    QSettings profile(path, QSettings::IniFormat);
    const kiv::CPortResolver back = kiv::LoadPortResolver(profile);
    for (int port = 1; port <= 4; ++port)
        EXPECT_EQ(back.Device(port), ports.Device(port)) << port;
}
