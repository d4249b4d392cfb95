#include "editors/MboxList.h"

#include "document/ProductType.h"
#include "document/QelDoc.h"
#include "editors/Texts.h"

#include <gtest/gtest.h>

#include <memory>

namespace kiv::editors {
namespace {

struct MboxListTest : ::testing::Test {
    // The document is large; keep it off the stack.
    std::unique_ptr<CQelDoc> doc = std::make_unique<CQelDoc>();

    void SetMailboxes(std::initializer_list<std::pair<const char*, int>> numbersAndSlots) {
        doc->mboxCount = 0;
        for (auto [number, slot] : numbersAndSlots) {
            MboxRecord r = NewMboxTemplate();
            r.number = number;
            r.slot = static_cast<std::uint8_t>(slot);
            doc->mailboxes[static_cast<std::size_t>(doc->mboxCount++)] = r;
        }
    }
    static void RouteKey(CMboxList& list, int page, int key, int slot) {
        auto& row = list.pages[static_cast<std::size_t>(page)][static_cast<std::size_t>(key)];
        row.op = kPageOpToMailbox;
        row.target[0] = static_cast<std::uint8_t>(slot);
    }
    static void RouteInBand(CMboxList& list, int event, int slot) {
        auto& e = list.inBand[static_cast<std::size_t>(event)];
        e.operation = kInBandOpToMailbox;
        e.target[0] = static_cast<std::uint8_t>(slot);
        e.targetLength = 1;
    }
    static std::string Numbers(const CMboxList& list) {
        std::string out;
        for (int i = 0; i < list.Count(); ++i)
            out +=
                (i ? " " : "") + list.Record(i).number + "/" + std::to_string(list.Record(i).slot);
        return out;
    }
    static int SlotOf(const CMboxList& list, const std::string& number) {
        for (int i = 0; i < list.Count(); ++i)
            if (list.Record(i).number == number) return list.Record(i).slot;
        return -1;
    }
    static MboxRecord Mbox(const char* number) {
        MboxRecord r = NewMboxTemplate();
        r.number = number;
        return r;
    }
};

TEST_F(MboxListTest, DeleteHandsPlacesSlotsOnAndRewritesEveryReferenceOnce) {
    SetMailboxes({{"10", 0}, {"15", 2}, {"20", 1}});
    doc->extDigits = 2;
    CMboxList list(*doc);
    RouteKey(list, 0, 3, 2);      // to 15
    RouteKey(list, 30, 4, 1);     // to 20
    RouteInBand(list, 5, 2);      // to 15
    RouteInBand(list, 39, 1);     // to 20, an event the first protocol page does not show
    list.inBand[6].operation = 8; // an extension transfer whose digits happen to equal a slot
    list.inBand[6].target[0] = 2;

    ASSERT_EQ(list.Delete(0), "");
    EXPECT_EQ(Numbers(list), "15/0 20/2");
    EXPECT_EQ(list.pages[0][3].target[0], 0);
    EXPECT_EQ(list.pages[30][4].target[0], 2);
    EXPECT_EQ(list.inBand[5].target[0], 0);
    EXPECT_EQ(list.inBand[39].target[0], 2);
    EXPECT_EQ(list.inBand[6].target[0], 2);
    EXPECT_EQ(list.currentRow, 0);
    // The freed place is blank again.
    EXPECT_EQ(list.mailboxes[2], NewMboxTemplate());
}

TEST_F(MboxListTest, DeleteInTheMiddleKeepsReferencesToEarlierAndLaterMailboxes) {
    SetMailboxes({{"100", 3}, {"200", 0}, {"300", 1}, {"400", 2}});
    CMboxList list(*doc);
    RouteKey(list, 1, 1, 3); // 100
    RouteKey(list, 1, 2, 1); // 300
    RouteKey(list, 1, 3, 2); // 400
    ASSERT_EQ(list.Delete(1), "");
    EXPECT_EQ(list.pages[1][1].target[0], SlotOf(list, "100"));
    EXPECT_EQ(list.pages[1][2].target[0], SlotOf(list, "300"));
    EXPECT_EQ(list.pages[1][3].target[0], SlotOf(list, "400"));
    EXPECT_EQ(list.currentRow, 0);
}

TEST_F(MboxListTest, DeleteIsRefusedWhileAKeyOrTheProtocolUsesTheMailbox) {
    SetMailboxes({{"100", 0}, {"101", 1}});
    doc->operatorKey = 5;
    CMboxList list(*doc);
    const CMboxList before = list;

    RouteKey(list, 28, 2, 1); // index 28 is page 32
    EXPECT_EQ(list.Delete(1), "La Casella \xE8 in uso nella Pagina 32 e non si pu\xF2 cancellare");
    list.pages[28][2] = PageEntry{};
    RouteKey(list, 35, 10, 1); // the time-out row counts too; index 35 is page 43
    EXPECT_EQ(list.Delete(1), "La Casella \xE8 in uso nella Pagina 43 e non si pu\xF2 cancellare");
    list.pages[35][10] = PageEntry{};
    RouteInBand(list, 33, 1);
    EXPECT_EQ(list.Delete(1), texts::kMboxUsedByProtocol);
    list.inBand[33] = InBandEntry{};

    EXPECT_EQ(Numbers(list), Numbers(before));
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(MboxListTest, TheOperatorKeysRowNeitherBlocksADeleteNorIsRewritten) {
    SetMailboxes({{"100", 0}, {"101", 1}, {"102", 2}});
    doc->operatorKey = 4;
    CMboxList list(*doc);
    RouteKey(list, 0, 4, 0); // to 100, on the operator key
    RouteKey(list, 1, 4, 2); // to 102, on the operator key
    RouteKey(list, 1, 5, 2); // to 102
    ASSERT_EQ(list.Delete(0), "");
    EXPECT_EQ(Numbers(list), "101/0 102/1");
    EXPECT_EQ(list.pages[0][4].target[0], 0);
    EXPECT_EQ(list.pages[1][4].target[0], 2);
    EXPECT_EQ(list.pages[1][5].target[0], 1);
}

TEST_F(MboxListTest, DeleteRepairsUnassignedSlotsBeforeHandingThemOn) {
    // A file may hold mailboxes without a slot; none of their places may hand
    // 255 on, and a reference to 255 never turns into one to a mailbox.
    SetMailboxes({{"100", 255}, {"101", 0}, {"102", 255}});
    CMboxList list(*doc);
    RouteKey(list, 2, 1, 0);   // to 101
    RouteKey(list, 2, 2, 255); // to nothing
    ASSERT_EQ(list.Delete(0), "");
    EXPECT_EQ(list.pages[2][1].target[0], SlotOf(list, "101"));
    EXPECT_EQ(list.pages[2][2].target[0], 255);
    EXPECT_NE(SlotOf(list, "101"), SlotOf(list, "102"));
    EXPECT_LT(SlotOf(list, "102"), 128);
}

TEST_F(MboxListTest, SlotRepairAfterDuplicates) {
    doc->SetProductType(2); // 9 slots
    SetMailboxes({{"100", 1}, {"101", 1}, {"102", 8}, {"103", 200}, {"104", 0}, {"105", 1}});
    CMboxList list(*doc);
    list.AssignSlots();
    // The first holder keeps its slot, the repeats and the slot beyond S-1
    // take the lowest free ones, in list order.
    EXPECT_EQ(Numbers(list), "100/1 101/2 102/8 103/3 104/0 105/4");

    // S-1 is a valid slot to keep; new slots come from the bottom.
    SetMailboxes({{"100", 8}, {"101", 255}});
    CMboxList kept(*doc);
    kept.AssignSlots();
    EXPECT_EQ(Numbers(kept), "100/8 101/0");
}

TEST_F(MboxListTest, AddRulesAndLimits) {
    doc->SetProductType(3); // "RZ 2 Mbx"
    SetMailboxes({{"100", 0}});
    CMboxList list(*doc);
    EXPECT_EQ(list.CheckCanAdd(), "");
    EXPECT_EQ(list.Add(Mbox("100")), texts::kMboxExists);
    EXPECT_EQ(list.Add(Mbox("099")), texts::kInvalidMboxNumber);

    // An added mailbox gets a free slot and blank hidden fields, whatever the
    // record carried.
    MboxRecord r = Mbox("109");
    r.slot = 7;
    r.aux1 = 3;
    r.aux3 = 9;
    ASSERT_EQ(list.Add(r), "");
    EXPECT_EQ(Numbers(list), "100/0 109/1");
    EXPECT_EQ(list.Record(1).aux1, 0);
    EXPECT_EQ(list.Record(1).aux3, -1);
    EXPECT_EQ(list.currentRow, 1);

    // Full "RZ 2 Mbx": refused before any editor opens, copy refused as well.
    EXPECT_EQ(list.CheckCanAdd(), "Non si possono definire pi\xF9 di 2 Caselle Vocali");
    EXPECT_EQ(list.Add(Mbox("200")), list.CheckCanAdd());
    EXPECT_EQ(list.Copy(0), list.CheckCanAdd());
    EXPECT_EQ(list.Count(), 2);

    EXPECT_EQ(MboxLimitMessage(9), "Non si possono definire pi\xF9 di 8 Caselle Vocali");
    EXPECT_EQ(MboxLimitMessage(49), "Non si possono definire pi\xF9 di 48 Caselle Vocali");
    EXPECT_EQ(MboxLimitMessage(129), "Non si possono definire piu' di 128 Caselle Vocali");
}

TEST_F(MboxListTest, AddOutOfOrderIsSortedAndTheLastRowIsSelected) {
    SetMailboxes({{"300", 0}, {"100", 1}});
    CMboxList list(*doc);
    EXPECT_EQ(Numbers(list), "100/1 300/0"); // sorted on opening, slots move along
    ASSERT_EQ(list.Add(Mbox("200")), "");
    EXPECT_EQ(Numbers(list), "100/1 200/2 300/0");
    EXPECT_EQ(list.currentRow, 2);
}

TEST_F(MboxListTest, CopyTakesTheNextNumberAfterTheLargest) {
    SetMailboxes({{"100", 0}, {"998", 1}, {"999", 2}});
    CMboxList list(*doc);
    EXPECT_EQ(list.Copy(0), texts::kInvalidMboxNumber);
    EXPECT_EQ(list.Count(), 3);

    // The copy takes the kind of mailbox, not its numbers or password.
    SetMailboxes({{"100", 0}, {"150", 1}});
    MboxRecord& from = doc->mailboxes[0];
    from.type = from.dnd = from.allowed = from.phoneEnabled = 1;
    from.language = 2;
    from.localNotify = 3;
    from.phone = "123";
    from.password = "4444";
    CMboxList other(*doc);
    ASSERT_EQ(other.Copy(0), "");
    MboxRecord expected = NewMboxTemplate();
    expected.number = "151";
    expected.type = expected.dnd = expected.allowed = 1;
    expected.language = 2;
    expected.localNotify = 3;
    expected.slot = 2;
    EXPECT_EQ(other.Record(2), expected);
    EXPECT_EQ(other.Copy(-1), ""); // nothing selected: nothing happens
    EXPECT_EQ(other.Count(), 3);
}

TEST_F(MboxListTest, ChangeKeepsNumberSlotAndHiddenFields) {
    SetMailboxes({{"100", 4}});
    doc->mailboxes[0].aux2 = 77;
    CMboxList list(*doc);
    MboxRecord edited = Mbox("555");
    edited.language = 1;
    list.Change(0, edited);
    MboxRecord expected = doc->mailboxes[0];
    expected.language = 1;
    EXPECT_EQ(list.Record(0), expected);
}

TEST_F(MboxListTest, CancelLeavesTheDocumentUntouchedAndOkWritesBack) {
    SetMailboxes({{"100", 0}, {"101", 1}, {"102", 2}});
    doc->pages[3][6] = PageEntry{kPageOpToMailbox, {2, 0, 0, 0}, 0};
    doc->inBand[12] = InBandEntry{kInBandOpToMailbox, {}, 0, {1, 0, 0, 0}, 1};
    doc->supervisorMbox = "102";
    const auto before = std::make_unique<CQelDoc>(*doc);

    CMboxList list(*doc);
    ASSERT_EQ(list.Delete(0), "");
    ASSERT_EQ(list.Add(Mbox("300")), "");
    ASSERT_EQ(list.Copy(0), "");
    list.SelectSupervisor(1);
    ASSERT_FALSE(list.Leave());
    // Cancel: the working copy is dropped.
    EXPECT_EQ(doc->mboxCount, before->mboxCount);
    EXPECT_EQ(doc->mailboxes, before->mailboxes);
    EXPECT_EQ(doc->pages, before->pages);
    EXPECT_EQ(doc->inBand, before->inBand);
    EXPECT_EQ(doc->supervisorMbox, before->supervisorMbox);

    // OK: everything comes back, and only the target bytes of the tables change.
    list.ApplyTo(*doc);
    EXPECT_EQ(doc->mboxCount, 4);
    EXPECT_EQ(doc->supervisorMbox, "101");
    EXPECT_EQ(doc->pages[3][6].target[0], SlotOf(list, "102"));
    EXPECT_EQ(doc->inBand[12].target[0], SlotOf(list, "101"));
    EXPECT_EQ(doc->inBand[12].operation, kInBandOpToMailbox);
}

TEST_F(MboxListTest, SupervisorFollowsTheListAndFallsBackToNone) {
    SetMailboxes({{"100", 0}, {"101", 1}});
    doc->supervisorMbox = "101";
    CMboxList list(*doc);
    EXPECT_EQ(list.SupervisorChoices(), (std::vector<std::string>{"Nessuna", "100", "101"}));
    EXPECT_EQ(list.SupervisorIndex(), 2);
    ASSERT_EQ(list.Delete(1), "");
    EXPECT_EQ(list.SupervisorIndex(), 0);
    ASSERT_FALSE(list.Leave());
    EXPECT_EQ(list.supervisorMbox, "Nessuna");

    // A stored text that names no mailbox shows as "Nessuna" and stays as
    // it was while that choice stands.
    doc->supervisorMbox = "None";
    CMboxList stored(*doc);
    stored.SelectSupervisor(0);
    EXPECT_EQ(stored.supervisorMbox, "None");
    stored.SelectSupervisor(1);
    EXPECT_EQ(stored.supervisorMbox, "100");
}

TEST_F(MboxListTest, LeavingTestsEveryNumberAgainstTheDigitCount) {
    SetMailboxes({{"100", 0}, {"101", 0}, {"1020", 1}});
    CMboxList list(*doc);
    auto failed = list.Leave();
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->field, 2);
    EXPECT_EQ(failed->message, texts::kInvalidMboxNumber);
    EXPECT_EQ(list.Record(1).slot, 0); // slots are assigned only once the numbers pass
    list.LeaveWithoutNumberCheck();
    EXPECT_EQ(list.Record(1).slot, 2);
}

TEST_F(MboxListTest, RangeCheckNamesTheFieldToFix) {
    const auto check = [](const char* from, const char* to, int s = 129) {
        auto failed = CheckMboxRange(from, to, 3, s);
        if (!failed) return std::string("ok");
        return std::string(failed->field == RangeField::From ? "Da: " : "A: ") + failed->message;
    };
    EXPECT_EQ(check("", ""), "ok");
    EXPECT_EQ(check("10", "200"), "Da: Errore inserimento");
    EXPECT_EQ(check("100", ""), "A: Errore inserimento");
    EXPECT_EQ(check("300", "200"), "Da: Errore inserimento");
    EXPECT_EQ(check("100", "227"), "ok"); // 128 mailboxes
    EXPECT_EQ(check("100", "228"), "A: Errore inserimento");
    EXPECT_EQ(check("100", "102", 3), "A: Errore inserimento");
    EXPECT_EQ(check("100", "101", 3), "ok");
    EXPECT_EQ(check("012", "120"), "Da: Numero Casella inserito non valido");
    EXPECT_EQ(check("1a2", "1b2"), "Da: Numero Casella inserito non valido");
}

TEST_F(MboxListTest, CreateRangeIsAllOrNothing) {
    doc->SetProductType(2); // 8 mailboxes at most
    SetMailboxes({{"105", 0}});
    CMboxList list(*doc);
    auto failed = list.CreateRange("103", "106", 1);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->message, texts::kMboxExists);
    failed = list.CreateRange("110", "117", 1);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->message, "Non si possono definire pi\xF9 di 8 Caselle Vocali");
    EXPECT_EQ(list.Count(), 1);

    ASSERT_FALSE(list.CreateRange("100", "102", 1));
    EXPECT_EQ(Numbers(list), "100/1 101/2 102/3 105/0");
    EXPECT_EQ(list.Record(0).localNotify, 1);
    EXPECT_EQ(list.Record(0).password, kDefaultMboxPassword);
    EXPECT_EQ(list.currentRow, 3);
}

TEST_F(MboxListTest, PasswordCellHidesAnyPasswordButTheDefault) {
    MboxRecord r = NewMboxTemplate();
    EXPECT_EQ(MboxCellText(r, 3), "6071");
    r.password = "1234";
    EXPECT_EQ(MboxCellText(r, 3), "****");
}

TEST_F(MboxListTest, CellsNameTheCodedValues) {
    MboxRecord r = NewMboxTemplate();
    r.type = 1;
    r.localNotify = 3;
    r.language = 1;
    r.dnd = 1;
    r.timeStamp = 0;
    EXPECT_EQ(MboxCellText(r, 1), "Virt.");
    EXPECT_EQ(MboxCellText(r, 4), "Squilli Avviso");
    EXPECT_EQ(MboxCellText(r, 10), "Si");
    EXPECT_EQ(MboxCellText(r, 11), "No");
    EXPECT_EQ(MboxCellText(r, 12), "Secondo");
    r.type = 0;
    r.localNotify = 9; // a stray stored value shows nothing rather than reading past the list
    r.language = -1;
    EXPECT_EQ(MboxCellText(r, 1), "Reale");
    EXPECT_EQ(MboxCellText(r, 4), "");
    EXPECT_EQ(MboxCellText(r, 12), "");
}

} // namespace
} // namespace kiv::editors
