#pragma once
// Every fixed duration of the exchanges with the unit, in one table. Tests
// scale it down; the program uses the standard values.

#include <chrono>

namespace kiv {

struct CLinkTiming {
    // Pause after each byte sent with the standard pacing (pacing count 20000).
    std::chrono::microseconds byteGap{1000};
    // Length of one second of a time-out (communication time-out, probe wait).
    std::chrono::milliseconds second{1000};
    // Pause before "$$U" and "$$T", after "$$D" and after each deleted position.
    std::chrono::milliseconds stepPause{2000};
    // Pause after the clock bytes.
    std::chrono::milliseconds clockPause{500};
    // Pause before and after "$$X" when an exchange is abandoned part-way.
    std::chrono::milliseconds signOffPause{100};
    // Pause before and after the attention byte that opens a restore's "$$S".
    std::chrono::milliseconds restorePause{200};
    // Period of the free-line probe while waiting for the unit.
    std::chrono::milliseconds probePeriod{5};

    // Pacing count that corresponds to byteGap.
    static constexpr double standardPacing = 20000.0;

    // Pacing count of the recording exchanges for the profile's "Script" /
    // "Delay" value D: (D + 2) x 10000, so D = 0 is the standard gap. A
    // negative D counts as 0: the unit is never sent bytes faster than usual.
    static double ScriptPacing(int delay);

    // Gap for a pacing count; none for a count of 0 or less.
    std::chrono::microseconds PacingGap(double pacingCount) const;

    // Every duration multiplied by factor (seconds are kept at least 1 ms).
    CLinkTiming Scaled(double factor) const;
};

} // namespace kiv
