#pragma once
// The 44-byte identity text that opens the files a transfer writes (page
// recordings, backups): the configuration's version (at most 4 characters),
// maker (at most 10) and date (at most 10), then the file's own words (at
// most 20), concatenated without separators, the rest zero. Readers do not
// rely on it; it tells a person which program wrote the file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kiv {

inline constexpr std::size_t kFileIdentityLength = 44;
using FileIdentity = std::array<std::uint8_t, kFileIdentityLength>;

FileIdentity MakeFileIdentity(std::string_view version, std::string_view maker,
                              std::string_view date, std::string_view words);

} // namespace kiv
