// Fuzz target: the PBX index reader (Qt XML) on any bytes, and the list and
// choice made from what it reads (PbxIndexCheck.h, shared with the corpus
// replay of the ordinary test run).
#include "PbxIndexCheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<std::string> faults = kiv::fuzz::CheckPbxIndex(bytes);
    if (faults.empty()) return 0;
    for (const std::string& fault : faults)
        std::fprintf(stderr, "%s\n", fault.c_str());
    std::abort();
}
