#include "autoattendant/PageRules.h"

#include <gtest/gtest.h>

#include <vector>

namespace kiv::autoatt {
namespace {

MboxRecord Mailbox(const char* number, int slot) {
    MboxRecord r;
    r.number = number;
    r.slot = static_cast<std::uint8_t>(slot);
    return r;
}

PageEntry Entry(int op, std::array<std::uint8_t, 4> target, int info) {
    PageEntry e;
    e.op = op;
    e.target = target;
    e.targetInfo = static_cast<std::uint8_t>(info);
    return e;
}

TEST(PageRules, OperationsOfferedPerRowAndPage) {
    // Ordinary page 05, "Timeout" row: exactly these nine.
    EXPECT_EQ(OfferedPageOps(10, 5), (std::vector<int>{0, 1, 6, 7, 14, 15, 16, 17, 18}));
    // Ordinary key row: everything but the busy operations and the operator.
    EXPECT_EQ(OfferedPageOps(3, 0),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13, 14, 15, 16, 18}));
    // Page 22 (busy, no mailbox, index 22): no "Lasciare un Messaggio" anywhere.
    EXPECT_EQ(OfferedPageOps(4, 22),
              (std::vector<int>{0, 1, 5, 6, 7, 8, 10, 11, 13, 14, 15, 16, 18}));
    EXPECT_EQ(OfferedPageOps(10, 22),
              (std::vector<int>{0, 1, 5, 6, 7, 10, 11, 14, 15, 16, 17, 18}));
    // Page 26: its key rows offer a message, its "Timeout" row does not.
    EXPECT_TRUE(IsPageOpOffered(kPageOpLeaveMessage, 0, 26));
    EXPECT_FALSE(IsPageOpOffered(kPageOpLeaveMessage, 10, 26));
    // Page 33 (index 29, no answer with mailbox, second language): both rows.
    EXPECT_TRUE(IsPageOpOffered(kPageOpLeaveMessage, 10, 29));
    EXPECT_FALSE(IsPageOpOffered(kPageOpRetryOnBusy, 0, 29));
    // Page 42 (index 34) is a busy page of the third language.
    EXPECT_TRUE(IsPageOpOffered(kPageOpToBusyUnsupervised, 10, 34));
    EXPECT_FALSE(IsPageOpOffered(kPageOpGoToPageFirstLanguage, 0, 34));
    EXPECT_FALSE(IsPageOpOffered(19, 0, 0));
    EXPECT_FALSE(IsPageOpOffered(-1, 0, 0));
}

TEST(PageRules, PageDestinations) {
    PageEntry e = Entry(kPageOpGoToPageThirdLanguage, {9, 9, 0xAA, 0xBB}, 0);
    EXPECT_FALSE(StoreDestination(e, kPageOpGoToPage, "3", {}, 3)) << "one character";
    EXPECT_FALSE(StoreDestination(e, kPageOpGoToPage, "30", {}, 3)) << "no page 30";
    EXPECT_FALSE(StoreDestination(e, kPageOpGoToPage, "3a", {}, 3));
    EXPECT_EQ(e, Entry(kPageOpGoToPageThirdLanguage, {9, 9, 0xAA, 0xBB}, 0))
        << "refusal stores nothing";
    ASSERT_TRUE(StoreDestination(e, kPageOpGoToPage, "31", {}, 3));
    EXPECT_EQ(e, Entry(kPageOpGoToPage, {27, 9, 0xAA, 0xBB}, 1)) << "page 31 is index 27";
    ASSERT_TRUE(StoreDestination(e, kPageOpGoToPageSecondLanguage, "46", {}, 3));
    EXPECT_EQ(e, Entry(kPageOpGoToPageSecondLanguage, {38, 1, 0xAA, 0xBB}, 2));
    EXPECT_EQ(DestinationText(e, {}, 129), "46");
    EXPECT_EQ(DestinationText(Entry(kPageOpGoToPage, {33, 0, 0, 0}, 1), {}, 129), "41");
    EXPECT_EQ(DestinationText(Entry(kPageOpGoToPage, {39, 0, 0, 0}, 1), {}, 129), "00")
        << "a target that is no page shows page 00";
}

TEST(PageRules, ExtensionDestinations) {
    PageEntry e = Entry(kPageOpNotUsed, {0, 0, 0, 0x77}, 0);
    EXPECT_FALSE(StoreDestination(e, kPageOpToExtension, "2", {}, 3));
    EXPECT_FALSE(StoreDestination(e, kPageOpToExtension, "12345", {}, 3));
    EXPECT_FALSE(StoreDestination(e, kPageOpToExtension, "2 1", {}, 3));
    ASSERT_TRUE(StoreDestination(e, kPageOpToExtension, "2*A", {}, 3));
    EXPECT_EQ(e, Entry(kPageOpToExtension, {'2', '*', 'A', 0x77}, 3));
    EXPECT_EQ(DestinationText(e, {}, 129), "2*A");
    EXPECT_EQ(DestinationText(Entry(kPageOpToExtension, {'2', '*', 'A', 'p'}, 4), {}, 129), "2*Ap");
    EXPECT_EQ(DestinationText(Entry(kPageOpToExtension, {'2', '*', 'A', 'p'}, 5), {}, 129), "");
    EXPECT_EQ(DestinationText(Entry(kPageOpToExtension, {'2', 'x', 0, 0}, 2), {}, 129), "")
        << "a stored character outside the set";
}

TEST(PageRules, MailboxAndDialStringDestinations) {
    const std::vector<MboxRecord> boxes{Mailbox("20", 3), Mailbox("201", 7)};
    PageEntry e;
    EXPECT_FALSE(StoreDestination(e, kPageOpToMailbox, "20", boxes, 3))
        << "two digits with three-digit numbering, although a mailbox is numbered 20";
    EXPECT_FALSE(StoreDestination(e, kPageOpToMailbox, "202", boxes, 3));
    ASSERT_TRUE(StoreDestination(e, kPageOpToMailbox, "201", boxes, 3));
    EXPECT_EQ(e, Entry(kPageOpToMailbox, {7, 0, 0, 0}, 1));
    EXPECT_EQ(DestinationText(e, boxes, 129), "201");
    EXPECT_EQ(DestinationText(e, boxes, 7), "0") << "slot beyond the product's slots";
    EXPECT_EQ(DestinationText(Entry(kPageOpToMailbox, {5, 0, 0, 0}, 1), boxes, 129), "0")
        << "the mailbox is gone";
    EXPECT_EQ(DestinationText(Entry(kPageOpToMailbox, {7, 0, 0, 0}, 0), boxes, 129), "0");

    EXPECT_FALSE(StoreDestination(e, kPageOpDialString, "20", boxes, 3));
    EXPECT_FALSE(StoreDestination(e, kPageOpDialString, "", boxes, 3));
    ASSERT_TRUE(StoreDestination(e, kPageOpDialString, "7", boxes, 3));
    EXPECT_EQ(e, Entry(kPageOpDialString, {7, 0, 0, 0}, 1));
    EXPECT_EQ(DestinationText(e, boxes, 129), "7");
    EXPECT_EQ(DestinationText(Entry(kPageOpDialString, {20, 0, 0, 0}, 1), boxes, 129), "0");
    EXPECT_EQ(DestinationText(Entry(kPageOpDialString, {7, 0, 0, 0}, 0), boxes, 129), "");
}

TEST(PageRules, OperationsWithoutDestination) {
    PageEntry e = Entry(kPageOpDisconnectAfterMessage, {1, 2, 3, 4}, 3);
    ASSERT_TRUE(StoreDestination(e, kPageOpDisconnectAfterMessage, "junk", {}, 3));
    EXPECT_EQ(e, Entry(kPageOpDisconnectAfterMessage, {1, 2, 3, 4}, 3))
        << "code 15 keeps its bytes";
    ASSERT_TRUE(StoreDestination(e, kPageOpDisconnect, "", {}, 3));
    EXPECT_EQ(e, Entry(kPageOpDisconnect, {0, 2, 3, 4}, 0));
    ChooseOperation(e, kPageOpDisconnectAfterMessage);
    EXPECT_EQ(e, Entry(kPageOpDisconnectAfterMessage, {0, 0, 0, 0}, 0)) << "choosing clears";
    EXPECT_FALSE(PageOpHasDestination(kPageOpDisconnectAfterMessage));
    EXPECT_TRUE(PageOpHasDestination(kPageOpDialString));
}

TEST(PageRules, PreviousAndNextPages) {
    EXPECT_EQ(NextPageNumber(26), 31);
    EXPECT_EQ(PreviousPageNumber(41), 36);
    EXPECT_EQ(NextPageNumber(46), 46);
    EXPECT_EQ(PreviousPageNumber(0), -1);
    EXPECT_EQ(PreviousPageNumber(47), -1);
    EXPECT_EQ(NextPageNumber(99), 46);
    EXPECT_EQ(NextPageNumber(5), 6);
    // Numbers in a gap count as the page beyond it.
    EXPECT_EQ(PreviousPageNumber(28), 25);
    EXPECT_EQ(NextPageNumber(28), 32);
    EXPECT_EQ(PreviousPageNumber(38), 35);
    EXPECT_EQ(NextPageNumber(38), 42);
    EXPECT_EQ(PageNumberText(27), "31");
    EXPECT_EQ(PageNumberText(3), "03");
}

} // namespace
} // namespace kiv::autoatt
