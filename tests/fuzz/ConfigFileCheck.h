#pragma once
// What the configuration-file fuzz target checks for one input, shared with the corpus replay
// of the ordinary test run: any bytes given as a configuration file end in one of the loader's
// outcomes, and an accepted configuration stores and reloads to the same bytes.

#include "document/QelFile.h"

#include <cstdint>
#include <span>
#include <string>

namespace kiv::fuzz {

enum class ConfigFileOutcome {
    Refused,      // the loader did not accept the bytes
    Foreign,      // accepted, but with a password the password block cannot hold
    RoundTripped, // accepted, stored, reloaded without a message, stored to the same bytes
    Unstable,     // accepted, but the store does not reload to the same bytes: a fault
};

// A new configuration as the constructor makes it, made once. Copying it costs a fraction of a
// construction, which builds a whole second document to reset the first one from.
inline const CQelDoc& NewDocument() {
    static const FixedClock clock(1796637600);
    static const CQelDoc fresh(clock);
    return fresh;
}

inline ConfigFileOutcome CheckConfigFile(std::span<const std::uint8_t> bytes) {
    RecordingSink sink;

    CQelDoc doc = NewDocument();
    const bool accepted = LoadConfiguration(doc, bytes, "fuzz.qel", sink) == 1;
    // The password block holds up to eight digits; any other password text of a foreign file
    // cannot come back.
    bool digitPassword = doc.unitPassword.size() <= 8;
    for (char c : doc.unitPassword)
        digitPassword = digitPassword && c >= '0' && c <= '9';
    ConfigFileOutcome outcome = !accepted        ? ConfigFileOutcome::Refused
                                : !digitPassword ? ConfigFileOutcome::Foreign
                                                 : ConfigFileOutcome::RoundTripped;
    if (outcome == ConfigFileOutcome::RoundTripped) {
        const std::string stored = StoreConfiguration(doc);
        CQelDoc again = NewDocument();
        const std::span<const std::uint8_t> storedBytes(
            reinterpret_cast<const std::uint8_t*>(stored.data()), stored.size());
        RecordingSink quiet;
        if (LoadConfiguration(again, storedBytes, "fuzz.qel", quiet) != 1 ||
            !quiet.messages.empty() || StoreConfiguration(again) != stored)
            outcome = ConfigFileOutcome::Unstable;
    }

    // The default-file loader takes the same bytes for a product type of the input's choosing.
    CQelDoc def = NewDocument();
    def.SetProductType(static_cast<int>(bytes.size() % 4));
    (void)LoadDefaultConfiguration(def, bytes, sink);
    return outcome;
}

} // namespace kiv::fuzz
