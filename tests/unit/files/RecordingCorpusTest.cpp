// Every input of the page recording file fuzz corpus, and every shorter
// beginning of it, replayed through the fuzz target: the header is read back
// by offset or refused, and the block count adapted to the unit covers every
// data byte of the file and not one block more.

#include "support/CorpusFiles.h"

#include <gtest/gtest.h>

#include <cstdint>

extern "C" int FuzzRecordingFileOne(const std::uint8_t* data, std::size_t size);

namespace {

TEST(RecordingCorpus, EveryInputIsReadAndAdaptedSafely) {
    EXPECT_GE(kiv::test::ReplayCorpus("recording_corpus", FuzzRecordingFileOne, true), 4);
}

} // namespace
