#include "unit/link/MemorySerialPort.h"

#include <algorithm>

namespace kiv {

void CMemoryWire::Unplug() {
    std::lock_guard lock(mutex);
    unplugged = true;
    changed.notify_all();
}

CMemorySerialPort::~CMemorySerialPort() {
    if (isOpen_) Close();
}

bool CMemorySerialPort::Open(const std::string& device, const LineParams& line) {
    std::lock_guard lock(wire_->mutex);
    missing_ = device != wire_->device || wire_->unplugged;
    if (missing_ || wire_->open[side_]) return false;
    wire_->open[side_] = true;
    wire_->openCount[side_]++;
    wire_->breakOn[side_] = false;
    isOpen_ = true;
    interrupted_ = false;
    lastLine = line;
    return true;
}

bool CMemorySerialPort::IsOpen() const {
    return isOpen_;
}

bool CMemorySerialPort::Write(const std::uint8_t* data, std::size_t count) {
    std::lock_guard lock(wire_->mutex);
    if (wire_->unplugged) return false;
    auto& dest = wire_->queue[1 - side_];
    dest.insert(dest.end(), data, data + count);
    wire_->sent[side_].insert(wire_->sent[side_].end(), data, data + count);
    wire_->changed.notify_all();
    return true;
}

std::size_t CMemorySerialPort::BytesWaiting() {
    std::lock_guard lock(wire_->mutex);
    return wire_->unplugged ? 0 : wire_->queue[side_].size();
}

bool CMemorySerialPort::WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(wire_->mutex);
    wire_->changed.wait_for(lock, timeout, [&] {
        return wire_->unplugged || interrupted_ || wire_->queue[side_].size() >= count;
    });
    return !wire_->unplugged && !interrupted_ && wire_->queue[side_].size() >= count;
}

void CMemorySerialPort::Interrupt() {
    std::lock_guard lock(wire_->mutex);
    interrupted_ = true;
    wire_->changed.notify_all();
}

long CMemorySerialPort::Read(std::uint8_t* dest, std::size_t count) {
    std::lock_guard lock(wire_->mutex);
    if (wire_->unplugged) return -1;
    auto& q = wire_->queue[side_];
    const std::size_t n = std::min(count, q.size());
    std::copy_n(q.begin(), n, dest);
    q.erase(q.begin(), q.begin() + static_cast<long>(n));
    return static_cast<long>(n);
}

void CMemorySerialPort::SetBreak(bool on) {
    std::lock_guard lock(wire_->mutex);
    if (on && !wire_->breakOn[side_]) wire_->breakCount[side_]++;
    wire_->breakOn[side_] = on;
    wire_->changed.notify_all();
}

void CMemorySerialPort::Close() {
    std::lock_guard lock(wire_->mutex);
    wire_->open[side_] = false;
    isOpen_ = false;
    wire_->changed.notify_all();
}

bool CMemorySerialPort::HasFailed() const {
    std::lock_guard lock(wire_->mutex);
    return wire_->unplugged;
}

SerialPortFactory CMemorySerialPort::HostFactory(std::shared_ptr<CMemoryWire> wire) {
    return [wire] { return std::make_unique<CMemorySerialPort>(wire, hostSide); };
}

} // namespace kiv
