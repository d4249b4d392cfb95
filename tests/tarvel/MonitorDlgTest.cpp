// The monitor's window driven offscreen against a pseudo-terminal: the
// buttons through a start and a stop, a port that will not open, "Incolla"
// of one line, the events of the four lines in their fields, "Fine" and
// "Esci" while bytes arrive, and the device each command line picks.
// With KIV_SCREENSHOT_DIR set the window is saved there as a PNG picture.

#include "tarvel/ui/MonitorDlg.h"
#include "unit/link/SerialSettings.h"
#include "unit/link/ui/QtSerialPort.h"

#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace kiv;
using namespace std::chrono_literals;

namespace {

struct QtApp : ::testing::Environment {
    void SetUp() override { app = std::make_unique<QApplication>(argc, argv); }
    void TearDown() override { app.reset(); }
    int argc = 1;
    char name[8] = "tarvel";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
};
[[maybe_unused]] auto* const qtApp = ::testing::AddGlobalTestEnvironment(new QtApp);

struct PtyMaster {
    PtyMaster() {
        fd = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0 || ::grantpt(fd) != 0 || ::unlockpt(fd) != 0) return;
        slave = ::ptsname(fd);
    }
    ~PtyMaster() {
        if (fd >= 0) ::close(fd);
    }
    void Send(std::initializer_list<int> bytes) {
        for (int b : bytes) {
            const auto c = static_cast<std::uint8_t>(b);
            ASSERT_EQ(::write(fd, &c, 1), 1);
        }
    }
    int fd = -1;
    std::string slave;
};

struct MonitorDlg : ::testing::Test {
    void SetUp() override { ASSERT_FALSE(master.slave.empty()); }
    QPushButton* Button(const char* name) { return dlg.findChild<QPushButton*>(name); }
    // Lets the window's thread show what the display thread posted.
    bool WaitText(int line, const QString& text) {
        for (int i = 0; i < 500; ++i) {
            QCoreApplication::processEvents();
            if (dlg.Field(line)->text() == text) return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }
    PtyMaster master;
    CMonitorDlg dlg{master.slave, CQtSerialPort::Factory()};
};

void SaveScreenshot(QWidget& widget, const char* name) {
    const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    EXPECT_TRUE(widget.grab().save(QDir(dir).filePath(name)));
}

} // namespace

TEST_F(MonitorDlg, ButtonsFollowStartAndStop) {
    EXPECT_EQ(dlg.windowTitle(), "Monitor di Linea");
    EXPECT_TRUE(Button("start")->isEnabled());
    EXPECT_FALSE(Button("stop")->isEnabled());
    QTest::mouseClick(Button("start"), Qt::LeftButton);
    EXPECT_TRUE(dlg.IsRunning());
    EXPECT_FALSE(Button("start")->isEnabled());
    EXPECT_TRUE(Button("stop")->isEnabled());
    QTest::mouseClick(Button("stop"), Qt::LeftButton);
    EXPECT_FALSE(dlg.IsRunning());
    EXPECT_TRUE(Button("start")->isEnabled());
    EXPECT_FALSE(Button("stop")->isEnabled());
}

TEST(MonitorDlgPort, PortThatCannotBeOpenedChangesNothing) {
    CMonitorDlg dlg("/nonexistent/tty", CQtSerialPort::Factory());
    auto* start = dlg.findChild<QPushButton*>("start");
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_FALSE(dlg.IsRunning());
    EXPECT_TRUE(start->isEnabled());
    EXPECT_FALSE(dlg.findChild<QPushButton*>("stop")->isEnabled());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MonitorDlg, EventsOnTheFourLinesAndIncollaEmptiesOnlyItsLine) {
    dlg.show();
    QTest::mouseClick(Button("start"), Qt::LeftButton);
    ASSERT_TRUE(dlg.IsRunning());
    master.Send({0x40, 0x5E, 0x01, 0x85});
    master.Send({0x5E, 0x40, 0x00, 0xFF});
    master.Send({0x40, 0x5E, 0x07, 0x80}); // out of range: nothing
    master.Send({0x85});                   // no markers: nothing
    master.Send({0x40, 0x5E, 0x00, 0x81, 0x40, 0x5E, 0x00, 0x8C});
    master.Send({0x40, 0x5E, 0x02, 0x8A, 0x5E, 0x40, 0x02, 0x8D, 0x40, 0x5E, 0x02, 0xFE});
    master.Send({0x40, 0x5E, 0x03, 0xFF, 0x40, 0x5E, 0x03, 0x80, 0x40, 0x5E, 0x03, 0x89});
    EXPECT_TRUE(WaitText(3, "Off Hook 0 9 ")) << dlg.Field(3)->text().toStdString();
    EXPECT_EQ(dlg.Field(0)->text(), "Off Hook 1 # ");
    EXPECT_EQ(dlg.Field(1)->text(), "5 ");
    EXPECT_EQ(dlg.Field(2)->text(), "* A On Hook ");
    SaveScreenshot(dlg, "tarvel-monitor.png");

    QTest::mouseClick(dlg.findChild<QPushButton*>("clear3"), Qt::LeftButton);
    EXPECT_EQ(dlg.Field(2)->text(), "");
    EXPECT_EQ(dlg.Field(0)->text(), "Off Hook 1 # ");
    EXPECT_EQ(dlg.Field(1)->text(), "5 ");
    EXPECT_EQ(dlg.Field(3)->text(), "Off Hook 0 9 ");
    // Later events go on after the emptied text.
    master.Send({0x40, 0x5E, 0x02, 0x83});
    EXPECT_TRUE(WaitText(2, "3 "));
}

TEST_F(MonitorDlg, FullFieldKeepsShowingTheNewestEvents) {
    QTest::mouseClick(Button("start"), Qt::LeftButton);
    ASSERT_TRUE(dlg.IsRunning());
    const int limit = dlg.Field(0)->maxLength();
    dlg.Field(0)->setText(QString(limit - 3, 'x'));
    master.Send({0x40, 0x5E, 0x00, 0x87, 0x40, 0x5E, 0x00, 0x88});
    for (int i = 0; i < 500 && !dlg.Field(0)->text().endsWith("7 8 "); ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_TRUE(dlg.Field(0)->text().endsWith("x7 8 "));
    EXPECT_LE(dlg.Field(0)->text().size(), limit);
}

TEST_F(MonitorDlg, FineAndEsciArePromptWhileBytesArrive) {
    dlg.show();
    for (const char* button : {"stop", "exit"}) {
        QTest::mouseClick(Button("start"), Qt::LeftButton);
        ASSERT_TRUE(dlg.IsRunning());
        std::atomic<bool> writing{true};
        std::thread writer([&] {
            const std::uint8_t event[] = {0x40, 0x5E, 0x01, 0x85};
            while (writing)
                if (::write(master.fd, event, sizeof event) < 0) std::this_thread::sleep_for(1ms);
        });
        // Events are being shown.
        QTest::mouseClick(Button("clear2"), Qt::LeftButton);
        for (int i = 0; i < 500 && dlg.Field(1)->text().size() < 4; ++i) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(10ms);
        }
        EXPECT_TRUE(dlg.Field(1)->text().contains("5 5 ")) << button;
        for (int i = 0; i < 20; ++i) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(5ms);
        }
        const auto t0 = std::chrono::steady_clock::now();
        QTest::mouseClick(Button(button), Qt::LeftButton);
        const auto took = std::chrono::steady_clock::now() - t0;
        writing = false;
        writer.join();
        EXPECT_FALSE(dlg.IsRunning()) << button;
        // Generous: a hang would never come back at all.
        EXPECT_LT(took, 10s) << button;
        std::uint8_t drain[4096];
        while (::read(master.fd, drain, sizeof drain) > 0) {
        }
    }
    EXPECT_FALSE(dlg.isVisible()); // "Esci" closed the window
}

TEST(MonitorDevice, CommandLinePicksThePortOfTheProfile) {
    test::CTempDir dir("tarvel-profile");
    QSettings profile(QString::fromStdString((dir.Path() / "KIV.INI").string()),
                      QSettings::IniFormat);
    profile.setValue("Ports/COM2", "/dev/pts/two");
    profile.setValue("Ports/COM4", "/dev/pts/four");
    EXPECT_EQ(MonitorDevice({"4"}, profile), "/dev/pts/four");
    EXPECT_EQ(MonitorDevice({}, profile), "/dev/pts/two");
    EXPECT_EQ(MonitorDevice({"7"}, profile), "/dev/pts/two");
    EXPECT_EQ(MonitorDevice({"1"}, profile), CPortResolver::DefaultDevice(1));
}

TEST_F(MonitorDlg, CommandLineFourMonitorsThePortFourDevice) {
    test::CTempDir dir("tarvel-profile");
    QSettings profile(QString::fromStdString((dir.Path() / "KIV.INI").string()),
                      QSettings::IniFormat);
    profile.setValue("Ports/COM4", QString::fromStdString(master.slave));
    CMonitorDlg four(MonitorDevice({"4"}, profile), CQtSerialPort::Factory());
    four.OnStart();
    ASSERT_TRUE(four.IsRunning());
    master.Send({0x40, 0x5E, 0x00, 0x84});
    for (int i = 0; i < 500 && four.Field(0)->text().isEmpty(); ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_EQ(four.Field(0)->text(), "4 ");
}

TEST(MonitorDlgHangUp, LineThatHangsUpEndsTheReadingAndSaysSo) {
    auto master = std::make_unique<PtyMaster>();
    ASSERT_FALSE(master->slave.empty());
    RecordingSink messages;
    CMonitorDlg dlg(master->slave, CQtSerialPort::Factory(), nullptr, &messages);
    auto* start = dlg.findChild<QPushButton*>("start");
    auto* stop = dlg.findChild<QPushButton*>("stop");
    QTest::mouseClick(start, Qt::LeftButton);
    ASSERT_TRUE(dlg.IsRunning());
    master->Send({0x40, 0x5E, 0x01, 0x85});
    for (int i = 0; i < 500 && dlg.Field(1)->text().isEmpty(); ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_EQ(dlg.Field(1)->text(), "5 ");
    master.reset(); // the far end closes: the line hangs up
    for (int i = 0; i < 1000 && !start->isEnabled(); ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_FALSE(dlg.IsRunning());
    EXPECT_TRUE(start->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Impossibile aprire la porta COM"});
    EXPECT_EQ(dlg.Field(1)->text(), "5 ");
    SaveScreenshot(dlg, "tarvel-hung-up.png");
}
