#include "tarvel/LineMonitor.h"

#include <cctype>
#include <chrono>
#include <future>
#include <thread>
#include <utility>
#include <vector>

namespace kiv {

namespace {

// How long one wait of the idle reader lasts; Stop() wakes it sooner.
constexpr std::chrono::milliseconds kIdleWait{60000};

} // namespace

int CLineMonitor::PortFromCommandLine(const std::string& commandLine) {
    std::size_t i = 0;
    while (i < commandLine.size() && std::isspace(static_cast<unsigned char>(commandLine[i])))
        ++i;
    bool negative = false;
    if (i < commandLine.size() && (commandLine[i] == '+' || commandLine[i] == '-'))
        negative = commandLine[i++] == '-';
    long value = 0;
    while (i < commandLine.size() && std::isdigit(static_cast<unsigned char>(commandLine[i]))) {
        value = value * 10 + (commandLine[i++] - '0');
        if (value > 4) break; // already "another value"
    }
    if (negative) value = -value;
    return value == 1 || value == 3 || value == 4 ? static_cast<int>(value) : 2;
}

CLineMonitor::ThreadLauncher CLineMonitor::StdThreads() {
    return [](std::function<void()> body) -> std::function<void()> {
        auto thread = std::make_shared<std::thread>(std::move(body));
        return [thread] { thread->join(); };
    };
}

CLineMonitor::CLineMonitor(SerialPortFactory factory, EventSink sink, ThreadLauncher launcher)
    : factory_(std::move(factory)), sink_(std::move(sink)), launcher_(std::move(launcher)) {}

CLineMonitor::~CLineMonitor() {
    Stop();
}

bool CLineMonitor::Start(const std::string& device) {
    Stop();
    queue_ = std::make_unique<CReceiveQueue>();
    received_ = 0;
    decoded_ = 0;
    readerEnded_ = false;
    std::promise<bool> opened;
    std::future<bool> openedResult = opened.get_future();
    joinReader_ = launcher_([this, device, &opened] {
        std::unique_ptr<ISerialPort> port = factory_();
        if (!port->Open(device, kLine)) {
            opened.set_value(false);
            return;
        }
        // The line may still be in break from the last program that held it.
        port->SetBreak(false);
        {
            std::lock_guard lock(portMutex_);
            port_ = port.get();
        }
        opened.set_value(true);
        ReadLoop(*port);
        {
            std::lock_guard lock(portMutex_);
            port_ = nullptr;
        }
        port->SetBreak(true);
        port->Close();
    });
    if (!openedResult.get()) {
        joinReader_();
        joinReader_ = nullptr;
        queue_.reset();
        return false;
    }
    joinDisplay_ = launcher_([this] { DisplayLoop(); });
    running_ = true;
    return true;
}

void CLineMonitor::Stop() {
    stop_ = true;
    {
        std::lock_guard lock(portMutex_);
        if (port_) port_->Interrupt();
    }
    if (joinReader_) std::exchange(joinReader_, nullptr)();
    if (queue_) queue_->Finish();
    if (joinDisplay_) std::exchange(joinDisplay_, nullptr)();
    stop_ = false;
    running_ = false;
}

// Takes everything the driver holds at each wake, so the line never waits
// on the monitor; ends on Stop() or when the port fails.
void CLineMonitor::ReadLoop(ISerialPort& port) {
    std::vector<std::uint8_t> bytes;
    while (!stop_) {
        if (!port.WaitForBytes(1, kIdleWait)) {
            if (stop_ || port.HasFailed() || !port.IsOpen()) break;
            continue;
        }
        const std::size_t waiting = port.BytesWaiting();
        if (waiting == 0) continue;
        bytes.resize(waiting);
        const long got = port.Read(bytes.data(), waiting);
        if (got < 0) break;
        queue_->Add(bytes.data(), static_cast<std::size_t>(got));
        received_ += static_cast<std::uint64_t>(got);
    }
    queue_->Finish();
    if (!stop_) {
        readerEnded_ = true;
        if (endSink_) endSink_();
    }
}

// Decodes whatever the queue holds at each wake. When the reader has ended
// the bytes it left are still decoded, so the last events before a line
// failure are shown.
void CLineMonitor::DisplayLoop() {
    CLineDecoder decoder;
    std::vector<std::uint8_t> bytes;
    bool more = true;
    while (more) {
        more = queue_->WaitData();
        bytes.clear();
        if (!queue_->TakeAll(bytes)) continue;
        for (std::uint8_t b : bytes)
            if (auto event = decoder.Feed(b)) sink_(*event);
        decoded_ += bytes.size();
    }
}

} // namespace kiv
