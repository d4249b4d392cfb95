#include "unit/link/SerialLink.h"

#include "unit/link/SerialTrace.h"
#include "unit/link/Texts.h"

#include <algorithm>
#include <filesystem>
#include <thread>

namespace kiv {

void LoadSerialSettings(CLinkContext& context, const std::string& startDir,
                        const std::string& configDir) {
    context.settingsPath = SerialSettingsLocation(startDir, configDir);
    if (!configDir.empty()) {
        // The configuration folder may not exist before the first run.
        std::error_code error;
        std::filesystem::create_directories(configDir, error);
    }
    context.settings.Load(context.settingsPath);
}

std::string CannotOpenPortText(const CSerialLink& link) {
    std::string text = texts::cannotOpenPort;
    if (link.DeviceMissing())
        text += texts::deviceMissingBefore + link.Device() + texts::deviceMissingAfter;
    return text;
}

bool SaveSerialSettings(const CLinkContext& context) {
    if (context.settingsPath.empty()) return false;
    return context.settings.Save(context.settingsPath);
}

CSerialLink::CSerialLink(CLinkContext& context) : context_(context), settings_(context.settings) {
    if (context_.openLink_) context_.openLink_->ClosePort();
    device_ = context_.ports.Device(settings_.EffectivePort());
    if (context_.portFactory) port_ = context_.portFactory();
    const bool ok = port_ && port_->Open(device_, settings_.Line());
    if (context_.trace) context_.trace->Opened(device_, ok);
    if (!ok) {
        context_.linkStatus = -1;
        missing_ = port_ && port_->DeviceMissing();
        port_.reset();
        return;
    }
    context_.linkStatus = 0;
    // The previous exchange left the line in break; the unit listens again.
    port_->SetBreak(false);
    if (context_.trace) context_.trace->Break(false);
    open_ = true;
    context_.openLink_ = this;
}

CSerialLink::~CSerialLink() {
    ClosePort();
    SaveSerialSettings(context_);
}

void CSerialLink::ClosePort() {
    if (port_) {
        port_->SetBreak(true);
        if (context_.trace) context_.trace->Break(true);
        port_->Close();
        if (context_.trace) context_.trace->Closed(device_);
        port_.reset();
    }
    open_ = false;
    if (context_.openLink_ == this) context_.openLink_ = nullptr;
}

void CSerialLink::Write(const std::uint8_t* data, std::size_t count,
                        std::chrono::microseconds gap) {
    if (!open_) return;
    port_->Flush();
    // The gaps follow a schedule rather than being slept one after the other:
    // a sleep that overruns (a loaded machine wakes late) shortens the next
    // one, so a long block keeps the intended rate instead of adding every
    // overrun to the transfer time. Two bytes are never closer than half a
    // gap, and a thread that fell more than a whole gap behind starts the
    // schedule again, so the unit never gets a burst.
    using Clock = std::chrono::steady_clock;
    Clock::time_point next = Clock::now();
    for (std::size_t i = 0; i < count; ++i) {
        port_->Write(data + i, 1);
        if (context_.trace) context_.trace->Sent(data[i]);
        if (gap.count() <= 0) continue;
        next += gap;
        std::this_thread::sleep_until(std::max(next, Clock::now() + gap / 2));
        const Clock::time_point woke = Clock::now();
        if (woke - next > gap) next = woke;
    }
}

void CSerialLink::WriteSlow(const std::uint8_t* data, std::size_t count) {
    Write(data, count, context_.timing.byteGap);
}

void CSerialLink::WriteSlow(std::string_view bytes) {
    WriteSlow(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void CSerialLink::WritePaced(const std::uint8_t* data, std::size_t count, double pacingCount) {
    Write(data, count, context_.timing.PacingGap(pacingCount));
}

std::size_t CSerialLink::InQueue() {
    return open_ ? port_->BytesWaiting() : 0;
}

int CSerialLink::WaitBytes(int seconds, std::size_t count) {
    using namespace std::chrono;
    const auto unit = context_.timing.second;
    const auto start = system_clock::now();
    // The time-out counts whole seconds of the clock.
    const auto startSecond = duration_cast<milliseconds>(start.time_since_epoch()) / unit;
    const auto deadline = system_clock::time_point{
        duration_cast<system_clock::duration>(unit * (startSecond + std::max(seconds, 0) + 1))};
    for (;;) {
        if (InQueue() >= count) return 0;
        const auto now = system_clock::now();
        if (now >= deadline) break;
        const auto remaining = ceil<milliseconds>(deadline - now);
        if (!open_ || port_->HasFailed()) {
            // Nothing can arrive; wait the time-out out as the unit would.
            std::this_thread::sleep_until(deadline);
            continue;
        }
        const auto before = steady_clock::now();
        if (!port_->WaitForBytes(count, remaining)) {
            // A port that returns at once without bytes must not turn the
            // wait into a spin.
            if (steady_clock::now() - before < milliseconds{1})
                std::this_thread::sleep_for(std::min(remaining, milliseconds{10}));
        }
    }
    if (context_.trace) context_.trace->TimeOut(seconds, count, InQueue());
    return 1;
}

int CSerialLink::ReadBytes(std::uint8_t* dest, std::size_t count) {
    if (!open_ || count == 0 || count > maxRead) return -1;
    std::uint8_t scratch[maxRead];
    const long n = port_->Read(scratch, count);
    if (n < 0) return -1;
    const auto got = static_cast<std::size_t>(n);
    std::copy_n(scratch, got, dest);
    if (context_.trace)
        for (std::size_t i = 0; i < got; ++i)
            context_.trace->Received(scratch[i]);
    return got == count ? 0 : -1;
}

void CSerialLink::Flush() {
    if (open_) port_->Flush();
}

} // namespace kiv
