#pragma once
// The serial port over QSerialPort. Works without an event loop (it drives
// the port through waitForReadyRead / waitForBytesWritten), so a transfer may
// run it on a worker thread; create it on the thread that uses it. Only
// Interrupt() may be called from another thread.

#include "unit/link/SerialPort.h"

#include <atomic>
#include <memory>

class QSerialPort;

namespace kiv {

class CQtSerialPort : public ISerialPort {
  public:
    CQtSerialPort();
    ~CQtSerialPort() override;

    bool Open(const std::string& device, const LineParams& line) override;
    bool IsOpen() const override;
    bool Write(const std::uint8_t* data, std::size_t count) override;
    std::size_t BytesWaiting() override;
    bool WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) override;
    long Read(std::uint8_t* dest, std::size_t count) override;
    void Flush() override;
    void SetBreak(bool on) override;
    void Close() override;
    bool HasFailed() const override;
    bool DeviceMissing() const override;
    void Interrupt() override;

    // The line parameters the open port holds, read back from it.
    LineParams Line() const;

    // A factory for CLinkContext::portFactory.
    static SerialPortFactory Factory();

  private:
    void NoteError();
    void Drain();
    // Blocks until the port is readable (or failed), the time-out passes or
    // Interrupt() is called. The time QSerialPort may then wait for bytes,
    // or -1 when it should not wait.
    int WaitReadable(int timeoutMs);

    std::unique_ptr<QSerialPort> port_;
    bool failed_ = false;
    bool hungUp_ = false; // the last wait saw the line hang up
    std::atomic<bool> interrupted_{false};
    // A pipe whose read end wakes the wait (Unix); -1 elsewhere.
    int wake_[2] = {-1, -1};
};

} // namespace kiv
