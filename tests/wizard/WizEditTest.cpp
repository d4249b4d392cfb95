// The wizard's shared tables without widgets: a mailbox deletion in step 3
// rewrites what steps 5 to 7 take, Back puts a step's table back, and Finish
// writes events 0-19 in full but of events 20-39 only the target bytes.
#include "wizard/WizEdit.h"

#include "document/PageOps.h"
#include "document/QelDoc.h"
#include "editors/MboxList.h"

#include <gtest/gtest.h>

#include <memory>

namespace kiv::wizard {
namespace {

using editors::CMboxList;

InBandEntry ToMailbox(std::uint8_t slot, char codeChar) {
    InBandEntry e;
    e.operation = kInBandOpToMailbox;
    e.code = {'*', '5', static_cast<std::uint8_t>(codeChar)};
    e.codeLength = 3;
    e.target = {slot, 0, 0, 0};
    e.targetLength = 1;
    return e;
}

struct WizEditTest : ::testing::Test {
    void SetUp() override {
        doc->SetProductType(2); // 9 slots
        doc->extDigits = 2;
        doc->operatorKey = 0;
        doc->mboxCount = 0;
        // 10 in slot 0, 15 in slot 2, 20 in slot 1.
        for (auto [number, slot] : {std::pair{"10", 0}, {"15", 2}, {"20", 1}}) {
            MboxRecord r = editors::NewMboxTemplate();
            r.number = number;
            r.slot = static_cast<std::uint8_t>(slot);
            doc->mailboxes[static_cast<std::size_t>(doc->mboxCount++)] = r;
        }
        // References to 20 (slot 1) and 15 (slot 2).
        doc->pages[4][3] = PageEntry{kPageOpToMailbox, {1, 0, 0, 0}, 1};
        doc->inBand[7] = ToMailbox(1, '7');
        doc->inBand[25] = ToMailbox(2, '2');
        doc->inBand[38] = ToMailbox(1, '8');
    }

    std::unique_ptr<CQelDoc> doc = std::make_unique<CQelDoc>();
};

TEST(WizStepTitle, CountsEightStepsAndNamesTheSection) {
    EXPECT_EQ(WizStepTitle(1), "Wizard (Pag. 1 di 8) - Parametri PBX");
    EXPECT_EQ(WizStepTitle(2), "Wizard (Pag. 2 di 8) - Parametri PBX");
    EXPECT_EQ(WizStepTitle(3), "Wizard (Pag. 3 di 8) - Lista Caselle");
    EXPECT_EQ(WizStepTitle(4), "Wizard (Pag. 4 di 8) - Parametri Notifica");
    EXPECT_EQ(WizStepTitle(5), "Wizard (Pag. 5 di 8) - Protocollo In-Band DTMF (Pagina 1)");
    EXPECT_EQ(WizStepTitle(6), "Wizard (Pag. 6 di 8) - Protocollo In-Band DTMF (Pagina 2)");
    EXPECT_EQ(WizStepTitle(7), "Wizard (Pag. 7 di 8) - Gestione Pagine");
    EXPECT_EQ(WizStepTitle(8), "Wizard (Pag. 8 di 8)");
}

TEST_F(WizEditTest, ADeleteInTheMailboxStepRewritesWhatTheLaterStepsTake) {
    auto wiz = std::make_unique<CWizEdit>(*doc);
    CMboxList list(*doc, wiz->tables);
    ASSERT_EQ(list.Delete(0), ""); // 10 goes: 15 takes slot 0, 20 slot 2
    ASSERT_EQ(list.Record(0).number, "15");
    ASSERT_EQ(list.Record(0).slot, 0);
    ASSERT_EQ(list.Record(1).slot, 2);

    WizStepInput input{2, 0, {list.Record(0), list.Record(1)}};
    wiz->EnterProtocolStep(0, input);
    EXPECT_EQ(wiz->protocol[0].events[7].target[0], 2) << "event 7 still names 20";
    wiz->EnterPageStep(input);
    EXPECT_EQ(wiz->pages.pages[4][3].target[0], 2) << "page 04 key 3 still names 20";

    // Finish: the list writes its part, then the steps theirs.
    ASSERT_FALSE(wiz->LeaveProtocolStep(0));
    ASSERT_FALSE(wiz->LeavePageStep());
    const auto before = doc->inBand;
    list.ApplyTo(*doc);
    wiz->ApplyTo(*doc);
    EXPECT_EQ(doc->inBand[7], ToMailbox(2, '7'));
    EXPECT_EQ(doc->inBand[25], ToMailbox(0, '2')) << "15's new slot";
    EXPECT_EQ(doc->inBand[38], ToMailbox(2, '8'));
    for (std::size_t e = 20; e < 40; ++e) {
        if (e != 25 && e != 38) {
            EXPECT_EQ(doc->inBand[e], before[e]) << e;
        }
    }
    EXPECT_EQ(doc->pages[4][3], (PageEntry{kPageOpToMailbox, {2, 0, 0, 0}, 1}));
}

TEST_F(WizEditTest, FinishWritesOfEvents20To39OnlyTheTargetBytes) {
    auto wiz = std::make_unique<CWizEdit>(*doc);
    CMboxList list(*doc, wiz->tables);
    // Whatever else the shared table holds for events 20-39 stays out of the
    // document: only their mailbox targets are the wizard's to change.
    wiz->tables->inBand[25].code[0] = 0x99;
    wiz->tables->inBand[30].operation = 4;
    list.ApplyTo(*doc);
    wiz->ApplyTo(*doc);
    EXPECT_EQ(doc->inBand[25], ToMailbox(2, '2'));
    EXPECT_EQ(doc->inBand[30], InBandEntry{});
}

TEST_F(WizEditTest, BackPutsTheStepsTablesBackAndNextHandsThemOn) {
    auto wiz = std::make_unique<CWizEdit>(*doc);
    const WizStepInput input{2, 0, {doc->mailboxes[0], doc->mailboxes[1], doc->mailboxes[2]}};
    const auto pagesBefore = wiz->tables->pages;
    const auto inBandBefore = wiz->tables->inBand;

    wiz->EnterProtocolStep(1, input);
    constexpr int kNames = 11; // "Elenco Nomi": no destination
    wiz->protocol[1].SetCode(2, "*1"); // event 12
    wiz->protocol[1].ChooseOp(2, kNames);
    ASSERT_FALSE(wiz->LeaveProtocolStep(1));
    EXPECT_EQ(wiz->tables->inBand[12].operation, kNames);
    // Entered again and left by Back: the step's entry state comes back.
    wiz->EnterProtocolStep(1, input);
    wiz->protocol[1].SetCode(3, "*2");
    wiz->protocol[1].ChooseOp(3, kNames);
    wiz->BackProtocolStep(1);
    EXPECT_EQ(wiz->tables->inBand[13], inBandBefore[13]);
    EXPECT_EQ(wiz->tables->inBand[12].operation, kNames);

    wiz->EnterPageStep(input);
    wiz->pages.pages[6][2] = PageEntry{kPageOpToMailbox, {2, 0, 0, 0}, 1};
    wiz->BackPageStep();
    EXPECT_EQ(wiz->tables->pages, pagesBefore);
    EXPECT_EQ(wiz->pages.pages, pagesBefore);
}

TEST(MboxListTables, ACopyOwnsItsTablesAListOverSharedTablesWritesIntoThem) {
    auto doc = std::make_unique<CQelDoc>();
    auto shared = std::make_shared<editors::MboxRefTables>();
    CMboxList over(*doc, shared);
    over.inBand[3].target[0] = 7;
    EXPECT_EQ(shared->inBand[3].target[0], 7);
    CMboxList copy = over;
    copy.inBand[3].target[0] = 8;
    EXPECT_EQ(shared->inBand[3].target[0], 7) << "the copy's tables are its own";
    over = copy;
    EXPECT_EQ(shared->inBand[3].target[0], 8) << "assignment keeps the shared tables";
}

} // namespace
} // namespace kiv::wizard
