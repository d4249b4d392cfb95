#pragma once
// The inputs of a fuzz corpus under tests/fuzz (its seeds and every input that once found a
// fault), for the ordinary tests that replay them through what the fuzz target checks: the
// test run then guards against them in any build, with or without the sanitizers. The test
// program defines KIV_SOURCE_DIR, the source tree's root.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#ifndef KIV_SOURCE_DIR
#error "a test that reads a fuzz corpus defines KIV_SOURCE_DIR"
#endif

namespace kiv::test {

// Every file of the corpus folder `corpus` ("backup_corpus" ...) by file name, in name order.
inline std::map<std::string, std::vector<std::uint8_t>> CorpusFiles(const std::string& corpus) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    const auto dir = std::filesystem::path(KIV_SOURCE_DIR) / "tests" / "fuzz" / corpus;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in),
                                                   std::istreambuf_iterator<char>()};
    }
    return files;
}

// Runs a fuzz target's entry point on every input of the corpus and, with everyPrefix, on
// each of its shorter beginnings too (a reader must end cleanly wherever its input stops;
// for targets quick enough to run that often). Each run must return 0; a fault of memory or
// undefined behaviour, or a broken invariant that the target aborts on, fails the test on its
// own. Beyond the first `densePrefixes` bytes only every 61st beginning is
// run (for targets whose run costs more past a header). Returns how many
// inputs the corpus holds.
inline int ReplayCorpus(const std::string& corpus,
                        int (*target)(const std::uint8_t* data, std::size_t size),
                        bool everyPrefix = false, std::size_t densePrefixes = SIZE_MAX) {
    int inputs = 0;
    for (const auto& [name, bytes] : CorpusFiles(corpus)) {
        SCOPED_TRACE(corpus + "/" + name);
        EXPECT_EQ(target(bytes.data(), bytes.size()), 0);
        for (std::size_t cut = 0; everyPrefix && cut < bytes.size();
             cut += cut < densePrefixes ? 1 : 61)
            EXPECT_EQ(target(bytes.data(), cut), 0) << "first " << cut << " bytes";
        ++inputs;
    }
    return inputs;
}

} // namespace kiv::test
