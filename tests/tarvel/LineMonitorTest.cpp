// The monitor's threads over the in-memory port: events reach the sink in
// order, a port that will not open starts nothing, Stop() wakes a reader
// blocked on a silent line and leaves the line in break, and a failed line
// ends the reader while the monitor still counts as running.

#include "tarvel/LineMonitor.h"
#include "unit/link/MemorySerialPort.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

using namespace kiv;
using namespace std::chrono_literals;

namespace {

struct Recorder {
    std::mutex mutex;
    std::vector<std::string> shown;
    void Add(const CLineDecoder::Event& e) {
        std::lock_guard lock(mutex);
        shown.push_back(std::to_string(e.line + 1) + ":" + e.text);
    }
    // Waits (up to a generous limit) until count events have come.
    std::vector<std::string> WaitFor(std::size_t count) {
        for (int i = 0; i < 1000; ++i) {
            {
                std::lock_guard lock(mutex);
                if (shown.size() >= count) return shown;
            }
            std::this_thread::sleep_for(10ms);
        }
        std::lock_guard lock(mutex);
        return shown;
    }
};

struct MemoryMonitor : ::testing::Test {
    std::shared_ptr<CMemoryWire> wire = std::make_shared<CMemoryWire>("mem0");
    CMemorySerialPort unit{wire, CMemorySerialPort::farSide};
    Recorder recorder;
    CLineMonitor monitor{CMemorySerialPort::HostFactory(wire),
                         [this](const CLineDecoder::Event& e) { recorder.Add(e); }};

    void Send(std::vector<std::uint8_t> bytes) { unit.Write(bytes.data(), bytes.size()); }
};

using Shown = std::vector<std::string>;

} // namespace

TEST(LineMonitorCommandLine, PortNumber) {
    EXPECT_EQ(CLineMonitor::PortFromCommandLine("4"), 4);
    EXPECT_EQ(CLineMonitor::PortFromCommandLine(""), 2);
    EXPECT_EQ(CLineMonitor::PortFromCommandLine("   "), 2);
    EXPECT_EQ(CLineMonitor::PortFromCommandLine("1"), 1);
    EXPECT_EQ(CLineMonitor::PortFromCommandLine(" 3 1"), 3);
    EXPECT_EQ(CLineMonitor::PortFromCommandLine("3abc"), 3);
    EXPECT_EQ(CLineMonitor::PortFromCommandLine("+4"), 4);
    for (const char* other : {"0", "5", "-1", "-3", "14", "41", "abc", "99999999999999999999"})
        EXPECT_EQ(CLineMonitor::PortFromCommandLine(other), 2) << other;
}

TEST_F(MemoryMonitor, EventsReachTheSinkInOrderAndNothingIsSent) {
    ASSERT_TRUE(monitor.Start("mem0"));
    EXPECT_TRUE(monitor.IsRunning());
    EXPECT_EQ(wire->breakOn[CMemorySerialPort::hostSide], false);
    Send({0x40, 0x5E, 0x01, 0x85, 0x5E, 0x40});
    Send({0x00, 0xFF, 0x85, 0x40, 0x5E, 0x07, 0x80, 0x40, 0x5E});
    Send({0x03});
    Send({0xFE});
    EXPECT_EQ(recorder.WaitFor(3), (Shown{"2:5 ", "1:Off Hook ", "4:On Hook "}));
    monitor.Stop();
    EXPECT_FALSE(monitor.IsRunning());
    EXPECT_EQ(monitor.BytesReceived(), 17u);
    EXPECT_EQ(monitor.BytesDecoded(), 17u);
    EXPECT_TRUE(wire->sent[CMemorySerialPort::hostSide].empty());
    // Stopping leaves the line in break and the port closed.
    EXPECT_EQ(wire->breakCount[CMemorySerialPort::hostSide], 1);
    EXPECT_FALSE(wire->open[CMemorySerialPort::hostSide]);
}

TEST_F(MemoryMonitor, PortThatDoesNotOpenStartsNothing) {
    EXPECT_FALSE(monitor.Start("mem9"));
    EXPECT_FALSE(monitor.IsRunning());
    // Held by another program: refused too.
    CMemorySerialPort other(wire, CMemorySerialPort::hostSide);
    ASSERT_TRUE(other.Open("mem0", {}));
    EXPECT_FALSE(monitor.Start("mem0"));
    EXPECT_FALSE(monitor.IsRunning());
    other.Close();
    EXPECT_TRUE(monitor.Start("mem0"));
    EXPECT_TRUE(monitor.IsRunning());
}

TEST_F(MemoryMonitor, StopWakesTheReaderOnASilentLine) {
    ASSERT_TRUE(monitor.Start("mem0"));
    std::this_thread::sleep_for(50ms); // the reader is in its wait
    auto stopped = std::async(std::launch::async, [&] { monitor.Stop(); });
    ASSERT_EQ(stopped.wait_for(10s), std::future_status::ready);
    EXPECT_FALSE(wire->open[CMemorySerialPort::hostSide]);
    // Start again after a stop, on a fresh queue and decoder.
    ASSERT_TRUE(monitor.Start("mem0"));
    Send({0x40, 0x5E, 0x02, 0x8A});
    EXPECT_EQ(recorder.WaitFor(1), Shown{"3:* "});
}

TEST_F(MemoryMonitor, FailedLineEndsTheReaderAndKeepsTheEventsBeforeIt) {
    ASSERT_TRUE(monitor.Start("mem0"));
    Send({0x40, 0x5E, 0x00, 0x8D});
    EXPECT_EQ(recorder.WaitFor(1), Shown{"1:A "});
    wire->Unplug();
    for (int i = 0; i < 500 && !monitor.ReaderEnded(); ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(monitor.ReaderEnded());
    EXPECT_TRUE(monitor.IsRunning()); // until "Fine"
    monitor.Stop();
    EXPECT_FALSE(monitor.IsRunning());
}

TEST(MemorySerialPort, InterruptWakesAWaitOnAnotherThread) {
    auto wire = std::make_shared<CMemoryWire>("mem0");
    CMemorySerialPort port(wire, CMemorySerialPort::hostSide);
    ASSERT_TRUE(port.Open("mem0", {}));
    auto waited = std::async(std::launch::async, [&] { return port.WaitForBytes(1, 60s); });
    EXPECT_EQ(waited.wait_for(50ms), std::future_status::timeout);
    port.Interrupt();
    ASSERT_EQ(waited.wait_for(10s), std::future_status::ready);
    EXPECT_FALSE(waited.get());
    // Sticky until the port is opened again.
    EXPECT_FALSE(port.WaitForBytes(1, 60s));
    port.Close();
    ASSERT_TRUE(port.Open("mem0", {}));
    EXPECT_FALSE(port.WaitForBytes(1, 10ms));
    CMemorySerialPort far(wire, CMemorySerialPort::farSide);
    const std::uint8_t b = 0x40;
    far.Write(&b, 1);
    EXPECT_TRUE(port.WaitForBytes(1, 10ms));
}
