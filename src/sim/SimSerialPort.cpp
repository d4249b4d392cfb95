#include "sim/SimSerialPort.h"

#include <algorithm>
#include <thread>

namespace kiv::sim {

bool CSimSerialPort::Open(const std::string& device, const LineParams& params) {
    if (!line_->present || line_->unplugged || device != line_->device) return false;
    line_->params = params;
    line_->sim.SetLineRate(params.baudRate);
    open_ = true;
    in_.clear();
    return true;
}

bool CSimSerialPort::Write(const std::uint8_t* data, std::size_t count) {
    if (!open_ || line_->unplugged) return false;
    line_->sim.Receive(data, count, CUnitSim::Clock::now());
    return true;
}

void CSimSerialPort::Pull() {
    if (line_->unplugged) return;
    const auto due = line_->sim.TakeDue(CUnitSim::Clock::now());
    in_.insert(in_.end(), due.begin(), due.end());
}

std::size_t CSimSerialPort::BytesWaiting() {
    if (!open_) return 0;
    Pull();
    return in_.size();
}

bool CSimSerialPort::WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) {
    const auto deadline = CUnitSim::Clock::now() + timeout;
    for (;;) {
        if (!open_ || line_->unplugged) return false;
        Pull();
        if (in_.size() >= count) return true;
        const auto next = line_->sim.NextDue();
        if (!next || *next > deadline) {
            std::this_thread::sleep_until(deadline);
            Pull();
            return in_.size() >= count;
        }
        std::this_thread::sleep_until(*next);
    }
}

long CSimSerialPort::Read(std::uint8_t* dest, std::size_t count) {
    if (!open_ || line_->unplugged) return -1;
    const std::size_t n = std::min(count, in_.size());
    std::copy_n(in_.begin(), n, dest);
    in_.erase(in_.begin(), in_.begin() + static_cast<long>(n));
    return static_cast<long>(n);
}

void CSimSerialPort::SetBreak(bool on) {
    if (on && !line_->breakOn) {
        ++line_->breaks;
        line_->sim.LineBreak();
    }
    line_->breakOn = on;
}

void CSimSerialPort::Close() {
    if (open_) line_->sim.LineBreak();
    open_ = false;
}

SerialPortFactory CSimSerialPort::Factory(std::shared_ptr<Line> line) {
    return [line] { return std::make_unique<CSimSerialPort>(line); };
}

} // namespace kiv::sim
