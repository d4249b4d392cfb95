#pragma once
// The inputs of a fuzz corpus (a folder under tests/fuzz) for the ordinary test
// run to replay: every file's bytes by file name, in name order.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace kiv::test {

inline std::map<std::string, std::vector<std::uint8_t>>
CorpusFiles(const std::filesystem::path& folder) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return files;
}

} // namespace kiv::test
