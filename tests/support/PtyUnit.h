#pragma once
// A simulated unit served on a pseudo-terminal by a thread of the test, and
// the link context that reaches it through the QSerialPort adapter: the
// set-up of the end-to-end transfer tests. For test programs that link the
// Qt layer and the pseudo-terminal server.

#include "sim/PtyServer.h"
#include "unit/link/LinkContext.h"
#include "unit/link/ui/QtSerialPort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace kiv::test {

class PtyUnitTest : public ::testing::Test {
  protected:
    // Serves a new unit (the one before stops). The unit checks the pauses it
    // needs at `scale` (0 checks none), and the context's timing is the
    // standard one scaled alike, without byte pacing; the serial settings
    // file is not written.
    void StartUnit(sim::CSimConfig config, double scale) {
        StopUnit();
        config.pauseScale = scale;
        sim = std::make_unique<sim::CUnitSim>(std::move(config));
        server = std::make_unique<sim::CPtyServer>(*sim);
        ASSERT_TRUE(server->Open()) << server->Error();
        serverThread = std::thread([this] { server->Run(); });
        context.ports = CPortResolver(server->SlavePath());
        context.portFactory = CQtSerialPort::Factory();
        context.timing = CLinkTiming{}.Scaled(scale);
        context.timing.byteGap = std::chrono::microseconds(0);
        context.settingsPath.clear();
    }
    void StopUnit() {
        if (!server) return;
        server->Stop();
        serverThread.join();
        server.reset();
        sim.reset();
    }
    void TearDown() override { StopUnit(); }

    // The device the system opens as its port.
    const std::string& Device() const { return server->SlavePath(); }

    // Runs f on the unit while the server leaves it alone.
    template <class F> auto WithSim(F f) {
        std::lock_guard lock(server->Mutex());
        return f(*sim);
    }
    std::vector<std::string> Log() {
        return WithSim([](sim::CUnitSim& s) { return s.Log(); });
    }
    std::size_t Count(const std::string& entry) {
        const auto log = Log();
        return static_cast<std::size_t>(std::count(log.begin(), log.end(), entry));
    }
    bool Heard(const std::string& entry) { return Count(entry) > 0; }
    // The unit sees "$$X" just after the port closed; give it a moment.
    void AwaitLast(const std::string& entry) {
        for (int k = 0; k < 200 && (Log().empty() || Log().back() != entry); ++k)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_FALSE(Log().empty());
        EXPECT_EQ(Log().back(), entry);
    }

    // Runs a kivtool command (RunBackupCommand ...) with the context's
    // timing, its standard output dropped; what it wrote on standard error
    // goes to *err when err is given.
    template <class Command>
    int RunTool(Command command, const std::vector<std::string>& args, std::string* err = nullptr) {
        ::testing::internal::CaptureStderr();
        ::testing::internal::CaptureStdout();
        const int status = command(args, context.timing);
        std::fflush(stdout);
        ::testing::internal::GetCapturedStdout();
        const std::string text = ::testing::internal::GetCapturedStderr();
        if (err) *err = text;
        return status;
    }

    std::unique_ptr<sim::CUnitSim> sim;
    std::unique_ptr<sim::CPtyServer> server;
    std::thread serverThread;
    CLinkContext context;
};

} // namespace kiv::test
