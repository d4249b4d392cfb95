#pragma once
// A link context whose port is a simulated unit served in this process (no
// pseudo-terminal, no pauses, a "second" of `second`): for the fuzz targets,
// tests and benchmarks that drive the transfer engines.

#include "sim/SimSerialPort.h"
#include "unit/link/LinkContext.h"
#include "unit/link/PasswordCommand.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace kiv::test {

inline CLinkContext
SimLinkContext(const std::shared_ptr<sim::CSimSerialPort::Line>& line,
               std::chrono::milliseconds second = std::chrono::milliseconds(1)) {
    CLinkContext context;
    context.settingsPath.clear();
    context.ports = CPortResolver(line->device);
    context.portFactory = sim::CSimSerialPort::Factory(line);
    context.timing = CLinkTiming{}.Scaled(0.0);
    context.timing.byteGap = std::chrono::microseconds(0);
    context.timing.second = second;
    return context;
}

// A password prompt that always answers with the simulated unit's password.
struct UnitPassword : PasswordPrompt {
    std::optional<std::string> Ask(const std::string&, const std::string&,
                                   const std::string&) override {
        return std::string("1234");
    }
};

} // namespace kiv::test
