// Every input of the page recording file fuzz corpus, and shorter beginnings
// of it (each one up to just past the header), replayed through the fuzz
// target: the header is read back by offset or refused, the block count
// adapted to the unit covers every data byte of the file and not one block
// more, and the send engine refuses a file shorter than its header claims
// before "$$J" and otherwise stores exactly its data.

#include "support/CorpusFiles.h"

#include <gtest/gtest.h>

#include <cstdint>

extern "C" int FuzzRecordingFileOne(const std::uint8_t* data, std::size_t size);

namespace {

TEST(RecordingCorpus, EveryInputIsReadAndAdaptedSafely) {
    EXPECT_GE(kiv::test::ReplayCorpus("recording_corpus", FuzzRecordingFileOne, true, 3 + 117 + 8),
              5);
}

} // namespace
