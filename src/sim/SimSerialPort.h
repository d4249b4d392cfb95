#pragma once
// The simulated unit behind the serial port interface, in the same thread:
// what is written reaches the unit at once, its replies become readable when
// they are due. Closing the port or turning break on is a line break.

#include "sim/UnitSim.h"
#include "unit/link/SerialPort.h"

#include <deque>
#include <memory>

namespace kiv::sim {

class CSimSerialPort : public ISerialPort {
  public:
    // State shared by every port made for one simulated unit.
    struct Line {
        explicit Line(CSimConfig config, std::string deviceName = "sim")
            : sim(std::move(config)), device(std::move(deviceName)) {}
        CUnitSim sim;
        std::string device;
        bool present = true;    // false: the device cannot be opened
        bool unplugged = false; // true: the device vanished under an open port
        int breaks = 0;         // times break was turned on
        bool breakOn = false;
        LineParams params; // as the last open set the line
    };

    explicit CSimSerialPort(std::shared_ptr<Line> line) : line_(std::move(line)) {}

    bool Open(const std::string& device, const LineParams& params) override;
    bool IsOpen() const override { return open_; }
    bool Write(const std::uint8_t* data, std::size_t count) override;
    std::size_t BytesWaiting() override;
    bool WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) override;
    long Read(std::uint8_t* dest, std::size_t count) override;
    void Flush() override {}
    void SetBreak(bool on) override;
    void Close() override;
    bool HasFailed() const override { return open_ && line_->unplugged; }

    static SerialPortFactory Factory(std::shared_ptr<Line> line);

  private:
    void Pull();

    std::shared_ptr<Line> line_;
    std::deque<std::uint8_t> in_;
    bool open_ = false;
};

} // namespace kiv::sim
