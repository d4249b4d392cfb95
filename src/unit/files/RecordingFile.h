#pragma once
// The page recording file: one page's recording as the unit gave it.
//
//   offset  width  content
//        0     44  identity text (FileIdentity, words "Script file")
//       44      1  B, number of blocks
//       45      1  the unit's second geometry byte r2 (sub-blocks per block)
//       46      1  the unit's first geometry byte r1
//       47      2  unit size U in bytes, little-endian
//       49     68  the recording's descriptor as the unit sent it
//      117      .  the recording, B x r2 x U bytes, block after block
//
// The identity text is written but never checked on reading.

#include "unit/files/FileIdentity.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace kiv {

inline constexpr std::size_t kRecordingHeaderLength = 117;
inline constexpr std::size_t kRecordingDescriptorLength = 68;
inline constexpr const char* kRecordingFileWords = "Script file";

struct RecordingHeader {
    FileIdentity identity{};
    std::uint8_t blocks = 0;    // B
    std::uint8_t subBlocks = 0; // r2
    std::uint8_t geometry1 = 0; // r1
    std::uint16_t unitSize = 0; // U
    std::array<std::uint8_t, kRecordingDescriptorLength> descriptor{};

    // B x r2 x U: the bytes of recording that follow the header.
    std::size_t DataLength() const {
        return static_cast<std::size_t>(blocks) * subBlocks * unitSize;
    }
};

using RecordingHeaderBytes = std::array<std::uint8_t, kRecordingHeaderLength>;

RecordingHeaderBytes EncodeRecordingHeader(const RecordingHeader& header);
// Nothing when fewer than 117 bytes are given.
std::optional<RecordingHeader> DecodeRecordingHeader(const std::uint8_t* data, std::size_t count);

// The page recording as it must reach a unit whose chunks are `unitSubBlocks`
// x `unitSize` bytes: the recording's bytes in order, the last chunk filled
// with 0x00. Nothing when the unit's chunk is empty; blocks is the count the
// unit is told, which may exceed 255 (it does not fit the byte then).
struct RecordingAdaptation {
    std::size_t blocks = 0;
    std::size_t chunkLength = 0; // V: one acknowledged chunk
    std::size_t chunks = 0;      // blocks x r2 of the unit
};
std::optional<RecordingAdaptation>
AdaptRecording(const RecordingHeader& header, std::uint8_t unitSubBlocks, std::uint16_t unitSize);

} // namespace kiv
