// Every input of the backup file fuzz corpus, replayed through the fuzz
// target: the restore and the initialization read it against a simulated
// unit without a fault of memory or undefined behaviour.

#include "support/CorpusFiles.h"

#include <gtest/gtest.h>

#include <cstdint>

extern "C" int FuzzBackupFileOne(const std::uint8_t* data, std::size_t size);

namespace {

TEST(BackupCorpus, EveryInputIsReadSafely) {
    EXPECT_GE(kiv::test::ReplayCorpus("backup_corpus", FuzzBackupFileOne), 3);
}

} // namespace
