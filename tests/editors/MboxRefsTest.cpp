#include "editors/MboxRefs.h"

#include "document/QelDoc.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kiv::editors {
namespace {

MboxRecord Mailbox(const char* number, int slot) {
    MboxRecord r;
    r.number = number;
    r.slot = static_cast<std::uint8_t>(slot);
    return r;
}

TEST(MboxRefs, NumberOfSlot) {
    const std::vector<MboxRecord> boxes{Mailbox("200", 4), Mailbox("201", 8), Mailbox("202", 255)};
    EXPECT_EQ(NumberOfSlot(boxes, 4, 9), "200");
    EXPECT_EQ(NumberOfSlot(boxes, 8, 9), "201") << "slot S-1 is still a slot";
    EXPECT_EQ(NumberOfSlot(boxes, 8, 3), std::nullopt) << "slot beyond the product's S";
    EXPECT_EQ(NumberOfSlot(boxes, 5, 9), std::nullopt);
    EXPECT_EQ(NumberOfSlot(boxes, 255, 129), std::nullopt) << "an unassigned slot names nothing";
}

TEST(MboxRefs, SlotOfTypedNumber) {
    const std::vector<MboxRecord> boxes{Mailbox("20", 3), Mailbox("200", 4), Mailbox("201", 7)};
    EXPECT_EQ(SlotOfNumber(boxes, "201", 3), 7);
    EXPECT_EQ(SlotOfNumber(boxes, "200", 3), 4);
    EXPECT_EQ(SlotOfNumber(boxes, "20", 3), std::nullopt) << "two digits where three are due";
    EXPECT_EQ(SlotOfNumber(boxes, "020", 3), 3) << "compared by value";
    EXPECT_EQ(SlotOfNumber(boxes, "2O1", 3), std::nullopt);
    EXPECT_EQ(SlotOfNumber(boxes, "202", 3), std::nullopt);
}

TEST(MboxRefs, OnlyTheMailboxesInUse) {
    auto doc = std::make_unique<CQelDoc>();
    doc->mailboxes[0] = Mailbox("100", 0);
    doc->mailboxes[1] = Mailbox("101", 1);
    doc->mboxCount = 1;
    EXPECT_EQ(NumberOfSlot(MailboxesInUse(*doc), 1, 129), std::nullopt);
    EXPECT_EQ(SlotOfNumber(MailboxesInUse(*doc), "101", 3), std::nullopt);
    doc->mboxCount = 500;
    EXPECT_EQ(MailboxesInUse(*doc).size(), doc->mailboxes.size());
}

} // namespace
} // namespace kiv::editors
