// Every input of the backup file fuzz corpus, replayed through the fuzz
// target: the restore and the initialization read it against a simulated
// unit without a fault of memory or undefined behaviour.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int FuzzBackupFileOne(const std::uint8_t* data, std::size_t size);

namespace {

TEST(BackupCorpus, EveryInputIsReadSafely) {
    const std::filesystem::path dir =
        std::filesystem::path(KIV_SOURCE_DIR) / "tests" / "fuzz" / "backup_corpus";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                              std::istreambuf_iterator<char>()};
        EXPECT_EQ(FuzzBackupFileOne(bytes.data(), bytes.size()), 0);
        ++inputs;
    }
    EXPECT_GE(inputs, 3);
}

} // namespace
