#include "unit/link/SerialTrace.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <ostream>

namespace kiv {

CSerialTrace::CSerialTrace(const std::string& path)
    : file_(path, std::ios::out | std::ios::app), out_(&file_) {}

CSerialTrace::CSerialTrace(std::ostream& out) : out_(&out) {}

bool CSerialTrace::Good() const {
    return out_ && out_->good();
}

void CSerialTrace::Opened(const std::string& device, bool ok) {
    Line("OPEN " + device + (ok ? " ok" : " failed"));
}
void CSerialTrace::Closed(const std::string& device) {
    Line("CLOSE " + device);
}
void CSerialTrace::Break(bool on) {
    Line(on ? "BREAK on" : "BREAK off");
}
void CSerialTrace::Sent(std::uint8_t byte) {
    Line("TX " + ByteText(byte));
}
void CSerialTrace::Received(std::uint8_t byte) {
    Line("RX " + ByteText(byte));
}
void CSerialTrace::TimeOut(int seconds, std::size_t wanted, std::size_t waiting) {
    Line("TIMEOUT " + std::to_string(seconds) + " s waiting for " + std::to_string(wanted) +
         " byte(s), " + std::to_string(waiting) + " waiting");
}
void CSerialTrace::Note(const std::string& text) {
    Line("NOTE " + text);
}

std::string CSerialTrace::ByteText(std::uint8_t byte) {
    char buf[16];
    if (byte >= 0x20 && byte < 0x7F)
        std::snprintf(buf, sizeof buf, "%02X '%c'", byte, byte);
    else
        std::snprintf(buf, sizeof buf, "%02X", byte);
    return buf;
}

void CSerialTrace::Line(const std::string& text) {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t secs = system_clock::to_time_t(now);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    char stamp[96];
    std::lock_guard lock(mutex_);
    std::tm tm{};
    if (const std::tm* utc = std::gmtime(&secs)) tm = *utc;
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d.%03d", tm.tm_year + 1900,
                  tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                  static_cast<int>(ms));
    if (!out_) return;
    *out_ << stamp << ' ' << text << '\n';
    out_->flush();
}

} // namespace kiv
