// The line monitor (QSerialPort adapter, reader and display threads) facing
// a pseudo-terminal:
// - idle: the monitor started on a silent line for a few seconds; the
//   process's CPU time as a share of the wall time (goal: under 1 %);
// - flood: 1 MB of line events written to the terminal as fast as it takes
//   them, until every byte has been decoded; bytes per second.

#include "tarvel/LineMonitor.h"
#include "tarvel/ui/QtThreads.h"
#include "unit/link/ui/QtSerialPort.h"

#include <QCoreApplication>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono;

namespace {

double CpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::printf("pseudo-terminal: cannot open\n");
        return 1;
    }
    const std::string slave = ::ptsname(master);
    std::atomic<std::uint64_t> events{0};
    kiv::CLineMonitor monitor(
        kiv::CQtSerialPort::Factory(), [&](const kiv::CLineDecoder::Event&) { ++events; },
        kiv::QtThreads());
    if (!monitor.Start(slave)) {
        std::printf("%s did not open\n", slave.c_str());
        return 1;
    }

    const double idleSeconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    {
        const double cpu0 = CpuSeconds();
        const auto wall0 = steady_clock::now();
        std::this_thread::sleep_for(duration<double>(idleSeconds));
        const double cpu = CpuSeconds() - cpu0;
        const double wall = duration<double>(steady_clock::now() - wall0).count();
        std::printf("idle line        wall %.3f s  cpu %.4f s  share %.3f %%\n", wall, cpu,
                    100.0 * cpu / wall);
    }

    constexpr std::size_t total = 1 << 20;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(total);
    for (std::size_t i = 0; bytes.size() < total; ++i) {
        const auto line = static_cast<std::uint8_t>(i % 4);
        const auto code = static_cast<std::uint8_t>(0x80 + i % 17);
        bytes.insert(bytes.end(), {0x40, 0x5E, line, code});
    }
    const auto wall0 = steady_clock::now();
    const double cpu0 = CpuSeconds();
    for (std::size_t sent = 0; sent < total;) {
        const auto n = ::write(master, bytes.data() + sent, total - sent);
        if (n < 0) {
            if (errno == EINTR) continue;
            std::printf("write failed\n");
            return 1;
        }
        sent += static_cast<std::size_t>(n);
    }
    const auto written = steady_clock::now();
    while (monitor.BytesDecoded() < total && steady_clock::now() - written < 60s)
        std::this_thread::sleep_for(1ms);
    const double wall = duration<double>(steady_clock::now() - wall0).count();
    const double cpu = CpuSeconds() - cpu0;
    monitor.Stop();
    std::printf("flood 1 MB       decoded %llu bytes, %llu events  wall %.3f s  %.2f MB/s  "
                "cpu %.3f s\n",
                static_cast<unsigned long long>(monitor.BytesDecoded()),
                static_cast<unsigned long long>(events.load()), wall, 1.0 * total / wall / 1e6,
                cpu);
    ::close(master);
    return monitor.BytesDecoded() == total ? 0 : 1;
}
