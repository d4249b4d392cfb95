// Identification end to end: the QSerialPort adapter on the slave side of a
// pseudo-terminal, the simulated unit on the master side, timing scaled down.

#include "QtEnvironment.h"
#include "cli/IdentifyCommand.h"
#include "support/PtyUnit.h"
#include "support/TempDir.h"
#include "unit/link/UnitSession.h"
#include "unit/link/ui/QtSerialPort.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#ifdef UNITSIM_PATH
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace kiv;
using namespace kiv::sim;
using namespace std::chrono;
namespace fs = std::filesystem;

namespace {

const std::string timeoutText = "Time-out Comunicazione";

class PtyUnit : public test::PtyUnitTest {
  protected:
    void Start(CSimConfig config = {}, int documentType = 0) {
        Stop();
        StartUnit(std::move(config), 0.0);
        context.timing.second = milliseconds(50);
        context.settingsPath = settingsFile.string();
        sink.messages.clear();
        ui.probes = 0;
        ui.onProbe = nullptr;
        session = std::make_unique<CUnitSession>(context, sink, ui, 1, documentType);
    }
    void Stop() {
        session.reset();
        StopUnit();
    }
    void TearDown() override { Stop(); }

    test::CTempDir tempDir{"kiv-e2e"};
    fs::path settingsFile = tempDir / "rs_setup.cfg";
    RecordingSink sink;
    CPlainTransferUi ui;
    std::unique_ptr<CUnitSession> session;
};

CSimConfig Unit(int productCode, std::array<std::uint8_t, 3> version,
                std::string password = "1234") {
    CSimConfig c;
    c.productCode = productCode;
    c.version = version;
    c.password = std::move(password);
    return c;
}

} // namespace

TEST_F(PtyUnit, VersionRuleDecidesAcceptance) {
    struct Case {
        std::array<std::uint8_t, 3> version;
        bool accepted;
    } cases[] = {{{7, 3, 9}, true}, {{7, 6, 0}, true}, {{7, 4, 5}, false}, {{8, 1, 2}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.version[1]) * 10 + c.version[2]);
        Start(Unit(16, c.version));
        EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), c.accepted ? 0 : 1);
        if (c.accepted)
            EXPECT_TRUE(sink.messages.empty());
        else
            EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Versione Errata"});
        EXPECT_EQ(Log(), (std::vector<std::string>{"E$$R", "E$$V"}));
    }
    // The settings were rewritten by the link's destruction.
    EXPECT_EQ(fs::file_size(settingsFile), 20u);
}

TEST_F(PtyUnit, ProductCodesAndPasswords) {
    Start(Unit(20, {7, 6, 0}, ""), 0);
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 0);
    EXPECT_EQ(session->Identity().productName, "RZ 128 Mbx");
    EXPECT_EQ(session->Identity().password, "");

    Start(Unit(16, {7, 6, 0}, "98765432"), 0);
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 0);
    EXPECT_EQ(session->Identity().password, "98765432");

    Start(Unit(24, {7, 6, 0}), 0);
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 1);
    EXPECT_EQ(sink.Texts(),
              std::vector<std::string>{
                  "Versione Errata. Il dispositivo connesso \xE8 del tipo Sconosciuto (24)"});
}

TEST_F(PtyUnit, WorksFromAWorkerThread) {
    CSimConfig config;
    config.busyProbes = 1;
    Start(config);
    int result = -1;
    std::unique_ptr<QThread> worker(QThread::create([&] { result = session->ConnectUnit(); }));
    worker->start();
    ASSERT_TRUE(worker->wait(5000));
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PtyUnit, BusyThenFreeThroughTheWait) {
    CSimConfig config;
    config.busyProbes = 3;
    Start(config);
    EXPECT_EQ(session->ConnectUnit(), 0);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(ui.probes, 3);
    EXPECT_EQ(Count("E$$R"), 5u); // refused once, probed three times, then identified
    EXPECT_EQ(Log().back(), "E$$V");
    EXPECT_TRUE(session->Identity().identified);
}

TEST_F(PtyUnit, CancelWhileWaitingSignsOffQuietly) {
    CSimConfig config;
    config.busyProbes = 1000;
    Start(config);
    ui.onProbe = [](int probes) { return probes >= 2; };
    EXPECT_EQ(session->ConnectUnit(), 2);
    EXPECT_TRUE(sink.messages.empty());
    // The unit may see "$$X" just after the port closed; give it a moment.
    for (int k = 0; k < 100 && Log().back() != "$$X"; ++k)
        std::this_thread::sleep_for(milliseconds(5));
    EXPECT_EQ(Log().back(), "$$X");
    EXPECT_EQ(Count("E$$V"), 0u);
}

TEST_F(PtyUnit, ModeTwoAcceptsAnyFirstByte) {
    CSimConfig config;
    config.faults = {{SimFault::Kind::WrongFirst, 'R', 0x55, -1}};
    Start(config);
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeAfterWait), 0);
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 2);
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeProbe), 2);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PtyUnit, TimeoutIsShownOnce) {
    // Silence: the identification times out.
    CSimConfig silent;
    silent.faults = {{SimFault::Kind::Silence, 'V', 0, -1}};
    Start(silent);
    EXPECT_EQ(session->ConnectUnit(), 1);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{timeoutText});

    // A probe cut short in the status bytes says so itself; the wait's end
    // adds nothing.
    CSimConfig cut;
    cut.busyProbes = 1;
    cut.faults = {{SimFault::Kind::Short, 'R', 3, 2}};
    Start(cut);
    EXPECT_EQ(session->ConnectUnit(), 1);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{timeoutText});

    // A probe that hears nothing is silent; the wait's end reports it.
    CSimConfig busy;
    busy.busyProbes = 1;
    Start(busy);
    ui.onProbe = [this](int) {
        WithSim([](CUnitSim& s) { s.Config().faults = {{SimFault::Kind::Silence, 'R', 0, -1}}; });
        return false;
    };
    EXPECT_EQ(session->ConnectUnit(), 1);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{timeoutText});
}

TEST_F(PtyUnit, WrongOrShortReplies) {
    CSimConfig wrongFirst;
    wrongFirst.faults = {{SimFault::Kind::WrongFirst, 'V', 0x11, -1}};
    Start(wrongFirst);
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 1);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Versione Errata"});

    CSimConfig shortIdent;
    shortIdent.faults = {{SimFault::Kind::Short, 'V', 9, -1}};
    Start(shortIdent);
    const auto start = steady_clock::now();
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 1);
    EXPECT_LT(steady_clock::now() - start, milliseconds(500));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{timeoutText});
}

TEST_F(PtyUnit, PortThatCannotOpenOrDisappears) {
    Start();
    {
        // Another holder of the device: the port cannot be opened.
        QSerialPort holder(QString::fromStdString(Device()));
        ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
        EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 1);
        EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Impossibile aprire la porta COM"});
    }
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 0);

    // The device vanishes in the middle of a slow reply.
    CSimConfig slow;
    slow.byteDelay = milliseconds(10);
    Start(slow);
    std::thread pull([this] {
        std::this_thread::sleep_for(milliseconds(60));
        server->CloseMaster();
    });
    const auto start = steady_clock::now();
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 1);
    pull.join();
    EXPECT_LT(steady_clock::now() - start, milliseconds(600));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_TRUE(sink.Texts()[0] == timeoutText ||
                sink.Texts()[0] == "La Stringa non pu\xF2 essere letta")
        << sink.Texts()[0];
}

TEST_F(PtyUnit, IdentifyCommandPrintsTheUnit) {
    Start(Unit(19, {7, 0, 5}, "12345678"));
    const fs::path trace = tempDir / "trace.txt";
    std::string device = Device(), tracePath = trace.string();
    char* args[] = {const_cast<char*>("identify"),
                    const_cast<char*>("--device"),
                    device.data(),
                    const_cast<char*>("--trace"),
                    tracePath.data(),
                    const_cast<char*>("--timeout"),
                    const_cast<char*>("1")};
    ::testing::internal::CaptureStdout();
    const int status = RunIdentifyCommand(7, args);
    std::fflush(stdout);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("Product: RZ 48 Mbx (code 19)"), std::string::npos) << out;
    EXPECT_NE(out.find("Version: 705"), std::string::npos);
    EXPECT_NE(out.find("Password length: 8"), std::string::npos);
    EXPECT_NE(out.find("Languages: 1, 2, none"), std::string::npos);
    std::ifstream in(trace);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(text.find("TX 45 'E'"), std::string::npos);
    EXPECT_NE(text.find("RX 14"), std::string::npos);
    EXPECT_NE(text.find("BREAK on"), std::string::npos);
    fs::remove(trace);

    Start(Unit(16, {7, 4, 5}));
    device = Device(); // the new unit's terminal, not the last one's
    args[2] = device.data();
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(RunIdentifyCommand(5, args), 2); // refused
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Versione Errata\n");

    std::string missing = "/nonexistent/tty";
    char* bad[] = {const_cast<char*>("identify"), const_cast<char*>("--device"), missing.data()};
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(RunIdentifyCommand(3, bad), 1);
    // The device that does not exist is named under the usual text.
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Impossibile aprire la porta COM\nIl dispositivo /nonexistent/tty non \xC3\xA8 "
              "presente: collegare l'adattatore o associare la porta a un altro dispositivo in "
              "Selezione Porta COM.\n");
}

#ifdef UNITSIM_PATH
// The unitsim program itself: options, the device path on stdout, the link.
TEST_F(PtyUnit, UnitsimProgramServesTheUnit) {
    const fs::path link = tempDir / "unitsim_link";
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string linkText = link.string();
    std::vector<std::string> args = {
        UNITSIM_PATH,  "--product", "22",     "--version", "7,0,1",  "--password", "",
        "--languages", "3,255,255", "--link", linkText,    "--busy", "1"};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string device;
    char c = 0;
    while (::read(out[0], &c, 1) == 1 && c != '\n')
        device += c;
    ::close(out[0]);
    EXPECT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
    EXPECT_EQ(fs::read_symlink(link).string(), device);

    context.ports = CPortResolver(link.string());
    context.portFactory = CQtSerialPort::Factory();
    context.timing = CLinkTiming{}.Scaled(0.0);
    context.timing.second = milliseconds(50);
    context.settingsPath.clear();
    CUnitSession unit(context, sink, ui, 1, 3);
    EXPECT_EQ(unit.ConnectUnit(), 0);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(unit.Identity().productName, "RZ 2 Mbx");
    EXPECT_EQ(unit.Identity().version, "701");
    EXPECT_EQ(unit.Identity().password, "");
    EXPECT_TRUE(unit.Identity().ident.HasLanguage(1));
    EXPECT_FALSE(unit.Identity().ident.HasLanguage(2));

    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}
#endif
