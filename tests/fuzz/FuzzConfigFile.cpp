// Fuzz target: any bytes given as a configuration file end in one of the
// loader's outcomes, and an accepted configuration survives a store and a
// reload unchanged (ConfigFileCheck.h, shared with the corpus replay).
#include "ConfigFileCheck.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (kiv::fuzz::CheckConfigFile(std::span<const uint8_t>(data, size)) ==
        kiv::fuzz::ConfigFileOutcome::Unstable)
        std::abort();
    return 0;
}
