#pragma once
// The five serial codes kept in rs_setup.cfg, and the mapping from a port
// number to the device that is opened for it.

#include "unit/link/SerialPort.h"

#include <cstdint>
#include <map>
#include <string>

namespace kiv {

class CSerialSettings {
  public:
    static constexpr std::size_t fileSize = 20;

    std::int32_t baudCode = 4;     // 1 = 1200 ... 5 = 19200
    std::int32_t parityCode = 3;   // 1 even, 2 odd, other none
    std::int32_t stopBitsCode = 1; // 2 = two stop bits, other one
    std::int32_t dataBitsCode = 2; // 1 = 7 data bits, other 8
    std::int32_t portNumber = 2;   // 1..4; any other value opens port 2

    // Port actually opened: the port number, or 2 when it is outside 1..4.
    int EffectivePort() const;
    // The line is always driven at 9600 baud, the rate the unit speaks.
    LineParams Line() const;

    // Reads the file. A missing file keeps the settings as they are; a file
    // shorter than 20 bytes resets all five codes to the defaults; a longer
    // one is read for its first 20 bytes. True when the file was opened.
    bool Load(const std::string& path);
    // Writes the 20 bytes, creating or truncating the file.
    bool Save(const std::string& path) const;

    void Decode(const std::uint8_t (&bytes)[fileSize]);
    void Encode(std::uint8_t (&bytes)[fileSize]) const;

    bool operator==(const CSerialSettings&) const = default;
};

// Path of rs_setup.cfg in the given directory (built once at start-up).
std::string SerialSettingsPath(const std::string& directory);

// Where rs_setup.cfg is kept: in the start folder when the file is already
// there, otherwise in the user's configuration folder (beside the profile),
// so that the chosen port stays whatever folder the program starts in. An
// empty configuration folder keeps the start folder.
std::string SerialSettingsLocation(const std::string& startDir, const std::string& configDir);

// A serial device the system offers, as its port list describes it.
struct SerialDeviceInfo {
    std::string device; // the path that is opened (/dev/ttyUSB0, COM3)
    std::string description;
    std::string manufacturer;
    std::string serialNumber;
};

// "/dev/ttyUSB0 - USB-Serial Controller, Prolific, n. 12345": the device and
// whichever of its descriptions are known.
std::string DescribeSerialDevice(const SerialDeviceInfo& info);

// Maps port numbers 1..4 to device paths. Defaults follow the platform
// (/dev/ttyS0..3, COM1..COM4); the Qt layer overrides them from the profile
// section "Ports". A fixed device, when set, is used whatever the number
// (kivtool --device, tests).
class CPortResolver {
  public:
    CPortResolver();
    explicit CPortResolver(std::string fixedDevice);

    // Device for a port number; numbers outside 1..4 name port 2.
    std::string Device(int portNumber) const;
    void SetDevice(int portNumber, std::string device);
    static std::string DefaultDevice(int portNumber);

  private:
    std::map<int, std::string> devices_;
    std::string fixed_;
};

} // namespace kiv
