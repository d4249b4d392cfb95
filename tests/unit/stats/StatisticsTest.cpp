#include "unit/stats/Statistics.h"

#include "document/Clock.h"

#include <gtest/gtest.h>

using namespace kiv;

namespace {

// A document holding unit data as a read leaves it; every byte is placed by hand at its
// offset in the status bytes, the mailbox records and the message records.
class StatisticsTest : public ::testing::Test {
  protected:
    FixedClock clock{1700000000};
    CQelDoc doc{clock};

    // Mailbox record m: its number digits (255 after the last) and two message counts.
    void Mailbox(std::size_t m, std::array<std::uint8_t, 4> digits, std::uint8_t count0,
                 std::uint8_t count1) {
        auto& r = doc.msgMboxData[m];
        r[0] = count0;
        r[1] = count1;
        for (std::size_t i = 0; i < 4; ++i)
            r[19 + i] = digits[i];
        doc.msgMboxCount = std::max<std::int32_t>(doc.msgMboxCount, static_cast<int>(m) + 1);
    }
    // Message slot s of mailbox record m: status byte at 123 + s, record index at 23 + 2s.
    void Slot(std::size_t m, std::size_t s, std::uint8_t status, std::uint8_t indexHigh,
              std::uint8_t indexLow) {
        auto& r = doc.msgMboxData[m];
        r[123 + s] = status;
        r[23 + 2 * s] = indexHigh;
        r[24 + 2 * s] = indexLow;
    }
    // Message record j: length value at 3-4 (big-endian), hour 10, minute 11, month 12, day 13.
    void Message(std::size_t j, std::uint8_t lengthHigh, std::uint8_t lengthLow, std::uint8_t hour,
                 std::uint8_t minute, std::uint8_t month, std::uint8_t day) {
        auto& r = doc.msgData[j];
        r[3] = lengthHigh;
        r[4] = lengthLow;
        r[10] = hour;
        r[11] = minute;
        r[12] = month;
        r[13] = day;
        doc.msgCount = std::max<std::int32_t>(doc.msgCount, static_cast<int>(j) + 1);
    }
};

TEST_F(StatisticsTest, FlashUseFromTheStatusBytes) {
    // A = 3600 s at s11-s12, B = 900 s at s13-s14.
    doc.unitStatus[11] = 0x0E;
    doc.unitStatus[12] = 0x10;
    doc.unitStatus[13] = 0x03;
    doc.unitStatus[14] = 0x84;
    const GeneralStatistics stats = ComputeGeneralStatistics(StatInputsOf(doc));
    EXPECT_EQ(stats.flash.total, "01:00");
    EXPECT_EQ(stats.flash.used, "00:45");
    EXPECT_EQ(stats.flash.percentText, "75");
    EXPECT_EQ(stats.flash.remaining, "00:15");

    // Whole minutes first: 7199 s is 119 min; 3 min total, 1 free: 66.6 % shows 66.
    EXPECT_EQ(ComputeFlashUse(7199, 0).total, "01:59");
    EXPECT_EQ(ComputeFlashUse(180, 59).percentText, "100");
    EXPECT_EQ(ComputeFlashUse(180, 60).percentText, "66");
    // No flash at all: 0 %, not a division by zero.
    const FlashUse empty = ComputeFlashUse(0, 0);
    EXPECT_EQ(empty.percentText, "0");
    EXPECT_EQ(empty.total, "00:00");
    // More free than total (a confused unit): nothing in use rather than a negative time.
    const FlashUse odd = ComputeFlashUse(600, 1200);
    EXPECT_EQ(odd.used, "00:00");
    EXPECT_EQ(odd.percent, 0);
    EXPECT_EQ(odd.remaining, "00:20");
}

TEST_F(StatisticsTest, CallsListHoldsOnlyLinesInService) {
    // Line states at s15-s18: lines 1 and 3 in service.
    doc.unitStatus[15] = 6;
    doc.unitStatus[16] = 0;
    doc.unitStatus[17] = 6;
    doc.unitStatus[18] = 5;
    doc.callsPerLine = {12, 7, 300, 9};
    const GeneralStatistics stats = ComputeGeneralStatistics(StatInputsOf(doc));
    ASSERT_EQ(stats.lines.size(), 2u);
    EXPECT_EQ(stats.lines[0].line, 1);
    EXPECT_EQ(stats.lines[1].line, 3);
    EXPECT_EQ(stats.lines[1].calls, 300);
    EXPECT_EQ(stats.lineRows,
              (std::vector<std::string>{"        1                              12",
                                        "        3                              300"}));

    doc.unitStatus[15] = doc.unitStatus[17] = 0;
    EXPECT_TRUE(ComputeGeneralStatistics(StatInputsOf(doc)).lines.empty());
}

TEST_F(StatisticsTest, LanguagesAndVersion) {
    EXPECT_EQ(LanguageCountText({3, 255, 255}), "1");
    EXPECT_EQ(LanguageCountText({255, 255, 255}), "Nessuna");
    EXPECT_EQ(LanguageCountText({0, 1, 2}), "3");
    EXPECT_EQ(LanguageCountText({255, 255, 4}), "1");

    doc.languageCode = {3, 255, 255};
    doc.unitVersion = "701";
    const GeneralStatistics stats = ComputeGeneralStatistics(StatInputsOf(doc));
    EXPECT_EQ(stats.languages, "1");
    EXPECT_EQ(stats.version, "7.01");
    EXPECT_EQ(VersionText(""), "");
}

TEST_F(StatisticsTest, MessagesAreCollectedFromHeldSlots) {
    // Mailbox 101: counts 2 + 1 = three slots in use.
    Mailbox(0, {1, 0, 1, 255}, 2, 1);
    Slot(0, 0, 0x80, 0, 1); // new, record 1
    Slot(0, 1, 0x02, 0, 0); // not held
    Slot(0, 2, 0x82, 0, 0); // archived, record 0
    Slot(0, 3, 0x80, 0, 2); // held but past the slots in use
    // Mailbox 2345: one slot, record 2.
    Mailbox(1, {2, 3, 4, 5}, 0, 1);
    Slot(1, 0, 0x80, 0, 2);
    Message(0, 0xFF, 0xE1, 23, 59, 12, 31); // 65505: 1985 s
    Message(1, 0x01, 0x4A, 9, 5, 3, 7);     // 330: 10 s
    Message(2, 0x00, 0x20, 0, 0, 1, 1);     // 32: 0 s

    const std::vector<UnitMessage> all = CollectMessages(doc);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].mailbox, "101");
    EXPECT_EQ(all[1].mailbox, "101");
    EXPECT_EQ(all[2].mailbox, "2345");

    const MessageRow first = MessageRowOf(all[0]);
    EXPECT_EQ(first.date, "07/03");
    EXPECT_EQ(first.time, "09:05");
    EXPECT_EQ(first.length, "00:10");
    EXPECT_EQ(first.state, "Nuovo");
    const MessageRow second = MessageRowOf(all[1]);
    EXPECT_EQ(second.date, "31/12");
    EXPECT_EQ(second.time, "23:59");
    EXPECT_EQ(second.length, "33:05");
    EXPECT_EQ(second.state, "Arch.");
    EXPECT_EQ(MessageRowOf(all[2]).length, "00:00");

    const std::vector<std::string> only101{"101"};
    const std::vector<UnitMessage> chosen = MessagesOf(all, only101);
    ASSERT_EQ(chosen.size(), 2u);
    const MessageTotalTexts totals = TotalTextsOf(TotalsOf(chosen));
    EXPECT_EQ(totals.newLength, "00:00:10");
    EXPECT_EQ(totals.archivedLength, "00:33:05");
    EXPECT_EQ(totals.newCount, "1");
    EXPECT_EQ(totals.archivedCount, "1");
    EXPECT_EQ(totals.count, "2");

    const std::vector<std::string> both{"2345", "101"};
    EXPECT_EQ(MessagesOf(all, both).size(), 3u);
    EXPECT_TRUE(MessagesOf(all, std::vector<std::string>{"10"}).empty());

    // Nothing shown yet: zero lengths and counts.
    const MessageTotalTexts none = TotalTextsOf(TotalsOf({}));
    EXPECT_EQ(none.newLength, "00:00:00");
    EXPECT_EQ(none.count, "0");
}

TEST_F(StatisticsTest, TotalLengthsRunPastAnHour) {
    EXPECT_EQ(HourMinuteSecondText(3970), "01:06:10");
    EXPECT_EQ(HourMinuteSecondText(59), "00:00:59");
    Mailbox(0, {7, 255, 255, 255}, 2, 0);
    Slot(0, 0, 0x80, 0, 0);
    Slot(0, 1, 0x80, 0, 1);
    Message(0, 0xFF, 0xFF, 0, 0, 1, 1); // 65535 / 33 = 1985 s
    Message(1, 0xFF, 0xFF, 0, 0, 1, 1);
    EXPECT_EQ(TotalTextsOf(TotalsOf(CollectMessages(doc))).newLength, "01:06:10");
}

TEST_F(StatisticsTest, SlotsNamingNoRecordOrPastTheRecordAreLeftOut) {
    // Record index 1 when the unit sent one record: nothing to show for it.
    Mailbox(0, {5, 255, 255, 255}, 2, 0);
    Slot(0, 0, 0x80, 0, 0);
    Slot(0, 1, 0x80, 0, 1);
    Message(0, 0x01, 0x4A, 9, 5, 3, 7);
    EXPECT_EQ(CollectMessages(doc).size(), 1u);
    Slot(0, 1, 0x80, 0x03, 0x20); // index 800: past every record
    EXPECT_EQ(CollectMessages(doc).size(), 1u);

    // Counts beyond the record's 50 slots: slot 50 would take its status from the phone bytes
    // (a held status) and its index from the first two status bytes (record 0).
    Slot(0, 1, 0x00, 0, 0);
    doc.msgMboxData[0][0] = 60;
    doc.msgMboxData[0][123] = 0x00; // slot 0 empty, index bytes of slot 50 read 0, 0
    doc.msgMboxData[0][124] = 0x00;
    Slot(0, 2, 0x80, 0, 0);
    doc.msgMboxData[0][173] = 0x80;
    EXPECT_EQ(CollectMessages(doc).size(), 1u);

    // A mailbox count beyond the records held.
    doc.msgMboxCount = 1000;
    EXPECT_EQ(CollectMessages(doc).size(), 1u);
}

} // namespace
