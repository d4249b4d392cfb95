#pragma once
// The monitor's two workers over one serial port: a reader thread that
// takes every byte the line brings into the receive queue, and a display
// thread that decodes the queue and hands each event to a sink. The port is
// only read: nothing is ever written to the unit.

#include "tarvel/LineDecoder.h"
#include "tarvel/ReceiveQueue.h"
#include "unit/link/SerialPort.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace kiv {

class CLineMonitor {
  public:
    // Called on the display thread for each decoded event. It must not wait
    // for the thread that calls Stop(): Stop() joins the display thread.
    using EventSink = std::function<void(const CLineDecoder::Event&)>;

    // The line as the unit drives it.
    static constexpr LineParams kLine{9600, 8, 'N', 1};

    // The port number of a command line: its first word read as a decimal
    // number (digits after a leading sign, up to the first other
    // character); 1, 3 and 4 stand for themselves, an empty line and every
    // other value for port 2.
    static int PortFromCommandLine(const std::string& commandLine);

    // Runs a body on a new thread; the function it returns joins that
    // thread. The Qt layer supplies one that makes Qt threads, which Qt's
    // serial port wants around it.
    using ThreadLauncher = std::function<std::function<void()>(std::function<void()>)>;
    static ThreadLauncher StdThreads();

    // Called on the reader thread when the reader ends by itself (the port
    // failed: the line hung up, the device went away). It must not wait for
    // the thread that calls Stop().
    using EndSink = std::function<void()>;
    void SetEndSink(EndSink sink) { endSink_ = std::move(sink); }

    // The factory makes the port on the reader thread, which alone uses it.
    CLineMonitor(SerialPortFactory factory, EventSink sink, ThreadLauncher launcher = StdThreads());
    ~CLineMonitor();
    CLineMonitor(const CLineMonitor&) = delete;
    CLineMonitor& operator=(const CLineMonitor&) = delete;

    // Stops what runs, then opens the device and starts both threads. False
    // when the device cannot be opened: the monitor then stays stopped.
    bool Start(const std::string& device);
    // Wakes the reader, joins both threads and closes the port (break on,
    // then close). Returns promptly even while bytes keep arriving.
    void Stop();

    // True from a successful Start() to Stop(), also after the line failed.
    bool IsRunning() const { return running_; }
    // True once the reader has ended by itself (the port failed).
    bool ReaderEnded() const { return readerEnded_; }
    // Bytes taken from the line and bytes decoded since Start().
    std::uint64_t BytesReceived() const { return received_; }
    std::uint64_t BytesDecoded() const { return decoded_; }

  private:
    void ReadLoop(ISerialPort& port);
    void DisplayLoop();

    SerialPortFactory factory_;
    EventSink sink_;
    EndSink endSink_;
    ThreadLauncher launcher_;
    std::unique_ptr<CReceiveQueue> queue_;
    std::function<void()> joinReader_;
    std::function<void()> joinDisplay_;
    std::mutex portMutex_;
    ISerialPort* port_ = nullptr; // while the reader holds an open port
    std::atomic<bool> stop_{false};
    std::atomic<bool> readerEnded_{false};
    std::atomic<std::uint64_t> received_{0};
    std::atomic<std::uint64_t> decoded_{0};
    bool running_ = false;
};

} // namespace kiv
