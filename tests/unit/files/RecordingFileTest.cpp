// The files the transfers write, against bytes written out by hand.

#include "unit/files/RecordingFile.h"
#include "unit/files/FileIdentity.h"

#include <gtest/gtest.h>

#include <string>

using namespace kiv;
using namespace std::string_literals;

namespace {

std::string Text(const FileIdentity& id) {
    return std::string(id.begin(), id.end());
}

} // namespace

TEST(FileIdentity, PartsConcatenatedEachCutToItsWidthRestZero) {
    EXPECT_EQ(Text(MakeFileIdentity("7.01", "DKL", "07/12/2026", "Script file")),
              std::string("7.01DKL07/12/2026Script file") + std::string(16, '\0'));
    // Too long parts are cut: 4, 10, 10 and 20 characters.
    EXPECT_EQ(Text(MakeFileIdentity("7.015", "ABCDEFGHIJKL", "0123456789xx",
                                    "WAX file(KIV)-and-more-words")),
              "7.01ABCDEFGHIJ0123456789WAX file(KIV)-and-mo");
    EXPECT_EQ(Text(MakeFileIdentity("", "", "", "")), std::string(44, '\0'));
}

TEST(RecordingFile, HeaderFieldsAtTheirOffsets) {
    RecordingHeader h;
    h.identity = MakeFileIdentity("7.01", "DKL", "", "Script file");
    h.blocks = 0x11;
    h.subBlocks = 0x22;
    h.geometry1 = 0x33;
    h.unitSize = 0x4455;
    for (std::size_t d = 0; d < h.descriptor.size(); ++d)
        h.descriptor[d] = static_cast<std::uint8_t>(0x80 + d);
    const RecordingHeaderBytes bytes = EncodeRecordingHeader(h);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 22), "7.01DKLScript file\0\0\0\0"s);
    EXPECT_EQ(bytes[43], 0);
    EXPECT_EQ(bytes[44], 0x11); // B
    EXPECT_EQ(bytes[45], 0x22); // r2
    EXPECT_EQ(bytes[46], 0x33); // r1
    EXPECT_EQ(bytes[47], 0x55); // U, low byte first
    EXPECT_EQ(bytes[48], 0x44);
    EXPECT_EQ(bytes[49], 0x80); // the descriptor
    EXPECT_EQ(bytes[116], 0x80 + 67);

    const auto back = DecodeRecordingHeader(bytes.data(), bytes.size());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->blocks, 0x11);
    EXPECT_EQ(back->subBlocks, 0x22);
    EXPECT_EQ(back->geometry1, 0x33);
    EXPECT_EQ(back->unitSize, 0x4455);
    EXPECT_EQ(back->descriptor, h.descriptor);
    EXPECT_EQ(back->DataLength(), 0x11u * 0x22u * 0x4455u);
    EXPECT_FALSE(DecodeRecordingHeader(bytes.data(), 116));
}

TEST(RecordingFile, BlocksAdaptedToTheUnitsBlockSize) {
    const auto blocks = [](int b, int r2, int u, int unitR2, int v) {
        RecordingHeader h;
        h.blocks = static_cast<std::uint8_t>(b);
        h.subBlocks = static_cast<std::uint8_t>(r2);
        h.unitSize = static_cast<std::uint16_t>(u);
        const auto a =
            AdaptRecording(h, static_cast<std::uint8_t>(unitR2), static_cast<std::uint16_t>(v));
        return a ? static_cast<int>(a->blocks) : -1;
    };
    EXPECT_EQ(blocks(5, 2, 512, 2, 256), 10); // a smaller unit size doubles the count
    EXPECT_EQ(blocks(5, 2, 256, 2, 512), 3);  // a larger one halves it, rounding up
    EXPECT_EQ(blocks(4, 2, 256, 2, 512), 2);
    EXPECT_EQ(blocks(7, 2, 256, 2, 256), 7); // equal sizes keep it
    EXPECT_EQ(blocks(3, 1, 384, 1, 256), 5); // 1152 bytes in blocks of 256
    EXPECT_EQ(blocks(3, 4, 256, 2, 256), 6); // the unit's own sub-blocks count
    EXPECT_EQ(blocks(0, 2, 256, 2, 512), 0);
    EXPECT_EQ(blocks(200, 2, 512, 1, 256), 800); // more than a byte holds: the caller refuses
    EXPECT_EQ(blocks(1, 2, 256, 0, 256), -1);    // a unit with empty chunks takes nothing
    EXPECT_EQ(blocks(1, 2, 256, 2, 0), -1);
}
