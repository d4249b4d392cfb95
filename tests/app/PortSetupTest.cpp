// The ports as an installer meets them: a USB adapter or any other device
// picked in "Selezione Porta COM" and the unit read through it, and the
// chosen port kept whatever folder kiv starts in.
#include "AppTestSupport.h"

#include "document/QelDoc.h"
#include "kiv/Installers.h"
#include "sim/PtyServer.h"
#include "sim/SimSerialPort.h"
#include "unit/link/SerialSettings.h"
#include "unit/link/ui/PortSelectDlg.h"
#include "unit/link/ui/TransferDlg.h"
#include "unit/transfer/ui/UnitCommands.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include <thread>

namespace kiv::test {
namespace {

class PortSetupTest : public AppTest {
  protected:
    // Runs the transfer dialogs as if OK was pressed; `onPorts` answers
    // "Selezione Porta COM".
    void AnswerDialogs(std::function<int(CPortSelectDlg&)> onPorts) {
        dialogs.onExec = [this, onPorts](QDialog& dialog) {
            if (auto* transfer = qobject_cast<CTransferDlg*>(&dialog)) {
                transfer->Start();
                return transfer->exec();
            }
            if (auto* ports = qobject_cast<CPortSelectDlg*>(&dialog)) {
                ++portDialogs;
                return onPorts(*ports);
            }
            return static_cast<int>(QDialog::Rejected);
        };
    }
    // The 20 bytes of rs_setup.cfg with the port number in its last field.
    static QByteArray SettingsBytes(char port) {
        return QByteArray("\x04\0\0\0\x03\0\0\0\x01\0\0\0\x02\0\0\0", 16) + QByteArray(1, port) +
               QByteArray(3, '\0');
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString ProfileSettings() const { return QDir(profileDir.path()).filePath("rs_setup.cfg"); }

    int portDialogs = 0;
};

TEST_F(PortSetupTest, ADeviceFromTheSystemListReadsTheUnit) {
    // The unit on a pseudo-terminal, reached through the real serial port
    // adapter, as an installer's USB adapter would be.
    sim::CSimConfig config;
    config.mailboxes = {"301", "302"};
    config.pauseScale = 0.05;
    sim::CUnitSim unit(config);
    sim::CPtyServer server(unit);
    ASSERT_TRUE(server.Open()) << server.Error();
    std::thread serving([&server] { server.Run(); });
    struct Joiner {
        sim::CPtyServer& server;
        std::thread& thread;
        ~Joiner() {
            server.Stop();
            thread.join();
        }
    } joiner{server, serving};
    const std::string pty = server.SlavePath();

    const std::vector<SerialDeviceInfo> system = {
        {"/dev/ttyS0", "", "", ""},
        {pty, "Adattatore USB-RS232", "Prova", "0001"},
        {"/dev/ttyUSB7", "FT232R USB UART", "FTDI", "A9"}};
    prepare = [&](CQelApp& app) {
        InstallSubsystems(app);
        auto* commands = app.FindPart<CUnitCommands>();
        ASSERT_NE(commands, nullptr);
        commands->Context().timing = commands->Context().timing.Scaled(0.05);
        commands->Context().timing.byteGap = std::chrono::microseconds(0);
        commands->deviceLister = [&] { return system; };
    };
    AnswerDialogs([&](CPortSelectDlg& ports) {
        QComboBox* list = ports.SystemDevices();
        const int row = list->findData(QString::fromStdString(pty));
        EXPECT_EQ(row, 2); // after the "choose" line and /dev/ttyS0
        ports.Button(2)->setChecked(true);
        list->setCurrentIndex(row);
        emit list->activated(row);
        return static_cast<int>(QDialog::Accepted);
    });

    auto app = Start({}, 1);
    ASSERT_TRUE(app);
    EXPECT_EQ(portDialogs, 1);
    const CQelDoc& doc = app->Doc();
    EXPECT_EQ(doc.portIndex, 2);
    EXPECT_EQ(doc.readFromUnit, 1);
    ASSERT_EQ(doc.mboxCount, 2);
    EXPECT_EQ(doc.mailboxes[1].number, "302");
    // The mapping is in the profile, where tarvel and kivtool look too, and
    // the port in rs_setup.cfg beside it.
    EXPECT_EQ(ProfileValue("Ports/COM3"), QString::fromStdString(pty));
    EXPECT_EQ(ProfileValue("Ports/COM1"), QString());
    EXPECT_EQ(Read(ProfileSettings()), SettingsBytes(3));
}

TEST_F(PortSetupTest, TheChosenPortStaysAcrossStartFolders) {
    sim::CSimConfig config;
    auto line =
        std::make_shared<sim::CSimSerialPort::Line>(config, CPortResolver::DefaultDevice(2));
    prepare = [&](CQelApp& app) {
        InstallSubsystems(app);
        auto* commands = app.FindPart<CUnitCommands>();
        ASSERT_NE(commands, nullptr);
        commands->Context().timing = commands->Context().timing.Scaled(0.01);
        commands->Context().portFactory = sim::CSimSerialPort::Factory(line);
        commands->deviceLister = [] { return std::vector<SerialDeviceInfo>{}; };
    };
    int choose = 3;
    std::vector<int> preselected;
    AnswerDialogs([&](CPortSelectDlg& ports) {
        preselected.push_back(ports.PortIndex());
        if (choose >= 0) ports.Button(choose)->setChecked(true);
        return static_cast<int>(QDialog::Accepted);
    });

    // First start: "Porta Com 4" chosen; the start folder stays clean.
    {
        auto app = Start({}, 0);
        ASSERT_TRUE(app);
        EXPECT_EQ(app->Doc().portIndex, 3);
    }
    EXPECT_FALSE(QFile::exists(WorkPath("rs_setup.cfg")));
    EXPECT_EQ(Read(ProfileSettings()), SettingsBytes(4));

    // Second start from another folder: the dialog opens on port 4 and it stays.
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    QDir::setCurrent(elsewhere.path());
    choose = -1;
    {
        auto app = Start({}, 0);
        ASSERT_TRUE(app);
        EXPECT_EQ(app->Doc().portIndex, 3);
    }
    // First the default port 2, then the port kept.
    EXPECT_EQ(preselected, (std::vector<int>{1, 3}));
    EXPECT_FALSE(QFile::exists(QDir(elsewhere.path()).filePath("rs_setup.cfg")));

    // A folder with its own rs_setup.cfg keeps it: read there, written there.
    QTemporaryDir own;
    ASSERT_TRUE(own.isValid());
    const QString ownFile = QDir(own.path()).filePath("rs_setup.cfg");
    {
        QFile file(ownFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(SettingsBytes(1));
    }
    QDir::setCurrent(own.path());
    choose = 1;
    {
        auto app = Start({}, 0);
        ASSERT_TRUE(app);
        EXPECT_EQ(app->Doc().portIndex, 1);
    }
    EXPECT_EQ(preselected.back(), 0);
    EXPECT_EQ(Read(ownFile), SettingsBytes(2));
    EXPECT_EQ(Read(ProfileSettings()), SettingsBytes(4));
}

} // namespace
} // namespace kiv::test
