#include "unit/link/SerialSettings.h"
#include "unit/link/LinkContext.h"
#include "unit/link/MemorySerialPort.h"
#include "unit/link/SerialLink.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;
using namespace kiv;

namespace {

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override { path = SerialSettingsPath(dir.string()); }

    void WriteBytes(const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    }
    std::vector<std::uint8_t> ReadBytes() {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    test::CTempDir tempDir{"kiv-settings"};
    const fs::path& dir = tempDir.Path();
    std::string path;
};

std::vector<std::uint8_t> Le(std::initializer_list<std::int32_t> fields) {
    std::vector<std::uint8_t> out;
    for (auto f : fields)
        for (int b = 0; b < 4; ++b)
            out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(f) >> (8 * b)));
    return out;
}

} // namespace

TEST_F(SettingsFile, ShortFileGivesDefaultsAndIsRewrittenWhole) {
    WriteBytes(Le({5, 1, 2, 1, 3}));
    auto bytes = ReadBytes();
    bytes.pop_back(); // 19 bytes
    WriteBytes(bytes);

    CLinkContext context;
    context.settings.portNumber = 4;
    LoadSerialSettings(context, dir.string());
    EXPECT_EQ(context.settings, CSerialSettings{});
    { CSerialLink link(context); } // no port at all: still rewrites the file
    EXPECT_EQ(ReadBytes(), Le({4, 3, 1, 2, 2}));
}

TEST_F(SettingsFile, MissingFileKeepsSettingsAndLongFileReadsFirstTwenty) {
    CLinkContext context;
    context.settings.portNumber = 3;
    LoadSerialSettings(context, dir.string());
    EXPECT_EQ(context.settings.portNumber, 3);
    EXPECT_FALSE(fs::exists(path));
    { CSerialLink link(context); }
    EXPECT_EQ(ReadBytes(), Le({4, 3, 1, 2, 3}));

    auto bytes = Le({1, 2, 2, 1, -7});
    bytes.push_back(0xAA);
    WriteBytes(bytes);
    CSerialSettings s;
    ASSERT_TRUE(s.Load(path));
    EXPECT_EQ(s.baudCode, 1);
    EXPECT_EQ(s.portNumber, -7);
    EXPECT_EQ(s.EffectivePort(), 2);
}

TEST(SerialSettings, LineCodesAndPortMapping) {
    CSerialSettings s;
    EXPECT_EQ(s.Line().parity, 'N');
    EXPECT_EQ(s.Line().dataBits, 8);
    EXPECT_EQ(s.Line().stopBits, 1);
    s.parityCode = 1;
    s.dataBitsCode = 1;
    s.stopBitsCode = 2;
    s.baudCode = 1;
    EXPECT_EQ(s.Line().parity, 'E');
    EXPECT_EQ(s.Line().dataBits, 7);
    EXPECT_EQ(s.Line().stopBits, 2);
    EXPECT_EQ(s.Line().baudRate, 9600);
    s.parityCode = 2;
    EXPECT_EQ(s.Line().parity, 'O');

    CPortResolver ports;
    ports.SetDevice(2, "/dev/ttyUSB0");
    for (int bad : {0, 5, -1, 1000})
        EXPECT_EQ(ports.Device(bad), "/dev/ttyUSB0") << bad;
    EXPECT_EQ(ports.Device(4), CPortResolver::DefaultDevice(4));
    EXPECT_EQ(CPortResolver("/tmp/x").Device(3), "/tmp/x");
}

TEST_F(SettingsFile, LinkOpensTheMappedDeviceAndFailedOpenStillRewrites) {
    auto wire = std::make_shared<CMemoryWire>("/dev/unit2");
    CLinkContext context;
    context.settingsPath = path;
    context.portFactory = CMemorySerialPort::HostFactory(wire);
    context.ports.SetDevice(2, "/dev/unit2");
    context.settings.portNumber = 5; // outside 1..4: port 2
    {
        CSerialLink link(context);
        EXPECT_TRUE(link.IsOpen());
        EXPECT_EQ(context.linkStatus, 0);
    }
    context.settings.portNumber = 3; // nothing there
    {
        CSerialLink link(context);
        EXPECT_FALSE(link.IsOpen());
        EXPECT_EQ(context.linkStatus, -1);
        std::uint8_t b = 0;
        EXPECT_EQ(link.InQueue(), 0u);
        EXPECT_EQ(link.ReadBytes(&b, 1), -1);
        link.WriteSlow("E"); // does nothing, reports nothing
    }
    EXPECT_EQ(ReadBytes(), Le({4, 3, 1, 2, 3}));
    EXPECT_TRUE(wire->sent[0].empty());
}

TEST_F(SettingsFile, StartFolderFileIsKeptElseTheConfigurationFolderHoldsIt) {
    const fs::path config = dir / "config"; // made by the first start
    const fs::path first = dir / "first", second = dir / "second";
    fs::create_directories(first);
    fs::create_directories(second);
    const auto fileIn = [](const fs::path& folder) { return (folder / "rs_setup.cfg").string(); };
    const auto bytesOf = [](const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
    };

    // A start folder without the file: the chosen port goes beside the profile.
    CLinkContext one;
    LoadSerialSettings(one, first.string(), config.string());
    EXPECT_EQ(one.settingsPath, fileIn(config));
    one.settings.portNumber = 4;
    ASSERT_TRUE(SaveSerialSettings(one));
    EXPECT_FALSE(fs::exists(fileIn(first)));
    EXPECT_EQ(bytesOf(fileIn(config)), Le({4, 3, 1, 2, 4}));

    // Another start folder finds it there.
    CLinkContext two;
    LoadSerialSettings(two, second.string(), config.string());
    EXPECT_EQ(two.settings.portNumber, 4);

    // A start folder that holds its own file keeps using it, read and written
    // there; the one beside the profile is left alone.
    {
        std::ofstream(fileIn(second), std::ios::binary)
            .write("\x04\0\0\0\x03\0\0\0\x01\0\0\0\x02\0\0\0\x01\0\0\0", 20);
    }
    CLinkContext three;
    LoadSerialSettings(three, second.string(), config.string());
    EXPECT_EQ(three.settingsPath, fileIn(second));
    EXPECT_EQ(three.settings.portNumber, 1);
    three.settings.portNumber = 3;
    ASSERT_TRUE(SaveSerialSettings(three));
    EXPECT_EQ(bytesOf(fileIn(second)), Le({4, 3, 1, 2, 3}));
    EXPECT_EQ(bytesOf(fileIn(config)), Le({4, 3, 1, 2, 4}));

    // Without a configuration folder the start folder is the place, as before.
    EXPECT_EQ(SerialSettingsLocation(first.string(), ""), fileIn(first));
}

TEST(SerialSettings, MissingDeviceIsNamedAndAHeldOneIsNot) {
    auto wire = std::make_shared<CMemoryWire>("/dev/unit2");
    CLinkContext context;
    context.settingsPath.clear();
    context.portFactory = CMemorySerialPort::HostFactory(wire);
    context.ports.SetDevice(2, "/dev/ttyUSB0");
    {
        CSerialLink link(context);
        ASSERT_FALSE(link.IsOpen());
        EXPECT_EQ(CannotOpenPortText(link),
                  "Impossibile aprire la porta COM\nIl dispositivo /dev/ttyUSB0 non \xE8 presente: "
                  "collegare l'adattatore o associare la porta a un altro dispositivo in "
                  "Selezione Porta COM.");
    }
    // The device is there but another program holds it: only the usual text.
    context.ports.SetDevice(2, "/dev/unit2");
    CMemorySerialPort other(wire, CMemorySerialPort::hostSide);
    ASSERT_TRUE(other.Open("/dev/unit2", {}));
    CSerialLink link(context);
    ASSERT_FALSE(link.IsOpen());
    EXPECT_EQ(CannotOpenPortText(link), "Impossibile aprire la porta COM");

    EXPECT_EQ(DescribeSerialDevice({"/dev/ttyUSB0", "USB-Serial Controller", "Prolific", "A1B2"}),
              "/dev/ttyUSB0 - USB-Serial Controller, Prolific, n. A1B2");
    EXPECT_EQ(DescribeSerialDevice({"/dev/ttyS0", "", "", ""}), "/dev/ttyS0");
    EXPECT_EQ(DescribeSerialDevice({"/dev/ttyACM0", "", "", "77"}), "/dev/ttyACM0 - n. 77");
}
