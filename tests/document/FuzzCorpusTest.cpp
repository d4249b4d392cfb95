// Replays the fuzz corpora (seeds and every input that once found a fault)
// through the fuzz targets, so the ordinary test run guards against them.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

extern "C" int FuzzConfigFileOne(const uint8_t* data, size_t size);
extern "C" int FuzzJsonOne(const uint8_t* data, size_t size);

namespace {
namespace fs = std::filesystem;

void Replay(const char* corpus, int (*target)(const uint8_t*, size_t)) {
    const fs::path dir = fs::path(KIV_SOURCE_DIR) / "tests/fuzz" / corpus;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
        SCOPED_TRACE(entry.path().string());
        target(bytes.data(), bytes.size());
        // Every prefix too: the loader must end cleanly wherever a file stops.
        for (size_t cut = 0; cut < bytes.size(); cut += 1 + bytes.size() / 64)
            target(bytes.data(), cut);
        ++files;
    }
    EXPECT_GT(files, 0);
}

TEST(FuzzCorpusTest, ConfigurationFiles) {
    Replay("config_corpus", FuzzConfigFileOne);
}
TEST(FuzzCorpusTest, JsonTexts) {
    Replay("json_corpus", FuzzJsonOne);
}

} // namespace
