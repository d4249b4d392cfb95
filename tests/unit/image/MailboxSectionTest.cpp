#include "unit/image/MailboxSection.h"

#include "unit/image/Texts.h"

#include <gtest/gtest.h>

using namespace kiv;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A unit mailbox record: number digits, 255 in the first digit for a free slot.
MailboxRecordBytes Record(const std::string& number, std::uint8_t attributes = 0,
                          std::uint8_t notify = 0) {
    MailboxRecordBytes r{};
    r.fill(0);
    for (std::size_t i = 0; i < 4; ++i)
        r[19 + i] = i < number.size() ? static_cast<std::uint8_t>(number[i] - '0') : 255;
    r[10] = 255;
    r[11] = attributes;
    r[14] = notify;
    for (std::size_t i = 0; i < 4; ++i)
        r[15 + i] = static_cast<std::uint8_t>(6 - i);
    std::fill(r.begin() + 173, r.end(), 255);
    return r;
}

MailboxRecordBytes FreeRecord() {
    return Record("");
}

struct SectionBuilder {
    ClockBytes clock{30, 23, 7, 31, 12, 24};
    std::vector<MailboxRecordBytes> records;
    std::vector<MessageRecordBytes> messages;
    std::vector<GroupBlockBytes> groups;
    std::array<std::uint16_t, 4> calls{1, 0x0102, 3, 0xFFFF};

    Bytes Build() const {
        Bytes b(clock.begin(), clock.end());
        b.push_back(static_cast<std::uint8_t>(records.size()));
        for (const auto& r : records)
            b.insert(b.end(), r.begin(), r.end());
        b.push_back(static_cast<std::uint8_t>(messages.size() >> 8));
        b.push_back(static_cast<std::uint8_t>(messages.size()));
        for (const auto& m : messages)
            b.insert(b.end(), m.begin(), m.end());
        b.push_back(static_cast<std::uint8_t>(groups.size()));
        for (const auto& g : groups)
            b.insert(b.end(), g.begin(), g.end());
        for (std::uint16_t c : calls) {
            b.push_back(static_cast<std::uint8_t>(c >> 8));
            b.push_back(static_cast<std::uint8_t>(c));
        }
        return b;
    }
    MailboxSection Parse() const {
        MailboxSection s;
        std::string error;
        EXPECT_TRUE(ParseMailboxSection(Build(), s, error)) << error;
        return s;
    }
};

GroupBlockBytes Group(std::initializer_list<std::uint8_t> members) {
    GroupBlockBytes g{};
    g[0] = static_cast<std::uint8_t>(members.size());
    std::copy(members.begin(), members.end(), g.begin() + 1);
    return g;
}

MboxRecord Mailbox(const std::string& number, std::uint8_t slot) {
    MboxRecord m;
    m.number = number;
    m.password = "6071";
    m.phone = "";
    m.pager = "";
    m.slot = slot;
    return m;
}

} // namespace

// --- Section length checks and decoding ----------------------------------------------------------

TEST(MailboxSection, LengthChecks) {
    SectionBuilder good;
    good.records = {Record("101"), Record("102")};
    good.messages.resize(2);
    good.groups = {Group({0})};
    const Bytes bytes = good.Build();

    MailboxSection s;
    std::string error;
    ASSERT_TRUE(ParseMailboxSection(bytes, s, error));
    EXPECT_EQ(s.records.size(), 2u);

    const std::string message = "La lunghezza dei dati letti \xE8 troppo breve: ";
    const auto refused = [&](Bytes b, const char* why) {
        MailboxSection kept;
        kept.calls[0] = 77;
        std::string e;
        EXPECT_FALSE(ParseMailboxSection(b, kept, e)) << why;
        EXPECT_EQ(e, message) << why;
        EXPECT_EQ(kept.calls[0], 77) << why;
    };
    refused({}, "empty");
    refused({1}, "a single byte");
    refused(Bytes(7, 0), "no room for anything after the count");
    // Announces two records but the bytes end inside the second.
    refused(Bytes(bytes.begin(), bytes.begin() + 7 + 233 + 100), "record past the end");
    refused(Bytes(bytes.begin(), bytes.end() - 1), "ends inside the call counters");
    Bytes longer = bytes;
    longer.push_back(0);
    refused(longer, "goes on after the call counters");
    Bytes moreRecords = bytes;
    moreRecords[6] = 3;
    refused(moreRecords, "announces more records than it holds");
    Bytes tooMany(7 + 233 * 130 + 11, 0);
    tooMany[6] = 130;
    refused(tooMany, "more records than a unit has slots");

    SectionBuilder empty;
    ASSERT_TRUE(ParseMailboxSection(empty.Build(), s, error));
    FixedClock clock(0);
    CQelDoc doc(clock);
    doc.mboxCount = 3;
    ApplyMailboxSection(s, doc);
    EXPECT_EQ(doc.mboxCount, 0);
}

TEST(MailboxSection, ReadIntoTheConfiguration) {
    SectionBuilder b;
    MailboxRecordBytes rich =
        Record("205", 0x80 | 0x40 | 0x20 | 0x10 | 0x08 | 0x01, 0x80 | 0x40 | 0x10 | 0x04 | 0x08);
    rich[10] = 0; // dnd on
    rich[5] = 1;  // second counter: aux2
    rich[12] = 3;
    rich[173] = 1;
    rich[174] = 52;
    rich[175] = 49;
    rich[13] = 2;
    rich[193] = 48;
    rich[194] = 12;
    b.records = {Record("101"), FreeRecord(), rich, Record("3", 0x10)};
    MessageRecordBytes message{};
    message[3] = 1;
    message[4] = 74;
    b.messages = {message};
    b.groups = {Group({2, 0, 1, 9}), Group({}), Group({3})};
    const MailboxSection s = b.Parse();

    FixedClock clock(0);
    CQelDoc doc(clock);
    doc.groups[3].memberCount = 2;
    doc.groups[4].memberCount = 1;
    doc.groups[4].members[0] = 999;
    ApplyMailboxSection(s, doc);

    ASSERT_EQ(doc.mboxCount, 3);
    EXPECT_EQ(doc.mailboxes[0].number, "101");
    EXPECT_EQ(doc.mailboxes[0].slot, 0);
    EXPECT_EQ(doc.mailboxes[0].password, "6543");
    EXPECT_EQ(doc.mailboxes[0].timeStamp, 1);
    EXPECT_EQ(doc.mailboxes[0].dnd, 0);

    // Slot 2: the position in the section, the free record counted. Both language bits give
    // the third language; the lowest local notification bit wins.
    // clang-format off
    const MboxRecord rich205{.number = "205", .type = 1, .password = "6543", .phone = "1$p",
        .localNotify = 3, .allowed = 1, .phoneEnabled = 1, .timeStamp = 0, .dnd = 1, .aux1 = 0,
        .aux2 = 1, .slot = 2, .aux3 = -1, .language = 2, .pager = "X#", .pagerEnabled = 1,
        .announcer = 1};
    // clang-format on
    EXPECT_EQ(doc.mailboxes[1], rich205);
    EXPECT_EQ(doc.mailboxes[2].language, 1);
    EXPECT_EQ(doc.mailboxes[2].slot, 3);
    EXPECT_EQ(doc.mailboxes[3], MboxRecord{});

    // Member bytes are section positions; position 1 is free and 9 does not exist.
    EXPECT_EQ(doc.groups[0].memberCount, 2);
    EXPECT_EQ(doc.groups[0].members[0], 205);
    EXPECT_EQ(doc.groups[0].members[1], 101);
    EXPECT_EQ(doc.groups[0].members[2], 0);
    EXPECT_EQ(doc.groups[1].memberCount, 0);
    EXPECT_EQ(doc.groups[2].members[0], 3);
    EXPECT_EQ(doc.groups[3].memberCount, 0) << "a group the unit did not send is empty";
    EXPECT_EQ(doc.groups[4].members[0], 999) << "the fifth group is not carried";

    EXPECT_EQ(doc.callsPerLine, (std::array<std::int32_t, 4>{1, 258, 3, 65535}));
    EXPECT_EQ(doc.msgCount, 1);
    EXPECT_EQ(doc.msgData[0][4], 74);
    EXPECT_EQ(doc.msgMboxCount, 3);
    EXPECT_EQ(doc.msgMboxData[1][19], 2);
    EXPECT_EQ(doc.msgMboxData[1][5], 1);
}

// --- Clock and deletion list ---------------------------------------------------------------------

TEST(MailboxSection, ClockBytes) {
    LocalTime t{2024, 12, 31, 23, 59, 30, 2};
    EXPECT_EQ(EncodeClock(t), (ClockBytes{59, 23, 2, 31, 12, 24}));
    t.year = 1999;
    EXPECT_EQ(EncodeClock(t)[5], 99);
    EXPECT_EQ(DecodeClock({0, 0, 1, 1, 1, 70}).year, 2070);
    EXPECT_EQ(DecodeClock({0, 0, 1, 1, 1, 71}).year, 1971);

    // Past midnight the date, the month, the year and the weekday roll over.
    const LocalTime next = AdvanceLocalTime({2024, 12, 31, 23, 59, 30, 2}, 45);
    EXPECT_EQ(next.year, 2025);
    EXPECT_EQ(next.month, 1);
    EXPECT_EQ(next.day, 1);
    EXPECT_EQ(next.hour, 0);
    EXPECT_EQ(next.second, 15);
    EXPECT_EQ(next.weekday, 3);
    EXPECT_EQ(AdvanceLocalTime({2024, 3, 3, 10, 0, 0, 7}, 86400).weekday, 1);
    EXPECT_EQ(AdvanceLocalTime({2024, 2, 28, 23, 0, 0, 3}, 3600).day, 29);
    // Within the day the unit's weekday is kept as it was, even one that disagrees with the date.
    EXPECT_EQ(AdvanceLocalTime({2024, 3, 3, 10, 0, 0, 5}, 60).weekday, 5);

    FixedClock clock(1000);
    CQelDoc doc(clock);
    doc.SetClockTime({2023, 6, 30, 23, 0, 0, 5}, 1000);
    const LocalTime later = UnitClockAt(doc, 1000 + 3600 + 61);
    EXPECT_EQ(EncodeClock(later), (ClockBytes{1, 0, 6, 1, 7, 23}));
}

TEST(MailboxSection, DeletionListIsDescending) {
    EXPECT_EQ(DeletionListBytes({3, 7, 5}), (Bytes{3, 7, 5, 3}));
    EXPECT_EQ(DeletionListBytes({}), (Bytes{0}));
}

// --- Mailbox slots -------------------------------------------------------------------------------

TEST(MailboxSection, SlotEncoding) {
    // clang-format off
    MboxRecord m{.number = "4567", .type = 1, .password = "6071", .phone = "12P$", .localNotify = 4,
                 .allowed = 1, .timeStamp = 0, .dnd = 1, .language = 1, .pager = "Q",
                 .pagerEnabled = 1, .announcer = 1};
    // clang-format on
    const MailboxSlot fresh = EncodeMailboxSlot(m, 3, nullptr);
    EXPECT_EQ(fresh.attributes, 0x80 | 0x40 | 0x10 | 0x08);
    EXPECT_EQ(fresh.dnd, 0);
    EXPECT_EQ(fresh.notify, 0x80 | 0x10 | 0x08);
    EXPECT_EQ(fresh.number, (std::array<std::uint8_t, 4>{4, 5, 6, 255})) << "beyond extDigits";
    EXPECT_EQ(fresh.numberRepeat, fresh.number);
    EXPECT_EQ(fresh.password, (std::array<std::uint8_t, 4>{6, 0, 7, 1}));
    EXPECT_EQ(Bytes(fresh.phone.begin(), fresh.phone.begin() + 5), (Bytes{1, 2, 49, 52, 255}));
    EXPECT_EQ(fresh.phoneLength, 4);
    EXPECT_EQ(fresh.pager[0], 54);
    EXPECT_EQ(fresh.pager[1], 255);
    EXPECT_EQ(fresh.pagerLength, 1);

    // Bits this program does not name come from the unit's slot of the same mailbox.
    MailboxSlot unit;
    unit.attributes = 0xFF;
    unit.notify = 0xFF;
    m.dnd = 0;
    m.language = 2;
    const MailboxSlot kept = EncodeMailboxSlot(m, 4, &unit);
    EXPECT_EQ(kept.attributes, 0x80 | 0x40 | 0x20 | 0x08 | 0x07);
    EXPECT_EQ(kept.notify, 0x80 | 0x10 | 0x08 | 0x20);
    EXPECT_EQ(kept.dnd, 255);
    EXPECT_EQ(kept.NumberText(), "4567");

    m.phone = " ";
    EXPECT_EQ(EncodeMailboxSlot(m, 4, nullptr).phoneLength, 0) << "uncodable phone goes empty";
}

// --- Reconciliation ------------------------------------------------------------------------------

class Reconcile : public ::testing::Test {
  protected:
    FixedClock clock{0};
    CQelDoc config{clock};
    SectionBuilder unit;

    void Configure(std::initializer_list<MboxRecord> mailboxes) {
        config.mboxCount = 0;
        for (const MboxRecord& m : mailboxes)
            config.mailboxes[static_cast<std::size_t>(config.mboxCount++)] = m;
    }
};

TEST_F(Reconcile, SameNumbersNeedNoQuestion) {
    unit.records = {Record("101"), Record("102"), Record("103")};
    Configure({Mailbox("101", 0), Mailbox("102", 1), Mailbox("103", 2)});
    const MailboxReconciliation plan = ReconcileMailboxes(config, unit.Parse(), 129);
    EXPECT_FALSE(plan.askBeforeDeleting);
    EXPECT_TRUE(plan.deletions.empty());
    EXPECT_TRUE(plan.error.empty());
    EXPECT_EQ(plan.positions, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(plan.listLength, 3u);
    EXPECT_EQ(DeletionListBytes(plan.deletions), Bytes{0});
}

TEST_F(Reconcile, DeletionsAndAppendedMailboxes) {
    // Positions 0, 3, 5, 7 hold mailboxes; 1, 2, 4, 6 are free.
    unit.records = {Record("100"), FreeRecord(),  FreeRecord(), Record("103"),
                    FreeRecord(),  Record("105"), FreeRecord(), Record("107")};
    Configure({Mailbox("100", 4), Mailbox("200", 255), Mailbox("201", 9)});
    const MailboxReconciliation plan = ReconcileMailboxes(config, unit.Parse(), 129);
    EXPECT_TRUE(plan.askBeforeDeleting);
    EXPECT_EQ(plan.deletions, (std::vector<int>{7, 5, 3}));
    EXPECT_EQ(DeletionListBytes(plan.deletions), (Bytes{3, 7, 5, 3}));
    // New mailboxes go after the highest position the unit uses, never over a unit mailbox.
    EXPECT_EQ(plan.positions, (std::vector<int>{0, 8, 9}));
    EXPECT_EQ(plan.inUnit, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(plan.listLength, 10u);

    // An empty configuration deletes everything the unit holds.
    Configure({});
    const MailboxReconciliation all = ReconcileMailboxes(config, unit.Parse(), 129);
    EXPECT_EQ(all.deletions, (std::vector<int>{7, 5, 3, 0}));
    EXPECT_EQ(all.listLength, 8u);
}

TEST_F(Reconcile, AppendedPositionLimit) {
    // Two-mailbox product: slots 0-2, and an appended mailbox may not reach position 2.
    unit.records = {Record("101")};
    Configure({Mailbox("102", 255)});
    EXPECT_TRUE(ReconcileMailboxes(config, unit.Parse(), 3).error.empty());

    // The unit's mailbox that is about to be deleted still holds its position.
    Configure({Mailbox("102", 255), Mailbox("103", 255)});
    const MailboxReconciliation plan = ReconcileMailboxes(config, unit.Parse(), 3);
    EXPECT_TRUE(plan.askBeforeDeleting);
    EXPECT_EQ(plan.error, "Le Caselle non sono configurate correttamente. Prego leggere i dati "
                          "dall'unit\xE0 e riprovare di nuovo.");
    EXPECT_EQ(std::string(texts::deleteMailboxesQuestion),
              "Questo processo canceller\xE0 le Caselle gi\xE0 configurate.  Si vuole continuare?");
}

TEST_F(Reconcile, PreparedSend) {
    // Unit: 101 at 0 (kept), 150 at 1 (deleted), free 2, 103 at 3 (kept, with its own bits).
    MailboxRecordBytes withBits = Record("103", 0x05, 0x20);
    unit.records = {Record("101"), Record("150"), FreeRecord(), withBits};
    const MailboxSection section = unit.Parse();
    // The configuration's slots are its own numbering, not the unit's.
    Configure({Mailbox("101", 5), Mailbox("103", 9), Mailbox("104", 2)});
    config.extDigits = 3;
    // The operator key's row goes to the unit as stored, so it is rewritten as well.
    config.operatorKey = 1;
    config.pages[0][1] = {7, {5, 0, 0, 0}, 1};   // 101
    config.pages[38][10] = {7, {2, 0, 0, 0}, 1}; // 104
    config.pages[1][2] = {7, {3, 0, 0, 0}, 1};   // no mailbox has slot 3
    config.pages[1][3] = {1, {9, 0, 0, 0}, 1};   // a page, not a mailbox
    config.inBand[4].operation = 9;
    config.inBand[4].target = {9, 0, 0, 0}; // 103
    config.inBand[5].operation = 8;
    config.inBand[5].target = {9, 0, 0, 0};
    config.groups[0].memberCount = 3;
    config.groups[0].members = {104, 101, 555};
    config.groups[4].memberCount = 1;
    config.callsPerLine = {1, 2, 0x0304, 4};

    const MailboxReconciliation plan = ReconcileMailboxes(config, section, 129);
    ASSERT_TRUE(plan.error.empty());
    EXPECT_EQ(plan.deletions, std::vector<int>{1});
    const MailboxSend send = PrepareMailboxSend(config, section, plan, 129);

    EXPECT_EQ(config.mailboxes[0].slot, 0);
    EXPECT_EQ(config.mailboxes[1].slot, 3);
    EXPECT_EQ(config.mailboxes[2].slot, 4);
    EXPECT_EQ(config.pages[0][1].target[0], 0);
    EXPECT_EQ(config.pages[38][10].target[0], 4);
    EXPECT_EQ(config.pages[1][2].target[0], 3) << "names no mailbox: left as it was";
    EXPECT_EQ(config.pages[1][3].target[0], 9);
    EXPECT_EQ(config.inBand[4].target[0], 3);
    EXPECT_EQ(config.inBand[5].target[0], 9);

    // The stream: N, then one column per attribute over slots 0-4.
    const std::size_t n = 5;
    ASSERT_EQ(send.length, n);
    ASSERT_EQ(send.stream.size(), 1 + 77 * n + 4 * 21 + 8);
    const auto col = [&](std::size_t c) {
        return Bytes(send.stream.begin() + static_cast<std::ptrdiff_t>(1 + c * n),
                     send.stream.begin() + static_cast<std::ptrdiff_t>(1 + (c + 1) * n));
    };
    EXPECT_EQ(send.stream[0], n);
    EXPECT_EQ(col(0)[3], 0x05) << "unit's own attribute bits kept";
    EXPECT_EQ(col(2)[3], 0x20);
    EXPECT_EQ(col(0)[4], 0x00);
    EXPECT_EQ(col(1), (Bytes{255, 255, 255, 255, 255}));
    EXPECT_EQ(col(7), (Bytes{1, 255, 255, 1, 1})) << "slots 1 (to delete) and 2 are free";
    EXPECT_EQ(col(11), (Bytes{1, 1, 255, 1, 1})) << "a freed slot keeps the unit's number";
    EXPECT_EQ(col(12), (Bytes{0, 5, 255, 0, 0}));
    EXPECT_EQ(col(13), (Bytes{1, 0, 255, 3, 4}));
    EXPECT_EQ(col(14), (Bytes{255, 255, 255, 255, 255}));
    EXPECT_EQ(col(3), (Bytes{6, 6, 6, 6, 6}));

    const std::size_t groups = 1 + 77 * n;
    EXPECT_EQ(Bytes(send.stream.begin() + static_cast<std::ptrdiff_t>(groups),
                    send.stream.begin() + static_cast<std::ptrdiff_t>(groups + 5)),
              (Bytes{3, 5, 1, 0, 0}));
    EXPECT_EQ(send.stream[groups + 21], 0);
    EXPECT_EQ(Bytes(send.stream.end() - 8, send.stream.end()), (Bytes{0, 1, 0, 2, 3, 4, 0, 4}));
    EXPECT_EQ(send.deletionList, (Bytes{1, 1}));
}

TEST_F(Reconcile, MailboxesWithoutAUsableSlotTakeTheLowestFree) {
    unit.records = {};
    Configure({Mailbox("101", 255), Mailbox("102", 255)});
    MailboxReconciliation plan = ReconcileMailboxes(config, unit.Parse(), 129);
    // A position past the product's range is not used: the mailbox takes the lowest free slot.
    plan.positions = {200, 0};
    const MailboxSend send = PrepareMailboxSend(config, unit.Parse(), plan, 129);
    EXPECT_EQ(config.mailboxes[0].slot, 1);
    EXPECT_EQ(config.mailboxes[1].slot, 0);
    EXPECT_EQ(send.length, 2u);
}
