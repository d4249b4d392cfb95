// Replays the fuzz corpora (seeds and every input that once found a fault)
// through what the fuzz targets check, so the ordinary test run guards
// against them in any build, with or without the sanitizers.
#include "fuzz/ConfigFileCheck.h"
#include "support/CorpusFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

extern "C" int FuzzJsonOne(const uint8_t* data, size_t size);

namespace kiv::fuzz {
// Outcomes by name in the failure messages.
void PrintTo(ConfigFileOutcome outcome, std::ostream* out) {
    const char* names[] = {"Refused", "Foreign", "RoundTripped", "Unstable"};
    *out << names[static_cast<int>(outcome)];
}
} // namespace kiv::fuzz

namespace {
using kiv::fuzz::CheckConfigFile;
using kiv::fuzz::ConfigFileOutcome;

// Every prefix length tried for a file: the loader must end cleanly wherever a file stops.
std::vector<size_t> Cuts(size_t size) {
    std::vector<size_t> cuts;
    for (size_t cut = 0; cut < size; cut += 1 + size / 64)
        cuts.push_back(cut);
    return cuts;
}

TEST(FuzzCorpusTest, ConfigurationFilesStoreAndReloadToTheSameBytes) {
    const auto files = kiv::test::CorpusFiles("config_corpus");
    ASSERT_FALSE(files.empty());
    // Whole seed files that are complete configurations: they must be accepted and survive a
    // store and a reload, or the replay would check nothing for them.
    const std::set<std::string> complete = {"default-small", "two-mailboxes", "wide-text"};
    int roundTripped = 0;
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const ConfigFileOutcome whole = CheckConfigFile(bytes);
        EXPECT_NE(whole, ConfigFileOutcome::Unstable);
        if (complete.count(name)) {
            EXPECT_EQ(whole, ConfigFileOutcome::RoundTripped);
        }
        roundTripped += whole == ConfigFileOutcome::RoundTripped;
        for (size_t cut : Cuts(bytes.size())) {
            const ConfigFileOutcome part =
                CheckConfigFile(std::span<const uint8_t>(bytes.data(), cut));
            EXPECT_NE(part, ConfigFileOutcome::Unstable) << "first " << cut << " bytes";
            roundTripped += part == ConfigFileOutcome::RoundTripped;
        }
    }
    EXPECT_GE(roundTripped, static_cast<int>(complete.size()));
}

TEST(FuzzCorpusTest, JsonTexts) {
    const auto files = kiv::test::CorpusFiles("json_corpus");
    ASSERT_FALSE(files.empty());
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        FuzzJsonOne(bytes.data(), bytes.size());
        for (size_t cut : Cuts(bytes.size()))
            FuzzJsonOne(bytes.data(), cut);
    }
}

} // namespace
