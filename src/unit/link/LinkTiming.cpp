#include "unit/link/LinkTiming.h"

#include <algorithm>

namespace kiv {

double CLinkTiming::ScriptPacing(int delay) {
    return (static_cast<double>(std::max(delay, 0)) + 2.0) * 10000.0;
}

std::chrono::microseconds CLinkTiming::PacingGap(double pacingCount) const {
    if (!(pacingCount > 0.0)) return std::chrono::microseconds{0};
    const double us = static_cast<double>(byteGap.count()) * pacingCount / standardPacing;
    // Far beyond any real pacing; keeps the conversion defined for absurd counts.
    return std::chrono::microseconds{static_cast<long long>(std::min(us, 60e6))};
}

CLinkTiming CLinkTiming::Scaled(double factor) const {
    auto scaleMs = [factor](std::chrono::milliseconds d) {
        return std::chrono::milliseconds{
            static_cast<long long>(static_cast<double>(d.count()) * factor)};
    };
    CLinkTiming t = *this;
    t.byteGap = std::chrono::microseconds{
        static_cast<long long>(static_cast<double>(byteGap.count()) * factor)};
    t.second = std::max(scaleMs(second), std::chrono::milliseconds{1});
    t.stepPause = scaleMs(stepPause);
    t.clockPause = scaleMs(clockPause);
    t.signOffPause = scaleMs(signOffPause);
    t.restorePause = scaleMs(restorePause);
    t.probePeriod = scaleMs(probePeriod);
    return t;
}

} // namespace kiv
