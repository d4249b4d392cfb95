// The backup and system image headers and the naming of transfer files. The
// expected bytes are written out by hand at their offsets.

#include "unit/files/BackupFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kiv;

namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(BackupFile, WaxHeaderLayout) {
    WaxHeader h;
    h.identity = MakeFileIdentity("7.01", "DKL", "", "WAX file(KIV)");
    h.blocks = 0x0102;
    h.unitsPerBlock = 0x0304;
    h.unitSize = 0x0506;
    h.pageAreaLength = 0x0708;
    const auto bytes = EncodeWaxHeader(h);
    std::vector<std::uint8_t> expected = Bytes("7.01DKLWAX file(KIV)");
    expected.resize(44, 0);
    expected.insert(expected.end(), {0x02, 0x01, 0x04, 0x03, 0x06, 0x05, 0x08, 0x07});
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), expected);

    // Read back from the hand-made bytes, each member from its own offset.
    const auto back = DecodeWaxHeader(expected);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->blocks, 0x0102);
    EXPECT_EQ(back->unitsPerBlock, 0x0304);
    EXPECT_EQ(back->unitSize, 0x0506);
    EXPECT_EQ(back->pageAreaLength, 0x0708);
    EXPECT_EQ(back->identity, h.identity);
    // A file shorter than the header has none.
    expected.pop_back();
    EXPECT_FALSE(DecodeWaxHeader(expected));
}

TEST(BackupFile, OnlyThisProgramsBackupsAreAccepted) {
    EXPECT_TRUE(BackupIdentityAccepted(MakeFileIdentity("7.01", "DKL", "x", kBackupWords)));
    // Another version's file, and a file without the program's mark.
    EXPECT_FALSE(BackupIdentityAccepted(MakeFileIdentity("6.01", "DKL", "x", kBackupWords)));
    EXPECT_FALSE(BackupIdentityAccepted(MakeFileIdentity("7.01", "DKL", "x", "WAX file")));
    // The mark counts wherever it is.
    EXPECT_TRUE(BackupIdentityAccepted(MakeFileIdentity("7", "(KIV)", "", "")));
    EXPECT_FALSE(BackupIdentityAccepted(FileIdentity{}));
}

TEST(BackupFile, VoxHeaderLayout) {
    const std::vector<std::uint8_t> bytes{5, 1, 0, 0x34, 0x12};
    const auto h = DecodeVoxHeader(bytes);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->version, (std::array<std::uint8_t, 3>{5, 1, 0}));
    EXPECT_EQ(h->blocks, 0x1234);
    const auto out = EncodeVoxHeader(*h);
    EXPECT_EQ(std::vector<std::uint8_t>(out.begin(), out.end()), bytes);
    // Version bytes are digit values; a short file has no header.
    EXPECT_FALSE(DecodeVoxHeader(std::vector<std::uint8_t>{5, 10, 0, 1, 0}));
    EXPECT_FALSE(DecodeVoxHeader(std::vector<std::uint8_t>{5, 1, 0, 1}));
}

TEST(BackupFile, TypedNamesBecomePaths) {
    const std::string dir = "/home/u/backups";
    // A bare name: the current folder, the name and the extension.
    EXPECT_EQ(FormTransferFileName("unit", dir, "wax"), "/home/u/backups/unit.wax");
    EXPECT_EQ(FormTransferFileName("unit", dir + "/", "vox"), "/home/u/backups/unit.vox");
    // A name with its own extension keeps it; a dot within the last four characters counts.
    EXPECT_EQ(FormTransferFileName("unit.bak", dir, "wax"), "/home/u/backups/unit.bak");
    EXPECT_EQ(FormTransferFileName("a.b12", dir, "wax"), "/home/u/backups/a.b12");
    // A dot further back is not an extension.
    EXPECT_EQ(FormTransferFileName("v1.0backup", dir, "wax"), "/home/u/backups/v1.0backup.wax");
    // Short names: the last four characters are the whole name.
    EXPECT_EQ(FormTransferFileName("a.b", dir, "wax"), "/home/u/backups/a.b");
    EXPECT_EQ(FormTransferFileName("ab", dir, "wax"), "/home/u/backups/ab.wax");
    // A name with a folder is taken as it is.
    EXPECT_EQ(FormTransferFileName("/tmp/x", dir, "wax"), "/tmp/x.wax");
    EXPECT_EQ(FormTransferFileName("sub/x.wax", dir, "wax"), "sub/x.wax");
    EXPECT_EQ(FormTransferFileName("", dir, "wax"), "");
}

} // namespace
