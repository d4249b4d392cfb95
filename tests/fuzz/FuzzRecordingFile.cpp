// Fuzz target: the page recording file reader on any bytes, and the block
// count it adapts to any unit. The first three bytes are the unit's
// sub-blocks per block and unit size; the rest is the file. The count must
// cover every data byte of the file and not one block more.
#include "unit/files/RecordingFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const std::uint8_t unitSubBlocks = data[0];
    const auto unitSize = static_cast<std::uint16_t>(data[1] << 8 | data[2]);
    const auto header = kiv::DecodeRecordingHeader(data + 3, size - 3);
    if (!header) {
        if (size - 3 >= kiv::kRecordingHeaderLength) std::abort();
        return 0;
    }
    const auto bytes = kiv::EncodeRecordingHeader(*header);
    for (std::size_t k = 0; k < bytes.size(); ++k)
        if (bytes[k] != data[3 + k]) std::abort();
    const auto adapted = kiv::AdaptRecording(*header, unitSubBlocks, unitSize);
    const std::size_t unitBlock = static_cast<std::size_t>(unitSubBlocks) * unitSize;
    if (!adapted) {
        if (unitBlock != 0) std::abort();
        return 0;
    }
    const std::size_t length = header->DataLength();
    if (adapted->blocks * unitBlock < length) std::abort();
    if (adapted->blocks > 0 && (adapted->blocks - 1) * unitBlock >= length) std::abort();
    if (adapted->chunks != adapted->blocks * unitSubBlocks) std::abort();
    return 0;
}
