#pragma once
// An in-memory serial line for tests: a wire with two ends. The host end is
// what the link opens; the far end is driven by the test (or a simulated
// unit pumped on a thread). Records break changes and can be unplugged to
// simulate a device that disappears.

#include "unit/link/SerialPort.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace kiv {

class CMemoryWire {
  public:
    explicit CMemoryWire(std::string deviceName = "mem0") : device(std::move(deviceName)) {}

    const std::string device;

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::uint8_t> queue[2]; // bytes waiting to be read by side 0 / side 1
    std::vector<std::uint8_t> sent[2]; // every byte each side wrote
    bool open[2] = {false, false};
    bool breakOn[2] = {false, false};
    int breakCount[2] = {0, 0}; // times each side turned break on
    int openCount[2] = {0, 0};
    bool unplugged = false;

    // Simulates the device disappearing: every later operation fails.
    void Unplug();
};

class CMemorySerialPort : public ISerialPort {
  public:
    static constexpr int hostSide = 0;
    static constexpr int farSide = 1;

    CMemorySerialPort(std::shared_ptr<CMemoryWire> wire, int side)
        : wire_(std::move(wire)), side_(side) {}
    ~CMemorySerialPort() override;

    bool Open(const std::string& device, const LineParams& line) override;
    bool IsOpen() const override;
    bool Write(const std::uint8_t* data, std::size_t count) override;
    std::size_t BytesWaiting() override;
    bool WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) override;
    long Read(std::uint8_t* dest, std::size_t count) override;
    void Flush() override {}
    void SetBreak(bool on) override;
    void Close() override;
    bool HasFailed() const override;
    bool DeviceMissing() const override { return missing_; }
    void Interrupt() override;

    LineParams lastLine;

    // A factory for links that opens the host end of the wire.
    static SerialPortFactory HostFactory(std::shared_ptr<CMemoryWire> wire);

  private:
    std::shared_ptr<CMemoryWire> wire_;
    int side_;
    bool isOpen_ = false;
    bool interrupted_ = false; // under the wire's mutex
    bool missing_ = false;     // the last open named another device, or the wire was unplugged
};

} // namespace kiv
