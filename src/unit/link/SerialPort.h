#pragma once
// The serial port as the link sees it. The core never touches a device
// directly: the Qt layer supplies an adapter over QSerialPort, tests an
// in-memory pair or the simulated unit.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace kiv {

// Line parameters applied when the port is opened.
struct LineParams {
    int baudRate = 9600;
    int dataBits = 8;  // 7 or 8
    char parity = 'N'; // 'N' none, 'E' even, 'O' odd, 'M' mark, 'S' space
    int stopBits = 1;  // 1 or 2
};

class ISerialPort {
  public:
    virtual ~ISerialPort() = default;

    // Opens the device exclusively and configures the line. False when the
    // device cannot be opened (missing, or held by another process). A line
    // configuration the driver rejects does not make the open fail.
    virtual bool Open(const std::string& device, const LineParams& line) = 0;
    virtual bool IsOpen() const = 0;
    // Writes the bytes and returns once they have been handed to the line.
    virtual bool Write(const std::uint8_t* data, std::size_t count) = 0;
    // Number of received bytes waiting to be read. An adapter that buffers
    // may report only the bytes it holds, without asking the driver, while
    // it holds any; a wait for more bytes asks the driver.
    virtual std::size_t BytesWaiting() = 0;
    // Blocks (never spins) until at least count bytes wait or the time-out
    // passes. True when count bytes wait. May return false early when the
    // port has failed.
    virtual bool WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) = 0;
    // Reads up to count waiting bytes without blocking. Number of bytes read,
    // or -1 when the read failed.
    virtual long Read(std::uint8_t* dest, std::size_t count) = 0;
    // Pushes out what is still queued for output and waits until it left.
    virtual void Flush() = 0;
    virtual void SetBreak(bool on) = 0;
    virtual void Close() = 0;
    // True once the port has failed (device gone) since it was opened.
    virtual bool HasFailed() const { return false; }
    // After an Open that failed: true when no such device exists (an adapter
    // unplugged, a path mistyped), false when it exists but would not open.
    virtual bool DeviceMissing() const { return false; }
    // Wakes a WaitForBytes blocked on another thread, and makes every later
    // wait return false at once, until the port is opened again. The one
    // call that another thread may make while a thread uses the port: it is
    // how a reader that waits for bytes without a time-out is stopped.
    // Ports whose waits never block leave it as it is.
    virtual void Interrupt() {}
};

// Creates an unopened port. A link calls it on the thread that then uses the
// port, so adapters bound to a thread (QSerialPort) live where they work.
using SerialPortFactory = std::function<std::unique_ptr<ISerialPort>()>;

} // namespace kiv
