#include "unit/link/SerialSettings.h"

#include <filesystem>
#include <fstream>

namespace kiv {

int CSerialSettings::EffectivePort() const {
    return (portNumber >= 1 && portNumber <= 4) ? static_cast<int>(portNumber) : 2;
}

LineParams CSerialSettings::Line() const {
    LineParams line;
    line.baudRate = 9600;
    line.dataBits = dataBitsCode == 1 ? 7 : 8;
    line.parity = parityCode == 1 ? 'E' : parityCode == 2 ? 'O' : 'N';
    line.stopBits = stopBitsCode == 2 ? 2 : 1;
    return line;
}

void CSerialSettings::Decode(const std::uint8_t (&bytes)[fileSize]) {
    std::int32_t* fields[] = {&baudCode, &parityCode, &stopBitsCode, &dataBitsCode, &portNumber};
    for (std::size_t i = 0; i < 5; ++i) {
        std::uint32_t v = 0;
        for (std::size_t b = 0; b < 4; ++b)
            v |= static_cast<std::uint32_t>(bytes[i * 4 + b]) << (8 * b);
        *fields[i] = static_cast<std::int32_t>(v);
    }
}

void CSerialSettings::Encode(std::uint8_t (&bytes)[fileSize]) const {
    const std::int32_t fields[] = {baudCode, parityCode, stopBitsCode, dataBitsCode, portNumber};
    for (std::size_t i = 0; i < 5; ++i) {
        const auto v = static_cast<std::uint32_t>(fields[i]);
        for (std::size_t b = 0; b < 4; ++b)
            bytes[i * 4 + b] = static_cast<std::uint8_t>(v >> (8 * b));
    }
}

bool CSerialSettings::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::uint8_t bytes[fileSize] = {};
    in.read(reinterpret_cast<char*>(bytes), fileSize);
    if (static_cast<std::size_t>(in.gcount()) < fileSize) {
        *this = CSerialSettings{};
    } else {
        Decode(bytes);
    }
    return true;
}

bool CSerialSettings::Save(const std::string& path) const {
    std::uint8_t bytes[fileSize];
    Encode(bytes);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes), fileSize);
    return static_cast<bool>(out.flush());
}

std::string SerialSettingsPath(const std::string& directory) {
    if (directory.empty()) return "rs_setup.cfg";
    const char last = directory.back();
    if (last == '/' || last == '\\') return directory + "rs_setup.cfg";
    return directory + "/rs_setup.cfg";
}

std::string SerialSettingsLocation(const std::string& startDir, const std::string& configDir) {
    const std::string inStart = SerialSettingsPath(startDir);
    std::error_code error;
    if (configDir.empty() || std::filesystem::is_regular_file(inStart, error)) return inStart;
    return SerialSettingsPath(configDir);
}

std::string DescribeSerialDevice(const SerialDeviceInfo& info) {
    std::string details;
    for (const std::string* part : {&info.description, &info.manufacturer}) {
        if (part->empty()) continue;
        if (!details.empty()) details += ", ";
        details += *part;
    }
    if (!info.serialNumber.empty()) {
        if (!details.empty()) details += ", ";
        details += "n. " + info.serialNumber;
    }
    return details.empty() ? info.device : info.device + " - " + details;
}

CPortResolver::CPortResolver() {
    for (int p = 1; p <= 4; ++p)
        devices_[p] = DefaultDevice(p);
}

CPortResolver::CPortResolver(std::string fixedDevice) : CPortResolver() {
    fixed_ = std::move(fixedDevice);
}

std::string CPortResolver::DefaultDevice(int portNumber) {
#ifdef _WIN32
    return "COM" + std::to_string(portNumber);
#else
    return "/dev/ttyS" + std::to_string(portNumber - 1);
#endif
}

std::string CPortResolver::Device(int portNumber) const {
    if (!fixed_.empty()) return fixed_;
    if (portNumber < 1 || portNumber > 4) portNumber = 2;
    const auto it = devices_.find(portNumber);
    return it != devices_.end() ? it->second : DefaultDevice(portNumber);
}

void CPortResolver::SetDevice(int portNumber, std::string device) {
    if (portNumber >= 1 && portNumber <= 4) devices_[portNumber] = std::move(device);
}

} // namespace kiv
