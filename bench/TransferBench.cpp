// Read Parameters and Send Parameters against the unitsim program pacing its
// line at 960 bytes per second (a 9600-baud line), with a 128-mailbox unit,
// then the page recording of 200 blocks (1 x 128 bytes each) read into a file
// and sent back, then the backup of a unit of 1000 blocks (1 x 32 bytes each)
// and a page area of 4 pages. Prints, for each transfer, the wall time
// against the line time of the bytes moved both ways plus the pauses the
// protocol mandates, and the CPU time of this process as a share of the wall
// time. Goals: ratios at most 1.05, CPU under 5 %.
//
// usage: bench_transfers UNITSIM [MAILBOXES] [--only params,recordings,backup]
//                        [--recording-blocks N] [--backup-blocks N] [--trace FILE]

#include "document/DocCommands.h"
#include "document/QelDoc.h"
#include "unit/link/SerialTrace.h"
#include "unit/link/ui/QtSerialPort.h"
#include "unit/transfer/BackupEngine.h"
#include "unit/transfer/ReadParamEngine.h"
#include "unit/transfer/ReadRecordingEngine.h"
#include "unit/transfer/SendParamEngine.h"
#include "unit/transfer/SendRecordingEngine.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr double kLineRate = 960.0; // bytes per second

std::atomic<std::size_t> g_sent{0}, g_received{0};

// The Qt adapter, counting the bytes that cross the line.
class CCountingPort : public kiv::CQtSerialPort {
  public:
    bool Write(const std::uint8_t* data, std::size_t count) override {
        g_sent += count;
        return CQtSerialPort::Write(data, count);
    }
    long Read(std::uint8_t* dest, std::size_t count) override {
        const long n = CQtSerialPort::Read(dest, count);
        if (n > 0) g_received += static_cast<std::size_t>(n);
        return n;
    }
};

class CSilentSink : public kiv::MessageSink {
  public:
    kiv::MsgAnswer Ask(const kiv::Message& m) override {
        if (m.text != "Dati Ricevuti" && m.text != "Trasferimento completato con successo")
            std::printf("  message: %s\n", m.text.c_str());
        return kiv::MsgAnswer::Yes;
    }
};

class CFixedPrompt : public kiv::PasswordPrompt {
  public:
    std::optional<std::string> Ask(const std::string&, const std::string&,
                                   const std::string&) override {
        return asked_++ == 0 ? std::optional<std::string>("1234") : std::nullopt;
    }

  private:
    int asked_ = 0;
};

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Measure {
    double wall = 0, cpu = 0;
    std::size_t bytes = 0;
};

template <class F> Measure Run(F transfer) {
    g_sent = 0;
    g_received = 0;
    const double cpu0 = CpuSeconds();
    const auto wall0 = std::chrono::steady_clock::now();
    transfer();
    Measure m;
    m.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    m.cpu = CpuSeconds() - cpu0;
    m.bytes = g_sent + g_received;
    return m;
}

void Report(const char* name, const Measure& m, double pauses) {
    const double line = static_cast<double>(m.bytes) / kLineRate;
    std::printf("%s  wall %.2f s, line time %.2f s (%zu bytes)", name, m.wall, line, m.bytes);
    if (pauses > 0) std::printf(" + pauses %.2f s", pauses);
    std::printf(", ratio %.3f, CPU %.2f s = %.2f %% of wall\n", m.wall / (line + pauses), m.cpu,
                100.0 * m.cpu / m.wall);
}

// A unitsim process serving one pseudo-terminal.
struct Unit {
    pid_t pid = 0;
    std::string device;

    bool Start(const std::vector<std::string>& args) {
        int out[2];
        if (::pipe(out) != 0) return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<std::string> copy = args;
        std::vector<char*> argv;
        for (auto& a : copy)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        if (spawned != 0) {
            ::close(out[0]);
            pid = 0;
            std::fprintf(stderr, "cannot start %s\n", args[0].c_str());
            return false;
        }
        char c = 0;
        while (::read(out[0], &c, 1) == 1 && c != '\n')
            device += c;
        ::close(out[0]);
        return !device.empty();
    }

    ~Unit() {
        if (pid <= 0) return;
        ::kill(pid, SIGTERM);
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
};

bool Listed(const std::string& list, const std::string& name) {
    return ("," + list + ",").find("," + name + ",") != std::string::npos;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_transfers UNITSIM [MAILBOXES] [--only LIST] "
                             "[--recording-blocks N] [--backup-blocks N] [--trace FILE]\n");
        return 1;
    }
    const std::string unitsim = argv[1];
    std::string mailboxes = "128", only = "params,recordings,backup";
    std::string tracePath;
    int recordingBlocks = 200, backupBlocks = 1000;
    for (int k = 2; k < argc; ++k) {
        const std::string opt = argv[k];
        const bool valued = k + 1 < argc;
        if (opt == "--only" && valued)
            only = argv[++k];
        else if (opt == "--recording-blocks" && valued)
            recordingBlocks = std::clamp(std::atoi(argv[++k]), 0, 255);
        else if (opt == "--trace" && valued)
            tracePath = argv[++k];
        else if (opt == "--backup-blocks" && valued)
            backupBlocks = std::clamp(std::atoi(argv[++k]), 0, 65535);
        else if (opt.rfind("--", 0) != 0)
            mailboxes = opt;
        else {
            std::fprintf(stderr, "bench_transfers: unknown option %s\n", opt.c_str());
            return 1;
        }
    }

    QCoreApplication app(argc, argv);
    kiv::CLinkContext context;
    context.settingsPath.clear();
    context.portFactory = [] { return std::make_unique<CCountingPort>(); };
    std::unique_ptr<kiv::CSerialTrace> trace;
    if (!tracePath.empty()) {
        trace = std::make_unique<kiv::CSerialTrace>(tracePath);
        context.trace = trace.get();
    }
    CSilentSink sink;
    kiv::CPlainTransferUi ui;
    const kiv::CLinkTiming& t = context.timing;
    bool ok = true;

    kiv::CQelDoc doc;
    kiv::NewConfiguration(doc, 0);
    if (Listed(only, "params") || Listed(only, "recordings")) {
        Unit unit;
        if (!unit.Start({unitsim, "--byte-rate", "960", "--mailbox-count", mailboxes, "--calls",
                         "10,20,30,40", "--recording-unit", "1,128", "--recording",
                         "0:" + std::to_string(recordingBlocks)}))
            return 1;
        context.ports = kiv::CPortResolver(unit.device);
        std::printf("== Transfers with unitsim at %.0f bytes/s, %s mailboxes\n", kLineRate,
                    mailboxes.c_str());
        if (Listed(only, "params")) {
            int readResult = 1;
            const Measure read = Run([&] {
                kiv::CReadParamEngine engine(context, sink, ui, doc);
                readResult = engine.Run();
                engine.ApplyTo(doc);
            });
            Report("read ", read, 0);

            int sendResult = 1;
            // Before the mailbox stream, before the clock, after the clock.
            const double pauses =
                std::chrono::duration<double>(2 * t.stepPause + t.clockPause).count();
            const Measure send = Run([&] {
                CFixedPrompt prompt;
                kiv::CSendParamEngine engine(context, sink, ui, prompt, doc);
                sendResult = engine.Run();
            });
            Report("send ", send, pauses);
            ok = ok && readResult == 0 && sendResult == 0;
        }

        if (Listed(only, "recordings")) {
            // A page recording, into a folder of this run's own and back.
            char folder[] = "/tmp/bench-recordings-XXXXXX";
            if (!::mkdtemp(folder)) return 1;
            kiv::RecordingRequest request = kiv::RecordingRequest::From(doc, 0);
            request.pageFiles.fill("");
            request.pageFiles[0] = std::string(folder) + "/page.00";
            int readRecording = 1, sendRecording = 1;
            const Measure recRead = Run([&] {
                kiv::CReadRecordingEngine engine(context, sink, ui, request);
                readRecording = engine.Run();
            });
            Report("read recording ", recRead, 0);
            const Measure recSend = Run([&] {
                CFixedPrompt prompt;
                kiv::CSendRecordingEngine engine(context, sink, ui, prompt, request);
                sendRecording = engine.Run();
            });
            Report("send recording ", recSend, 0);
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
            ok = ok && readRecording == 0 && sendRecording == 0;
        }
    }

    if (Listed(only, "backup")) {
        // A unit of its own: blocks of one 32-byte unit, a page area of 4 pages.
        Unit unit;
        if (!unit.Start({unitsim, "--byte-rate", "960", "--memory-blocks",
                         std::to_string(backupBlocks), "--section-blocks", "1", "--block-size",
                         "32", "--page-area", "1024"}))
            return 1;
        context.ports = kiv::CPortResolver(unit.device);
        std::printf("== Backup with unitsim at %.0f bytes/s, %d blocks of 32 bytes\n", kLineRate,
                    backupBlocks);
        char folder[] = "/tmp/bench-backup-XXXXXX";
        if (!::mkdtemp(folder)) return 1;
        int backupResult = 1;
        const Measure backup = Run([&] {
            kiv::CBackupEngine engine(context, sink, ui, doc, "unit", folder);
            backupResult = engine.Run();
        });
        Report("backup ", backup, 0);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        ok = ok && backupResult == 0;
    }
    return ok ? 0 : 1;
}
