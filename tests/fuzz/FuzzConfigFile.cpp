// Fuzz target: any bytes given as a configuration file end in one of the
// loader's outcomes, and an accepted configuration survives a store and a
// reload unchanged.
#include "document/ConfigJson.h"
#include "document/QelFile.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const kiv::FixedClock clock(1796637600);
    kiv::RecordingSink sink;
    const std::span<const uint8_t> bytes(data, size);

    kiv::CQelDoc doc(clock);
    const bool accepted = kiv::LoadConfiguration(doc, bytes, "fuzz.qel", sink) == 1;
    // The password block holds up to eight digits; any other password text
    // of a foreign file comes back as digits.
    bool digitPassword = doc.unitPassword.size() <= 8;
    for (char c : doc.unitPassword)
        digitPassword = digitPassword && c >= '0' && c <= '9';
    if (accepted && digitPassword) {
        const std::string stored = kiv::StoreConfiguration(doc);
        kiv::CQelDoc again(clock);
        const std::span<const uint8_t> storedBytes(reinterpret_cast<const uint8_t*>(stored.data()),
                                                   stored.size());
        kiv::RecordingSink quiet;
        if (kiv::LoadConfiguration(again, storedBytes, "fuzz.qel", quiet) != 1 ||
            !quiet.messages.empty() || kiv::StoreConfiguration(again) != stored)
            std::abort();
    }

    kiv::CQelDoc def(clock);
    def.SetProductType(static_cast<int>(size % 4));
    (void)kiv::LoadDefaultConfiguration(def, bytes, sink);
    return 0;
}
