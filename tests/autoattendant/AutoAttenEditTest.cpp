#include "autoattendant/AutoAttenEdit.h"

#include "document/QelDoc.h"

#include <gtest/gtest.h>

#include <memory>

namespace kiv::autoatt {
namespace {

PageEntry Entry(int op, std::array<std::uint8_t, 4> target, int info) {
    PageEntry e;
    e.op = op;
    e.target = target;
    e.targetInfo = static_cast<std::uint8_t>(info);
    return e;
}

// A configuration with mailboxes 200 (slot 4) and 201 (slot 5), operator key 9.
std::unique_ptr<CQelDoc> Doc() {
    auto doc = std::make_unique<CQelDoc>();
    doc->operatorKey = 9;
    doc->extDigits = 3;
    doc->mailboxes[0].number = "200";
    doc->mailboxes[0].slot = 4;
    doc->mailboxes[1].number = "201";
    doc->mailboxes[1].slot = 5;
    doc->mboxCount = 2;
    doc->pageText[0] = "Benvenuti";
    doc->pageTimeout.fill(5);
    return doc;
}

const PageFieldRef kPageNumberField{PageFieldRef::PageNumber, -1, true, true};

TEST(AutoAttenEdit, OperatorRowIsNeitherShownNorWritten) {
    auto doc = Doc();
    const PageEntry held = Entry(kPageOpToMailbox, {1, 2, 3, 4}, 1);
    doc->pages[0][9] = held;
    doc->pages[22][9] = held;
    CAutoAttenEdit edit(*doc);
    EXPECT_TRUE(edit.rows[9].isOperator);
    EXPECT_FALSE(edit.rows[9].destinationEnabled);
    EXPECT_EQ(edit.RowLabels(9), std::vector<std::string>{"Operatore"});
    edit.ChooseOp(9, kPageOpDisconnect);
    EXPECT_FALSE(edit.SavePage());
    EXPECT_FALSE(edit.OnPageNumberChanged("22"));
    EXPECT_TRUE(edit.rows[9].isOperator);
    EXPECT_FALSE(edit.LeaveCheck());
    EXPECT_EQ(edit.pages[0][9], held);
    EXPECT_EQ(edit.pages[22][9], held);
}

TEST(AutoAttenEdit, LoadingAPageFillsTheForm) {
    auto doc = Doc();
    doc->pages[0][1] = Entry(kPageOpToMailbox, {5, 0, 0, 0}, 1);
    doc->pages[0][2] = Entry(kPageOpGoToPageFirstLanguage, {27, 0, 0, 0}, 2);
    doc->pageTimeout[0] = 7;
    CAutoAttenEdit edit(*doc);
    EXPECT_EQ(edit.pageNumberText, "00");
    EXPECT_EQ(edit.description, "Benvenuti");
    EXPECT_EQ(edit.timeoutText, "7");
    EXPECT_EQ(edit.rows[1].chosen, kPageOpToMailbox);
    EXPECT_EQ(edit.rows[1].destination, "201");
    EXPECT_EQ(edit.rows[2].destination, "31");
    EXPECT_TRUE(edit.rows[2].destinationEnabled);
    EXPECT_FALSE(edit.rows[0].destinationEnabled);
    EXPECT_EQ(edit.RowLabels(10).size(), 9u);
    EXPECT_EQ(edit.RowLabels(10).back(), "Compone una Stringa");
    ASSERT_FALSE(edit.OnPageNumberChanged("32"));
    EXPECT_EQ(edit.CurrentPage(), 28);
    EXPECT_EQ(edit.description, "Occupato senza Casella - Seconda Lingua");
}

TEST(AutoAttenEdit, DisallowedOperationShowsNotUsedAndIsClearedOnSave) {
    auto doc = Doc();
    doc->pages[22][0] = Entry(kPageOpLeaveMessage, {5, 6, 7, 8}, 1);
    CAutoAttenEdit edit(*doc);
    ASSERT_FALSE(edit.OnPageNumberChanged("22"));
    EXPECT_EQ(edit.rows[0].chosen, kPageOpNotUsed);
    EXPECT_EQ(edit.rows[0].destination, "");
    EXPECT_EQ(edit.pages[22][0], doc->pages[22][0]) << "unchanged until the page is saved";
    ASSERT_FALSE(edit.SavePage());
    EXPECT_EQ(edit.pages[22][0], Entry(kPageOpNotUsed, {0, 6, 7, 8}, 0));
}

TEST(AutoAttenEdit, ChosenOperationClearsTheEntryAndCode15KeepsItsBytes) {
    auto doc = Doc();
    doc->pages[0][4] = Entry(kPageOpDisconnectAfterMessage, {1, 2, 3, 4}, 2);
    doc->pages[0][5] = Entry(kPageOpToExtension, {'2', '1', 9, 9}, 2);
    CAutoAttenEdit edit(*doc);
    ASSERT_FALSE(edit.SavePage());
    EXPECT_EQ(edit.pages[0][4], doc->pages[0][4]);
    edit.ChooseOp(5, kPageOpDisconnectAfterMessage);
    EXPECT_EQ(edit.pages[0][5], Entry(kPageOpDisconnectAfterMessage, {0, 0, 0, 0}, 0));
    EXPECT_FALSE(edit.rows[5].destinationEnabled);
    edit.ChooseOp(6, kPageOpGoToPage);
    EXPECT_EQ(edit.rows[6].destination, "00");
    edit.ChooseOp(7, kPageOpToMailbox);
    EXPECT_EQ(edit.rows[7].destination, "0");
    edit.ChooseOp(7, kPageOpRetryOnBusy) /* not offered on page 00 */;
    EXPECT_EQ(edit.rows[7].chosen, kPageOpToMailbox);
}

TEST(AutoAttenEdit, PageNumberField) {
    CAutoAttenEdit edit(*Doc());
    auto refused = edit.OnPageNumberChanged("27");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, kPageNumberField);
    EXPECT_EQ(refused->message, "Errore inserimento");
    EXPECT_EQ(edit.description, "");
    EXPECT_FALSE(edit.PageNumberValid());
    EXPECT_EQ(edit.CurrentPage(), 0);
    EXPECT_FALSE(edit.OnPageNumberChanged("4"));
    EXPECT_EQ(edit.CurrentPage(), 0) << "one character does not switch";
    EXPECT_FALSE(edit.OnPageNumberLeft());
    EXPECT_EQ(edit.CurrentPage(), 4);
    EXPECT_EQ(edit.pageNumberText, "04");
    edit.pageNumberText.clear();
    EXPECT_FALSE(edit.OnPageNumberLeft());
    EXPECT_EQ(edit.CurrentPage(), 0);
    EXPECT_EQ(edit.pageNumberText, "00");
}

TEST(AutoAttenEdit, PreviousAndNext) {
    CAutoAttenEdit edit(*Doc());
    ASSERT_FALSE(edit.OnPageNumberChanged("26"));
    ASSERT_FALSE(edit.Next());
    EXPECT_EQ(edit.pageNumberText, "31");
    EXPECT_EQ(edit.CurrentPage(), 27);
    ASSERT_FALSE(edit.OnPageNumberChanged("41"));
    ASSERT_FALSE(edit.Previous());
    EXPECT_EQ(edit.pageNumberText, "36");
    ASSERT_FALSE(edit.OnPageNumberChanged("46"));
    ASSERT_FALSE(edit.Next());
    EXPECT_EQ(edit.CurrentPage(), 38);
    ASSERT_FALSE(edit.OnPageNumberChanged("00"));
    edit.SetTimeoutText("10");
    EXPECT_FALSE(edit.Previous()) << "nothing before 00, not even a save";
    EXPECT_EQ(edit.pageNumberText, "00");
    EXPECT_TRUE(edit.Next()) << "the page is saved first";
    EXPECT_EQ(edit.CurrentPage(), 0);
    // An unknown number counts as the page beyond the gap.
    edit.SetTimeoutText("1");
    edit.OnPageNumberChanged("28");
    ASSERT_FALSE(edit.Next());
    EXPECT_EQ(edit.pageNumberText, "32");
}

TEST(AutoAttenEdit, RefusedSaveKeepsThePage) {
    auto doc = Doc();
    CAutoAttenEdit edit(*doc);
    edit.ChooseOp(0, kPageOpDisconnect);
    edit.ChooseOp(1, kPageOpGoToPage);
    edit.SetDestination(1, "30");
    edit.ChooseOp(10, kPageOpDialString);
    edit.SetDestination(10, "20");
    auto refused = edit.OnPageNumberChanged("05");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, (PageFieldRef{PageFieldRef::Destination, 1, true, true}));
    EXPECT_EQ(edit.pageNumberText, "00");
    EXPECT_EQ(edit.CurrentPage(), 0);
    EXPECT_EQ(edit.pages[0][0].op, kPageOpDisconnect);
    edit.SetDestination(1, "31");
    refused = edit.Next();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, (PageFieldRef{PageFieldRef::Destination, 10, true, false}))
        << "the time-out row's destination is not focused";
    EXPECT_EQ(edit.pages[0][1], Entry(kPageOpGoToPage, {27, 0, 0, 0}, 1));
    edit.SetDestination(10, "7");
    ASSERT_FALSE(edit.Next());
    EXPECT_EQ(edit.CurrentPage(), 1);
    EXPECT_EQ(edit.pages[0][10], Entry(kPageOpDialString, {7, 0, 0, 0}, 1));
}

TEST(AutoAttenEdit, TimeoutField) {
    auto doc = Doc();
    CAutoAttenEdit edit(*doc);
    for (const char* bad : {"10", "", "-1", "x"}) {
        edit.SetTimeoutText(bad);
        auto refused = edit.SavePage();
        ASSERT_TRUE(refused) << bad;
        EXPECT_EQ(refused->field.kind, PageFieldRef::Timeout);
        ASSERT_TRUE(edit.LeaveCheck()) << bad;
        EXPECT_EQ(edit.LeaveCheck()->field.kind, PageFieldRef::Timeout);
    }
    edit.SetTimeoutText("9");
    ASSERT_FALSE(edit.LeaveCheck());
    edit.ApplyTo(*doc);
    EXPECT_EQ(doc->pageTimeout[0], 9);
    EXPECT_EQ(doc->pageTimeout[1], 5);
}

TEST(AutoAttenEdit, LeaveCheck) {
    auto doc = Doc();
    CAutoAttenEdit edit(*doc);
    edit.pageNumberText = "5";
    auto refused = edit.LeaveCheck();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, kPageNumberField);
    edit.pageNumberText = "30";
    refused = edit.LeaveCheck();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, (PageFieldRef{PageFieldRef::PageNumber, -1, false, true}))
        << "an unknown page number is refused without the icon";
    EXPECT_EQ(edit.description, "");
    edit.pageNumberText = "00";
    edit.ChooseOp(3, kPageOpToMailbox);
    edit.SetDestination(3, "201");
    ASSERT_FALSE(edit.LeaveCheck());
    edit.ApplyTo(*doc);
    EXPECT_EQ(doc->pages[0][3], Entry(kPageOpToMailbox, {5, 0, 0, 0}, 1));
}

TEST(AutoAttenEdit, MailboxThatIsGoneMustBeRetyped) {
    auto doc = Doc();
    doc->pages[0][2] = Entry(kPageOpToMailbox, {7, 0, 0, 0}, 1);
    CAutoAttenEdit edit(*doc);
    EXPECT_EQ(edit.rows[2].destination, "0");
    auto refused = edit.SavePage();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field.row, 2);
}

TEST(AutoAttenEdit, WizardTwin) {
    auto doc = Doc();
    CAutoAttenEdit edit(*doc);
    MboxRecord box;
    box.number = "3001";
    box.slot = 2;
    edit.EnterWizardStep(4, 0, {box});
    EXPECT_TRUE(edit.rows[0].isOperator);
    EXPECT_FALSE(edit.rows[9].isOperator);
    edit.ChooseOp(1, kPageOpToMailbox);
    edit.SetDestination(1, "3001");
    ASSERT_FALSE(edit.Next());
    EXPECT_EQ(edit.pages[0][1], Entry(kPageOpToMailbox, {2, 0, 0, 0}, 1));
    edit.pageNumberText = "27";
    auto refused = edit.Previous();
    ASSERT_TRUE(refused) << "the wizard refuses instead of counting 27 as 26";
    EXPECT_EQ(refused->field, kPageNumberField);
    EXPECT_EQ(edit.description, "");
    edit.pageNumberText = "01";
    edit.WizardBack();
    EXPECT_EQ(edit.pages[0][1], PageEntry{}) << "the step's edits are dropped";
}

} // namespace
} // namespace kiv::autoatt
