// CPU time consumed while CSerialLink::WaitBytes waits out a 5-second
// time-out, as a share of the wall time. Measured on the in-memory port and,
// where pseudo-terminals exist, on the QSerialPort adapter facing a silent
// simulated unit. Goal: well under 1 %.

#include "unit/link/MemorySerialPort.h"
#include "unit/link/SerialLink.h"

#ifdef KIV_BENCH_PTY
#include "sim/PtyServer.h"
#include "unit/link/ui/QtSerialPort.h"

#include <QCoreApplication>
#include <thread>
#endif

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

void Measure(const char* name, kiv::CLinkContext& context) {
    using namespace std::chrono;
    kiv::CSerialLink link(context);
    if (!link.IsOpen()) {
        std::printf("%-28s port did not open\n", name);
        return;
    }
    const std::clock_t cpu0 = std::clock();
    const auto wall0 = steady_clock::now();
    const int result = link.WaitBytes(5, 1);
    const double cpu = static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC;
    const double wall = duration<double>(steady_clock::now() - wall0).count();
    std::printf("%-28s result %d  wall %.3f s  cpu %.4f s  share %.3f %%\n", name, result, wall,
                cpu, 100.0 * cpu / wall);
}

} // namespace

int main(int argc, char** argv) {
    {
        auto wire = std::make_shared<kiv::CMemoryWire>("mem0");
        kiv::CLinkContext context;
        context.settingsPath.clear();
        context.ports = kiv::CPortResolver("mem0");
        context.portFactory = kiv::CMemorySerialPort::HostFactory(wire);
        Measure("in-memory port", context);
    }
#ifdef KIV_BENCH_PTY
    QCoreApplication app(argc, argv);
    kiv::sim::CSimConfig config;
    config.faults = {{kiv::sim::SimFault::Kind::Silence, 0, 0, -1}};
    kiv::sim::CUnitSim sim(config);
    kiv::sim::CPtyServer server(sim);
    if (!server.Open()) {
        std::printf("pseudo-terminal: %s\n", server.Error().c_str());
        return 1;
    }
    std::thread serve([&server] { server.Run(); });
    {
        kiv::CLinkContext context;
        context.settingsPath.clear();
        context.ports = kiv::CPortResolver(server.SlavePath());
        context.portFactory = kiv::CQtSerialPort::Factory();
        Measure("QSerialPort on a pty", context);
    }
    server.Stop();
    serve.join();
#else
    (void)argc;
    (void)argv;
#endif
    return 0;
}
