#pragma once
// The files of the whole-unit transfers: the backup file's header (".wax"),
// opened by the 44-byte identity text, the system image's header (".vox"),
// and how a typed file name becomes a path.
// Each header is one table of (offset, width, member) walked by the writer
// and the reader alike.

#include "unit/files/FileIdentity.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kiv {

// Words that close a backup file's identity text.
inline constexpr std::string_view kBackupWords = "WAX file(KIV)";

// Backup file: identity text, then N, K, U and A as 16-bit little-endian.
struct WaxHeader {
    FileIdentity identity{};
    std::uint16_t blocks = 0;         // N
    std::uint16_t unitsPerBlock = 0;  // K
    std::uint16_t unitSize = 0;       // U
    std::uint16_t pageAreaLength = 0; // A
};
inline constexpr std::size_t kWaxHeaderSize = 52;
inline constexpr unsigned kBackupPageSize = 256;

std::array<std::uint8_t, kWaxHeaderSize> EncodeWaxHeader(const WaxHeader& header);
// Nothing when fewer than kWaxHeaderSize bytes are given.
std::optional<WaxHeader> DecodeWaxHeader(std::span<const std::uint8_t> bytes);
// A backup this program can restore: its identity text starts with '7' and
// holds "(KIV)".
bool BackupIdentityAccepted(const FileIdentity& identity);

// System image file: three version digits (values 0 to 9), then N as 16-bit
// little-endian.
struct VoxHeader {
    std::array<std::uint8_t, 3> version{};
    std::uint16_t blocks = 0;
};
inline constexpr std::size_t kVoxHeaderSize = 5;

std::array<std::uint8_t, kVoxHeaderSize> EncodeVoxHeader(const VoxHeader& header);
// Nothing when fewer than kVoxHeaderSize bytes are given, or when a version
// byte is not a digit value.
std::optional<VoxHeader> DecodeVoxHeader(std::span<const std::uint8_t> bytes);

// The path of a typed name: empty for an empty name; a name without a folder
// is taken in currentDir; a name whose last four characters hold no '.' gets
// "." + extension.
std::string FormTransferFileName(const std::string& typed, const std::string& currentDir,
                                 std::string_view extension);

} // namespace kiv
