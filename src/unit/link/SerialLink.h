#pragma once
// One exchange's hold on the serial port. Constructing a link opens and
// configures the port (closing any other link's port first); destroying it
// puts the line into break, closes the port and rewrites rs_setup.cfg.

#include "unit/link/LinkContext.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kiv {

class CSerialLink {
  public:
    explicit CSerialLink(CLinkContext& context);
    ~CSerialLink();
    CSerialLink(const CSerialLink&) = delete;
    CSerialLink& operator=(const CSerialLink&) = delete;

    bool IsOpen() const { return open_; }
    const std::string& Device() const { return device_; }
    // True when the open failed because the device does not exist.
    bool DeviceMissing() const { return missing_; }

    // Sends the bytes one at a time with the standard gap after each.
    void WriteSlow(const std::uint8_t* data, std::size_t count);
    void WriteSlow(std::string_view bytes);
    // As WriteSlow with the gap of the given pacing count (none for <= 0).
    void WritePaced(const std::uint8_t* data, std::size_t count, double pacingCount);
    // Bytes waiting in the input queue (0 when the port is not open).
    std::size_t InQueue();
    // 0 once count bytes wait; 1 when the time-out passed first. The time-out
    // runs on whole seconds: it gives up once seconds + 1 whole seconds have
    // passed on the clock, between seconds and seconds + 1 after the call.
    // Blocks on the port meanwhile.
    int WaitBytes(int seconds, std::size_t count);
    // Reads count (1..512) waiting bytes. 0 on success, -1 when the read
    // failed or delivered fewer bytes than asked for.
    int ReadBytes(std::uint8_t* dest, std::size_t count);
    void Flush();

    static constexpr std::size_t maxRead = 512;

  private:
    void Write(const std::uint8_t* data, std::size_t count, std::chrono::microseconds gap);
    void ClosePort();

    CLinkContext& context_;
    CSerialSettings settings_;
    std::unique_ptr<ISerialPort> port_;
    std::string device_;
    bool open_ = false;
    bool missing_ = false;
};

// "Impossibile aprire la porta COM", followed by the device's path on a line
// of its own when the device does not exist, so the user sees which mapping
// points nowhere.
std::string CannotOpenPortText(const CSerialLink& link);

} // namespace kiv
