#include "LayoutFixture.h"

#include "document/Archive.h"
#include "document/ProductType.h"
#include "document/QelFile.h"
#include "document/Texts.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

std::span<const uint8_t> Span(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// 2026-12-07 10:00:00 UTC, a Monday.
constexpr int64_t kMonday10 = 1796637600;

struct FileTest : ::testing::Test {
    FixedClock clock{kMonday10};
    RecordingSink sink;
};

TEST_F(FileTest, ReaderTakesEveryMemberFromItsPlace) {
    test::LayoutFixture f;
    f.bytes.data += EncodePasswordBlock("24680135");
    CQelDoc doc(clock);
    ASSERT_EQ(LoadConfiguration(doc, Span(f.bytes.data), "x.qel", sink), 1);
    EXPECT_TRUE(sink.messages.empty());
    int wrong = 0;
    for (auto& [name, check] : f.checks) {
        if (!check(doc) && ++wrong < 10) ADD_FAILURE() << "member read wrongly: " << name;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(doc.unitPassword, "24680135");
    // The identity texts of the file do not replace the configuration's.
    EXPECT_EQ(doc.identVersion, "7.01");
    EXPECT_EQ(doc.identProduct, "KIV");
    // The clock comes from the computer.
    EXPECT_EQ(doc.clockYear, 2026);
    EXPECT_EQ(doc.clockHour, 10);
    EXPECT_EQ(doc.clockWeekday, 1);
}

TEST_F(FileTest, WriterPutsEveryMemberInItsPlace) {
    test::LayoutFixture f;
    f.doc.SetClock(clock);
    f.doc.identVersion = "9.99";
    f.doc.identMaker = "MAK";
    f.doc.identDate = "01/02/2003";
    f.doc.identProduct = "XKIV";
    const std::string stored = StoreConfiguration(f.doc, StoreOptions{false, ""});
    ASSERT_EQ(stored.size(), f.bytes.data.size());
    for (size_t item = 1; item <= 38; ++item) {
        const size_t from = f.itemOffset[item];
        const size_t to = item < 38 ? f.itemOffset[item + 1] : f.itemOffset[39];
        EXPECT_EQ(stored.substr(from, to - from), f.bytes.data.substr(from, to - from))
            << "item " << item;
    }
}

TEST_F(FileTest, RoundTripKeepsEverySavedMember) {
    test::LayoutFixture f;
    f.doc.SetClock(clock);
    f.doc.SetClockFromNow(); // the reloaded clock is the computer's
    f.doc.unitPassword = "90125";
    CQelDoc doc(clock);
    // Opening a file keeps the document's own identity texts; the fixture's
    // document was made on the real date, the reloaded one on the clock's.
    f.doc.identDate = doc.identDate;
    const std::string stored = StoreConfiguration(f.doc);
    ASSERT_EQ(LoadConfiguration(doc, Span(stored), "round.QEL", sink), 1);
    for (auto& [name, check] : f.checks)
        EXPECT_TRUE(check(doc)) << name;
    EXPECT_EQ(doc.unitPassword, "90125");
    EXPECT_EQ(StoreConfiguration(doc), stored);
}

TEST(ArchiveTest, TextPrefixes) {
    ArchiveWriter w;
    w.Txt(std::string(300, 'a'));
    EXPECT_EQ(w.Bytes().substr(0, 3), std::string("\xFF\x2C\x01"));
    ArchiveWriter empty;
    empty.Txt("");
    EXPECT_EQ(empty.Bytes(), std::string(1, '\0'));
    ArchiveWriter edge;
    edge.Txt(std::string(254, 'b'));
    edge.Txt(std::string(255, 'c'));
    edge.Txt(std::string(70000, 'd'));
    ArchiveReader r(Span(edge.Bytes()));
    EXPECT_EQ(r.Txt(), std::string(254, 'b'));
    EXPECT_EQ(r.Txt(), std::string(255, 'c'));
    EXPECT_EQ(r.Txt(), std::string(70000, 'd'));
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(static_cast<uint8_t>(edge.Bytes()[255]), 0xFF); // 255 needs the long form
}

TEST(ArchiveTest, ImpossibleLengthsAreTheEndOfTheFile) {
    const std::string huge32("\xFF\xFF\xFF\xFF\xFF\xFF\x7F"
                             "abc",
                             10);
    ArchiveReader r(Span(huge32));
    EXPECT_THROW(r.Txt(), ArchiveEndOfFile);
    const std::string wide("\xFF\xFE\xFF\x03"
                           "abc",
                           7);
    ArchiveReader w(Span(wide));
    EXPECT_THROW(w.Txt(), ArchiveBadClass);
}

TEST(PasswordBlockTest, Layout) {
    const std::string block = EncodePasswordBlock("6071");
    ASSERT_EQ(block.size(), 16u);
    // 6 -> e 7: '7', (49+1)*343+1, (512+8)*64+1, (729+9)*81+1 (low bytes)
    EXPECT_EQ(block.substr(0, 4), std::string("7\xFF\x01\x83", 4));
    EXPECT_EQ(block[4], '1'); // 0 -> 1
    EXPECT_EQ(block[12], '2');
    EXPECT_EQ(EncodePasswordBlock("9")[0], '0');
    EXPECT_EQ(EncodePasswordBlock("12").size(), 16u);
    EXPECT_EQ(EncodePasswordBlock("12").substr(8), std::string(8, '\0'));
    EXPECT_EQ(EncodePasswordBlock("123456789").size(), 32u);
    EXPECT_EQ(EncodePasswordBlock(""), "");
    for (const char* p : {"6071", "12", "9", "99999999", "01234567", "0"})
        EXPECT_EQ(DecodePasswordBlock(Span(EncodePasswordBlock(p))), p);
    EXPECT_EQ(DecodePasswordBlock(Span(std::string("7\x01\x02\x03", 4))), "");
}

TEST_F(FileTest, EmptyMailboxListWritesCountOnly) {
    test::LayoutFixture f(0);
    f.doc.SetClock(clock);
    f.doc.identProduct = "XKIV"; // same lengths as the fixture's identity
    const std::string stored = StoreConfiguration(f.doc, StoreOptions{false, ""});
    EXPECT_EQ(stored.substr(f.itemOffset[24], 4), std::string(4, '\0'));
    EXPECT_EQ(f.itemOffset[26] - f.itemOffset[24], 4u);
}

TEST_F(FileTest, ProductTypeAndMailboxLimitFollowTheExtension) {
    test::LayoutFixture two(2), three(3);
    CQelDoc doc(clock);
    EXPECT_EQ(LoadConfiguration(doc, Span(two.bytes.data), "small.ri2", sink), 1);
    EXPECT_EQ(doc.productType, 3);
    EXPECT_EQ(doc.slotLimit, 3);

    RecordingSink refused;
    EXPECT_EQ(LoadConfiguration(doc, Span(three.bytes.data), "small.ri2", refused), 0);
    EXPECT_EQ(refused.Texts(), std::vector<std::string>{texts::kFileIncompatible});
    EXPECT_EQ(doc.mboxCount, 3); // items up to the count stay loaded

    RecordingSink foreign;
    CQelDoc other(clock);
    other.SetProductType(1);
    EXPECT_EQ(LoadConfiguration(other, Span(two.bytes.data), "a.txt", foreign), 0);
    EXPECT_EQ(foreign.Texts(), std::vector<std::string>{texts::kFileIncompatible});
    EXPECT_EQ(other.productType, 1);
    EXPECT_EQ(other.slotLimit, -1);
}

TEST_F(FileTest, OperatorKeyOutOfRangeIsRefusedAndKeepsTheKey) {
    test::LayoutFixture f;
    std::string data = f.bytes.data;
    data[f.itemOffset[3]] = 12;
    data[f.itemOffset[2]] = 2; // password text "34"
    data.insert(f.itemOffset[2] + 1, "34");
    CQelDoc doc(clock);
    doc.operatorKey = 5;
    EXPECT_EQ(LoadConfiguration(doc, Span(data), "x.qel", sink), 0);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kFileIncompatible});
    EXPECT_EQ(doc.operatorKey, 5);
    EXPECT_EQ(doc.unitPassword, "34");
    EXPECT_EQ(doc.extDigits, 3);
}

TEST_F(FileTest, GroupDigitMustBeOneCharacter) {
    test::LayoutFixture f;
    std::string data = f.bytes.data;
    const size_t digit = f.itemOffset[27] - 2; // length byte of groupFirstDigit
    ASSERT_EQ(data[digit], 1);
    data.replace(digit, 2,
                 std::string("\x02"
                             "45",
                             3));
    CQelDoc doc(clock);
    EXPECT_EQ(LoadConfiguration(doc, Span(data), "x.qel", sink), 0);
    EXPECT_EQ(doc.groupFirstDigit, "45");
    EXPECT_EQ(doc.groups[0].memberCount, 0); // not read
}

TEST_F(FileTest, OlderFileKeepsWhatItDoesNotCarry) {
    test::LayoutFixture f;
    const std::string data = f.bytes.data.substr(0, f.itemOffset[38]);
    CQelDoc doc(clock);
    doc.breaks[2][3] = BreakSlot{60, 120, 40};
    EXPECT_EQ(LoadConfiguration(doc, Span(data), "x.dax", sink), 1);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kFileOlderVersion});
    EXPECT_EQ(doc.breaks[2][3], (BreakSlot{60, 120, 40}));
    EXPECT_EQ(doc.inBand[39].targetLength, 39 % 5);
    EXPECT_EQ(doc.productType, 1);

    // Ending before the mailbox count still takes the product type from the name.
    RecordingSink early;
    CQelDoc short_(clock);
    EXPECT_EQ(LoadConfiguration(short_, Span(f.bytes.data.substr(0, 50)), "y.ri8", early), 1);
    EXPECT_EQ(early.Texts(), std::vector<std::string>{texts::kFileOlderVersion});
    EXPECT_EQ(short_.productType, 2);

    // Ending after the file's clock but before the schedule: the clock is the
    // computer's, never the file's stale one.
    RecordingSink stale;
    CQelDoc clocked(clock);
    LoadConfiguration(clocked, Span(f.bytes.data.substr(0, f.itemOffset[15])), "z.qel", stale);
    EXPECT_EQ(stale.Texts(), std::vector<std::string>{texts::kFileOlderVersion});
    EXPECT_EQ(clocked.clockHour, 10);
    EXPECT_EQ(clocked.clockYear, 2026);
    EXPECT_EQ(clocked.operatingMode, 3);
}

TEST_F(FileTest, BreaksOutsideTheirRangesBecomeZero) {
    test::LayoutFixture f;
    std::string data = f.bytes.data;
    auto put = [&](size_t at, int32_t v) {
        for (int i = 0; i < 4; ++i)
            data[at + static_cast<size_t>(i)] =
                static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
    };
    put(f.itemOffset[38], 1500);    // weekday 0 slot 0 start
    put(f.itemOffset[38] + 8, 98);  // its page
    put(f.itemOffset[38] + 16, -1); // slot 1 end
    CQelDoc doc(clock);
    ASSERT_EQ(LoadConfiguration(doc, Span(data), "x.qel", sink), 1);
    EXPECT_EQ(doc.breaks[0][0], (BreakSlot{0, 900, 0}));
    EXPECT_EQ(doc.breaks[0][1].end, 0);
    EXPECT_EQ(doc.breaks[0][1].start, 101);
}

TEST_F(FileTest, WideTextResetsWithTheFileIdentity) {
    test::LayoutFixture f;
    std::string data = f.bytes.data.substr(0, f.itemOffset[4]);
    data += std::string("\xFF\xFE\xFF\x02"
                        "a\0b\0",
                        8);
    CQelDoc doc(clock);
    doc.faxExt = "777";
    EXPECT_EQ(LoadConfiguration(doc, Span(data), "x.qel", sink), 0);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{std::string(texts::kFileIncompatible) +
                                                     "9.99 MAK 01/02/2003"});
    EXPECT_EQ(doc.faxExt, "");
    EXPECT_EQ(doc.operatorKey, 0); // reset

    // Without the product word the message carries no identity.
    std::string plain = data;
    plain.replace(f.itemOffset[1] + 1 + 4 + 1 + 3 + 1 + 10, 5, std::string("\x04XYZW", 5));
    RecordingSink other;
    LoadConfiguration(doc, Span(plain), "x.qel", other);
    EXPECT_EQ(other.Texts(), std::vector<std::string>{texts::kFileIncompatible});
}

TEST_F(FileTest, SaveAdvancesTheTimeButNotTheDate) {
    CQelDoc doc(clock);
    doc.clockHour = 23;
    doc.clockMinute = 59;
    doc.clockSecond = 30;
    doc.clockDay = 31;
    doc.clockMonth = 12;
    doc.clockYear = 2026;
    clock.Advance(120);
    const std::string first = StoreConfiguration(doc);
    EXPECT_EQ(doc.clockHour, 0);
    EXPECT_EQ(doc.clockMinute, 1);
    EXPECT_EQ(doc.clockSecond, 0);
    EXPECT_EQ(doc.clockDay, 31);
    EXPECT_EQ(doc.clockYear, 2026);
    EXPECT_EQ(StoreConfiguration(doc), first);
}

TEST_F(FileTest, DefaultFileRules) {
    test::LayoutFixture f(3);
    std::string data = f.bytes.data;
    data.replace(f.itemOffset[2], 1,
                 std::string("\x04"
                             "4321",
                             5));
    CQelDoc doc(clock);
    doc.SetProductType(0);
    doc.breaks[1][1] = BreakSlot{5, 6, 7};
    EXPECT_EQ(LoadDefaultConfiguration(doc, Span(data), sink), DefaultLoad::Loaded);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(doc.identMaker, "MAK");
    EXPECT_EQ(doc.identProduct, "XKIV");
    EXPECT_EQ(doc.identVersion, "7.01");
    EXPECT_EQ(doc.unitPassword, "4321");
    EXPECT_EQ(doc.breaks[1][1], (BreakSlot{5, 6, 7})); // breaks are not read
    for (const auto& page : doc.pages)
        for (const auto& key : page) {
            if (key.op == 0) {
                EXPECT_EQ(key.target, (std::array<uint8_t, 4>{}));
            }
        }
    EXPECT_NE(doc.pages[0][1].target, (std::array<uint8_t, 4>{}));

    CQelDoc small(clock);
    small.SetProductType(3);
    RecordingSink refused;
    EXPECT_EQ(LoadDefaultConfiguration(small, Span(data), refused), DefaultLoad::ResetAgain);
    EXPECT_EQ(refused.Texts(), std::vector<std::string>{texts::kFileIncompatible});
}

} // namespace
} // namespace kiv
