#include "unit/link/SerialLink.h"
#include "unit/link/MemorySerialPort.h"
#include "unit/link/SerialTrace.h"
#include "unit/link/UnitSession.h"

#include <gtest/gtest.h>

#include <ctime>
#include <sstream>
#include <thread>

using namespace kiv;
using namespace std::chrono;

namespace {

struct MemoryLink : ::testing::Test {
    MemoryLink() {
        context.settingsPath.clear();
        context.ports = CPortResolver(wire->device);
        context.portFactory = CMemorySerialPort::HostFactory(wire);
        context.timing = CLinkTiming{}.Scaled(0.0);
        context.timing.second = milliseconds(100);
    }
    void FeedLater(std::vector<std::uint8_t> bytes, milliseconds after) {
        feeder = std::thread([this, bytes, after] {
            std::this_thread::sleep_for(after);
            CMemorySerialPort far(wire, CMemorySerialPort::farSide);
            far.Write(bytes.data(), bytes.size());
        });
    }
    ~MemoryLink() override {
        if (feeder.joinable()) feeder.join();
    }

    std::shared_ptr<CMemoryWire> wire = std::make_shared<CMemoryWire>("mem0");
    CLinkContext context;
    std::thread feeder;
};

double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

TEST_F(MemoryLink, CloseLeavesBreakAndANewLinkClosesTheOld) {
    {
        CSerialLink first(context);
        ASSERT_TRUE(first.IsOpen());
        EXPECT_FALSE(wire->breakOn[0]);
        CSerialLink second(context); // the only port handle moves to the new link
        EXPECT_FALSE(first.IsOpen());
        EXPECT_TRUE(second.IsOpen());
        EXPECT_EQ(wire->breakCount[0], 1);
    }
    EXPECT_TRUE(wire->breakOn[0]);
    EXPECT_EQ(wire->breakCount[0], 2);
    EXPECT_FALSE(wire->open[0]);
    CSerialLink third(context);
    EXPECT_FALSE(wire->breakOn[0]); // the next open lifts the break
}

TEST_F(MemoryLink, WritesEveryByteWithThePacingGap) {
    context.timing.byteGap = milliseconds(3);
    CSerialLink link(context);
    const auto start = steady_clock::now();
    link.WriteSlow("E$$R");
    EXPECT_GE(steady_clock::now() - start, milliseconds(12));
    EXPECT_EQ(std::string(wire->sent[0].begin(), wire->sent[0].end()), "E$$R");

    const std::uint8_t data[] = {1, 2};
    const auto t0 = steady_clock::now();
    link.WritePaced(data, 2, 0.0); // no pause at all
    link.WritePaced(data, 2, -5.0);
    EXPECT_LT(steady_clock::now() - t0, milliseconds(3));
    EXPECT_EQ(context.timing.PacingGap(40000.0), microseconds(6000));
}

TEST_F(MemoryLink, SessionPacesEveryByteItSends) {
    // The profile's Delay D gives the pacing count (D + 2) x 10000; 0 and
    // anything below it keep the standard gap.
    EXPECT_EQ(CLinkTiming::ScriptPacing(3), 50000.0);
    EXPECT_EQ(CLinkTiming::ScriptPacing(0), CLinkTiming::standardPacing);
    EXPECT_EQ(CLinkTiming::ScriptPacing(-7), CLinkTiming::standardPacing);

    context.timing.byteGap = milliseconds(2);
    RecordingSink sink;
    CPlainTransferUi ui;
    CUnitSession session(context, sink, ui, 1, 0);
    session.pacing = CLinkTiming::ScriptPacing(3); // 5 ms after each byte
    CSerialLink link(context);
    auto start = steady_clock::now();
    session.SendCommand(link, "$$I");
    EXPECT_GE(steady_clock::now() - start, milliseconds(20));

    // Block bytes and their checksum too.
    FeedLater({'S'}, milliseconds(60));
    const std::uint8_t block[] = {1, 2, 3};
    start = steady_clock::now();
    EXPECT_TRUE(session.SendBlock(link, block, 3));
    EXPECT_GE(steady_clock::now() - start, milliseconds(20));
    EXPECT_EQ(std::string(wire->sent[0].begin(), wire->sent[0].end()),
              std::string("E$$I\x01\x02\x03\x06"));
}

TEST_F(MemoryLink, WaitBytesKeepsTheWholeSecondRule) {
    CSerialLink link(context);
    // Time-out 0: gives up only once the (scaled) clock second has moved on.
    for (int round = 0; round < 3; ++round) {
        const auto start = steady_clock::now();
        EXPECT_EQ(link.WaitBytes(0, 1), 1);
        const auto took = steady_clock::now() - start;
        EXPECT_GT(took, milliseconds(0));
        EXPECT_LE(took, milliseconds(100 + 30));
    }
    const auto start = steady_clock::now();
    EXPECT_EQ(link.WaitBytes(2, 1), 1);
    const auto took = steady_clock::now() - start;
    EXPECT_GE(took, milliseconds(200 - 5));
    EXPECT_LE(took, milliseconds(300 + 30));
}

TEST_F(MemoryLink, WaitBytesReturnsWhenTheBytesArriveAndSleepsMeanwhile) {
    CSerialLink link(context);
    // The clock starts before the feeder, so the bytes cannot be there
    // sooner than 150 ms after it; 0 means they came before the time-out.
    const double cpu0 = CpuSeconds();
    const auto start = steady_clock::now();
    FeedLater({0x14, 0x01, 0x02}, milliseconds(150));
    EXPECT_EQ(link.WaitBytes(5, 3), 0);
    EXPECT_GE(steady_clock::now() - start, milliseconds(150));
    EXPECT_LT(CpuSeconds() - cpu0, 0.05); // blocked, not spinning
    std::uint8_t got[3] = {};
    EXPECT_EQ(link.ReadBytes(got, 3), 0);
    EXPECT_EQ(got[0], 0x14);
    EXPECT_EQ(got[2], 0x02);
    // Asking for more than is there is a failed read, never stale bytes.
    EXPECT_EQ(link.ReadBytes(got, 1), -1);
    EXPECT_EQ(link.ReadBytes(got, CSerialLink::maxRead + 1), -1);
}

TEST_F(MemoryLink, UnpluggedPortTimesOutWithoutSpinning) {
    CSerialLink link(context);
    wire->Unplug();
    const double cpu0 = CpuSeconds();
    const auto start = steady_clock::now();
    EXPECT_EQ(link.WaitBytes(1, 1), 1);
    EXPECT_GE(steady_clock::now() - start, milliseconds(95));
    EXPECT_LT(CpuSeconds() - cpu0, 0.05);
    std::uint8_t b = 0;
    EXPECT_EQ(link.ReadBytes(&b, 1), -1);
}

TEST_F(MemoryLink, TraceHasOneLinePerEvent) {
    std::ostringstream out;
    CSerialTrace trace(out);
    context.trace = &trace;
    {
        CSerialLink link(context);
        link.WriteSlow("E");
        CMemorySerialPort far(wire, CMemorySerialPort::farSide);
        const std::uint8_t reply = 0x14;
        far.Write(&reply, 1);
        std::uint8_t b = 0;
        ASSERT_EQ(link.WaitBytes(1, 1), 0);
        ASSERT_EQ(link.ReadBytes(&b, 1), 0);
        EXPECT_EQ(link.WaitBytes(0, 1), 1);
    }
    std::vector<std::string> events;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) {
        ASSERT_GT(line.size(), 24u) << line; // "YYYY-MM-DD HH:MM:SS.mmm " first
        EXPECT_EQ(line[4], '-');
        EXPECT_EQ(line[19], '.');
        events.push_back(line.substr(24));
    }
    const std::vector<std::string> expected = {"OPEN mem0 ok",
                                               "BREAK off",
                                               "TX 45 'E'",
                                               "RX 14",
                                               "TIMEOUT 0 s waiting for 1 byte(s), 0 waiting",
                                               "BREAK on",
                                               "CLOSE mem0"};
    EXPECT_EQ(events, expected);
}
