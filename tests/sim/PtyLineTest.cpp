// The line as the port sets it, seen from both ends of a pseudo-terminal: the
// QSerialPort adapter reads back what each code of rs_setup.cfg set, the
// terminal shows the rate and stop bits it carries, and the simulated unit on
// the other end does not hear a port set to another rate.

#include "QtEnvironment.h"
#include "support/PtyUnit.h"
#include "support/TempDir.h"
#include "unit/link/SerialLink.h"
#include "unit/link/UnitSession.h"
#include "unit/link/ui/QtSerialPort.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace kiv;
using namespace kiv::sim;
using namespace std::chrono;
namespace fs = std::filesystem;

namespace {

// A port adapter that sets the line to a rate of its own choosing: a client
// that does not drive the line at the unit's rate.
class OwnRatePort : public CQtSerialPort {
  public:
    explicit OwnRatePort(int rate) : rate_(rate) {}
    bool Open(const std::string& device, const LineParams& line) override {
        LineParams mine = line;
        mine.baudRate = rate_;
        return CQtSerialPort::Open(device, mine);
    }

  private:
    int rate_;
};

struct PtyLine : test::PtyUnitTest {
    void TearDown() override {
        StopUnit();
        if (master >= 0) ::close(master);
    }
    // A pseudo-terminal with nobody on the master side but this test.
    std::string OpenBarePty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master, 0);
        EXPECT_EQ(::grantpt(master), 0);
        EXPECT_EQ(::unlockpt(master), 0);
        return ::ptsname(master);
    }

    test::CTempDir temp{"kiv-ptyline"};
    fs::path dir = temp.Path();
    int master = -1;
};

void PutLe32(std::uint8_t* at, std::int32_t v) {
    for (int k = 0; k < 4; ++k)
        at[k] = static_cast<std::uint8_t>((static_cast<std::uint32_t>(v) >> (8 * k)) & 0xFF);
}

} // namespace

TEST_F(PtyLine, EachCodeOfTheSettingsFileSetsTheOpenPort) {
    struct Case {
        std::int32_t baud, parity, stop, data; // codes, in the file's order
        char expectParity;
        int expectStop, expectData;
    } cases[] = {
        {4, 3, 1, 2, 'N', 1, 8}, // the defaults: 8 data bits, no parity, one stop bit
        {4, 1, 1, 2, 'E', 1, 8}, // parity code 1: even
        {4, 2, 1, 2, 'O', 1, 8}, // parity code 2: odd
        {4, 0, 1, 2, 'N', 1, 8}, // any other parity code: none
        {4, 9, 1, 2, 'N', 1, 8}, {4, 3, 2, 2, 'N', 2, 8}, // stop-bits code 2: two
        {4, 3, 0, 2, 'N', 1, 8},                          // any other: one
        {4, 3, 1, 1, 'N', 1, 7},                          // data-bits code 1: seven
        {4, 3, 1, 7, 'N', 1, 8},                          // any other: eight
        {1, 1, 2, 1, 'E', 2, 7},                          // every rate code drives the line at 9600
        {2, 2, 1, 1, 'O', 1, 7}, {3, 3, 1, 2, 'N', 1, 8}, {5, 1, 2, 2, 'E', 2, 8},
    };
    const std::string device = OpenBarePty();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.baud) + "," + std::to_string(c.parity) + "," +
                     std::to_string(c.stop) + "," + std::to_string(c.data));
        std::uint8_t file[20];
        PutLe32(file, c.baud);
        PutLe32(file + 4, c.parity);
        PutLe32(file + 8, c.stop);
        PutLe32(file + 12, c.data);
        PutLe32(file + 16, 1);
        const fs::path path = dir / "rs_setup.cfg";
        FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(std::fwrite(file, 1, sizeof file, f), sizeof file);
        std::fclose(f);

        CLinkContext portContext;
        LoadSerialSettings(portContext, dir.string());
        portContext.ports = CPortResolver(device);
        CQtSerialPort* port = nullptr;
        portContext.portFactory = [&port] {
            auto p = std::make_unique<CQtSerialPort>();
            port = p.get();
            return p;
        };
        CSerialLink link(portContext);
        ASSERT_TRUE(link.IsOpen());
        const LineParams line = port->Line();
        EXPECT_EQ(line.baudRate, 9600);
        EXPECT_EQ(line.parity, c.expectParity);
        EXPECT_EQ(line.stopBits, c.expectStop);
        EXPECT_EQ(line.dataBits, c.expectData);
        // What the terminal itself carries, seen from its other end.
        termios tio{};
        ASSERT_EQ(::tcgetattr(master, &tio), 0);
        EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B9600));
        EXPECT_EQ((tio.c_cflag & CSTOPB) != 0, c.expectStop == 2);
    }
}

TEST_F(PtyLine, UnitDoesNotHearAPortAtAnotherRate) {
    StartUnit(CSimConfig{}, 0.0);
    // Long enough that the unit's answer at the right rate never misses it on
    // a loaded machine.
    context.timing.second = milliseconds(400);
    RecordingSink sink;
    CPlainTransferUi ui;

    context.portFactory = [] { return std::make_unique<OwnRatePort>(4800); };
    CUnitSession slow(context, sink, ui, 0, 0);
    EXPECT_EQ(slow.IdentifyUnit(CUnitSession::modeFull), CUnitSession::resultFailed);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Time-out Comunicazione"});
    EXPECT_EQ(Log(), std::vector<std::string>{"silent: line at 4800 baud, the unit speaks 9600"});

    // The same unit answers a port at its rate.
    sink.messages.clear();
    context.portFactory = CQtSerialPort::Factory();
    CUnitSession right(context, sink, ui, 1, 0);
    EXPECT_EQ(right.IdentifyUnit(CUnitSession::modeFull), CUnitSession::resultOk);
    EXPECT_TRUE(sink.messages.empty());
}

// The adapter hands bytes straight to the driver while nothing is queued;
// what the driver cannot take at once (a far end that reads late) must still
// arrive, whole and in order.
TEST_F(PtyLine, AWriteTheDriverCannotTakeAtOnceArrivesWhole) {
    const std::string device = OpenBarePty();
    termios tio{};
    ASSERT_EQ(::tcgetattr(master, &tio), 0);
    ::cfmakeraw(&tio);
    ASSERT_EQ(::tcsetattr(master, TCSANOW, &tio), 0);
    CQtSerialPort port;
    ASSERT_TRUE(port.Open(device, LineParams{}));

    // Far more than a pseudo-terminal buffers.
    std::vector<std::uint8_t> sent(256 * 1024);
    for (std::size_t k = 0; k < sent.size(); ++k)
        sent[k] = static_cast<std::uint8_t>(k * 7 + (k >> 8));
    std::vector<std::uint8_t> got;
    std::thread reader([&] {
        // The far end starts reading only once the driver is full.
        std::this_thread::sleep_for(milliseconds(200));
        std::uint8_t buf[4096];
        const auto deadline = steady_clock::now() + seconds(20);
        while (got.size() < sent.size() && steady_clock::now() < deadline) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            const auto n = ::read(master, buf, sizeof buf);
            if (n > 0) got.insert(got.end(), buf, buf + n);
        }
    });
    EXPECT_TRUE(port.Write(sent.data(), sent.size()));
    reader.join();
    port.Close();
    ASSERT_EQ(got.size(), sent.size());
    EXPECT_TRUE(got == sent);
}
