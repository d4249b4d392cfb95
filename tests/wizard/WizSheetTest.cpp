// The integration wizard driven offscreen: the steps' titles and buttons,
// the digit count of step 1 reaching the page step, Back dropping a step's
// edits, Cancel and Finish, the wizard's own rules (no-answer wait, "Crea
// &Intervallo"). With KIV_SCREENSHOT_DIR set, steps 1 to 5 and 7 are also
// saved there as PNG pictures.
#include "editors/EditorGuiSupport.h"

#include "app/QtText.h"
#include "autoattendant/ui/AutoAttenPage.h"
#include "document/PageOps.h"
#include "document/QelFile.h"
#include "editors/SuperEdit.h"
#include "editors/ui/PBXParameterSheet.h"
#include "editors/ui/SpinEdit.h"
#include "wizard/ui/WizListMboxPage.h"
#include "wizard/ui/WizPages.h"
#include "wizard/ui/WizSheet.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace kiv::test {
namespace {

QString Latin(const char* cp1252) {
    return ToQString(cp1252);
}

void Next(CWizSheet& sheet) {
    sheet.NextButton()->click();
}

void Back(CWizSheet& sheet) {
    sheet.BackButton()->click();
}

void Type(QLineEdit* field, const char* text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Picks an operation in a row of the page step as the user does.
void ChooseOp(CAutoAttenPage& page, int row, int op) {
    QComboBox* list = page.Operation(row);
    const int index = list->findText(Latin(kPageOpLabels[static_cast<std::size_t>(op)]));
    ASSERT_GE(index, 0) << op;
    list->setCurrentIndex(index);
    emit list->activated(index);
}

std::vector<std::string> Numbers(const CWizListMboxPage& page) {
    std::vector<std::string> out;
    for (int i = 0; i < page.Model().Count(); ++i)
        out.push_back(page.Model().Record(i).number);
    return out;
}

void Screenshot(QWidget& widget, const QString& name) {
    const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    EXPECT_TRUE(widget.grab().save(QDir(dir).filePath(name)));
}

class WizSheetTest : public ::testing::Test {
  protected:
    RecordingSink sink;
    CScriptedShell shell{sink};
};

TEST_F(WizSheetTest, TitlesButtonsAndTheDigitCountOfStep1ReachThePageStep) {
    auto doc = MakeDoc(1, {}, 3);
    CWizSheet sheet(*doc, shell, nullptr);
    ShowActive(sheet);
    EXPECT_EQ(sheet.windowTitle(), "Wizard (Pag. 1 di 8) - Parametri PBX");
    EXPECT_FALSE(sheet.BackButton()->isEnabled());
    EXPECT_TRUE(sheet.NextButton()->isEnabled());
    EXPECT_FALSE(sheet.FinishButton()->isEnabled());
    EXPECT_EQ(Find<QLineEdit>(sheet, "faxExt")->isVisible(), false);

    Find<CSpinEdit>(sheet, "extDigits")->SetText("4");
    Next(sheet);
    EXPECT_EQ(sheet.windowTitle(), "Wizard (Pag. 2 di 8) - Parametri PBX");
    EXPECT_TRUE(sheet.BackButton()->isEnabled());
    Next(sheet);
    EXPECT_EQ(sheet.windowTitle(), "Wizard (Pag. 3 di 8) - Lista Caselle");
    CWizListMboxPage* list = sheet.ListPage();
    Type(list->RangeFrom(), "1000");
    Type(list->RangeTo(), "1002");
    list->CreateRangeButton()->click();
    ASSERT_TRUE(sink.messages.empty()) << sink.messages[0].text;
    EXPECT_EQ(Numbers(*list), (std::vector<std::string>{"1000", "1001", "1002"}));
    Next(sheet);
    EXPECT_EQ(sheet.windowTitle(), "Wizard (Pag. 4 di 8) - Parametri Notifica");
    Next(sheet);
    EXPECT_EQ(sheet.windowTitle(), "Wizard (Pag. 5 di 8) - Protocollo In-Band DTMF (Pagina 1)");
    Next(sheet);
    EXPECT_EQ(sheet.windowTitle(), "Wizard (Pag. 6 di 8) - Protocollo In-Band DTMF (Pagina 2)");
    Next(sheet);
    EXPECT_EQ(sheet.windowTitle(), "Wizard (Pag. 7 di 8) - Gestione Pagine");
    EXPECT_TRUE(sheet.BackButton()->isEnabled());
    EXPECT_TRUE(sheet.NextButton()->isEnabled());
    EXPECT_FALSE(sheet.FinishButton()->isEnabled());

    // The page step asks for four-digit mailbox numbers now.
    CAutoAttenPage* page = sheet.AutoAttenPage();
    ChooseOp(*page, 2, kPageOpToMailbox);
    Type(page->Destination(2), "100");
    Next(sheet);
    EXPECT_EQ(sheet.ActiveStep(), 7);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), page->Destination(2));
    Type(page->Destination(2), "1001");
    Next(sheet);
    ASSERT_EQ(sheet.ActiveStep(), 8) << sink.messages.back().text;
    EXPECT_EQ(sheet.windowTitle(), "Wizard (Pag. 8 di 8)");
    EXPECT_TRUE(sheet.BackButton()->isEnabled());
    EXPECT_FALSE(sheet.NextButton()->isEnabled());
    EXPECT_TRUE(sheet.FinishButton()->isEnabled());
    EXPECT_EQ(Find<QLabel>(sheet, "wizFinishText")->text(),
              Latin("\n\n\nTutti i parametri dell'integrazione sono stati definiti nell'unit\xE0"
                    "\n\nSi pu\xF2 terminare il Wizard premendo il tasto Fine."));

    sheet.FinishButton()->click();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->extDigits, 4);
    EXPECT_EQ(doc->mboxCount, 3);
    EXPECT_EQ(doc->mailboxes[1].number, "1001");
    EXPECT_EQ(doc->pages[0][2],
              (PageEntry{kPageOpToMailbox, {doc->mailboxes[1].slot, 0, 0, 0}, 1}));
}

TEST_F(WizSheetTest, BackFromThePageStepDropsItsEditsAndNextShowsThePageAsBefore) {
    auto doc = MakeDoc(1, {"201", "202"});
    doc->pages[0][3] = PageEntry{1, {27, 0, 0, 0}, 1}; // key 3 goes to page 31
    doc->pageTimeout[0] = 4;
    CWizSheet sheet(*doc, shell, nullptr);
    ShowActive(sheet);
    for (int step = 1; step < 7; ++step)
        Next(sheet);
    ASSERT_EQ(sheet.ActiveStep(), 7);
    CAutoAttenPage* page = sheet.AutoAttenPage();
    const QString opBefore = page->Operation(2)->currentText();
    ChooseOp(*page, 2, kPageOpToMailbox);
    Type(page->Destination(2), "202");
    ChooseOp(*page, 3, 0);
    Type(page->TimeoutField()->findChild<QLineEdit*>(), "8");
    // To the next page and back: page 00 is stored with its new time-out.
    page->NextButton()->click();
    page->PreviousButton()->click();
    EXPECT_EQ(page->TimeoutField()->text(), "8");

    Back(sheet);
    EXPECT_EQ(sheet.ActiveStep(), 6);
    Next(sheet);
    ASSERT_EQ(sheet.ActiveStep(), 7);
    EXPECT_EQ(page->Operation(2)->currentText(), opBefore);
    EXPECT_TRUE(page->Destination(2)->text().isEmpty());
    EXPECT_EQ(page->Operation(3)->currentText(), Latin(kPageOpLabels[1]));
    EXPECT_EQ(page->Destination(3)->text(), "31");
    EXPECT_EQ(page->TimeoutField()->text(), "4") << "the time-out is restored as the keys are";
    EXPECT_TRUE(sink.messages.empty());

    // Finish writes the page table as it was.
    Next(sheet);
    sheet.FinishButton()->click();
    ASSERT_EQ(sheet.result(), QDialog::Accepted);
    const auto pagesBefore = doc->pages;
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->pages, pagesBefore);
    EXPECT_EQ(doc->pageTimeout[0], 4);
}

TEST_F(WizSheetTest, CancelOnTheLastStepLeavesTheDocumentAndItsMailboxes) {
    auto doc = MakeDoc(1, {"201", "202", "203"});
    doc->pages[1][4] = PageEntry{kPageOpToMailbox, {2, 0, 0, 0}, 1};
    const std::string before = StoreConfiguration(*doc);

    // "&Annulla" of the welcome dialog: no sheet.
    shell.handlers.push_back([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_FALSE(RunWizardCommand(*doc, shell, nullptr, nullptr));
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], "wizardWelcome");

    shell.handlers.push_back([](QDialog& welcome) {
        EXPECT_EQ(welcome.windowTitle(), "Wizard");
        return int(QDialog::Accepted);
    });
    shell.handlers.push_back([](QDialog& dialog) {
        auto& sheet = static_cast<CWizSheet&>(dialog);
        Find<CSpinEdit>(sheet, "noAnswerWait")->SetText("33");
        Next(sheet);
        Next(sheet);
        CWizListMboxPage* list = sheet.ListPage();
        list->SelectRow(0);
        Find<QPushButton>(*list, "mboxDelete")->click(); // 201: the others move
        Type(list->RangeFrom(), "301");
        Type(list->RangeTo(), "302");
        list->CreateRangeButton()->click();
        EXPECT_EQ(Numbers(*list), (std::vector<std::string>{"202", "203", "301", "302"}));
        for (int step = 3; step < 8; ++step)
            Next(sheet);
        EXPECT_EQ(sheet.ActiveStep(), 8);
        return PressCancel(sheet);
    });
    EXPECT_FALSE(RunWizardCommand(*doc, shell, nullptr, nullptr));
    EXPECT_EQ(shell.opened.size(), 3u);
    EXPECT_TRUE(shell.handlers.empty());
    EXPECT_TRUE(StoreConfiguration(*doc) == before) << "the stored configuration changed";
    EXPECT_FALSE(doc->modified);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(WizSheetTest, Events20To39KeepAllButTheTargetsThatADeleteRewrote) {
    auto doc = MakeDoc(1, {"201", "202", "203"});
    for (int e = 0; e < 40; ++e) {
        InBandEntry& entry = doc->inBand[static_cast<std::size_t>(e)];
        entry.operation = 11; // "Elenco Nomi": no destination
        // "*00" ... "*39": each event's code tells it apart.
        entry.code = {'*', static_cast<std::uint8_t>('0' + e / 10),
                      static_cast<std::uint8_t>('0' + e % 10)};
        entry.codeLength = 3;
    }
    // Event 30 routes to 203 (slot 2), event 8 to 202 (slot 1).
    doc->inBand[30] = InBandEntry{kInBandOpToMailbox, {'3', '0'}, 2, {2, 0, 0, 0}, 1};
    doc->inBand[8] = InBandEntry{kInBandOpToMailbox, {'0', '8'}, 2, {1, 0, 0, 0}, 1};
    const auto inBandBefore = doc->inBand;

    shell.handlers.push_back([](QDialog&) { return int(QDialog::Accepted); });
    shell.handlers.push_back([](QDialog& dialog) {
        auto& sheet = static_cast<CWizSheet&>(dialog);
        Next(sheet);
        Next(sheet);
        sheet.ListPage()->SelectRow(0);
        Find<QPushButton>(*sheet.ListPage(), "mboxDelete")->click(); // 201
        // No field of any step shows a code of events 20-39.
        const auto showsLaterEvents = [&sheet] {
            for (QLineEdit* field : sheet.findChildren<QLineEdit*>())
                if (field->isVisible() &&
                    (field->text().startsWith("*2") || field->text().startsWith("*3")))
                    return true;
            return false;
        };
        Next(sheet);
        Next(sheet);
        CWizProtPage* first = sheet.ProtPage(0);
        EXPECT_EQ(first->Code(0)->text(), "*00");
        EXPECT_EQ(first->Code(9)->text(), "*09");
        // Event 8 routes to 202, which took slot 0 from the deleted 201.
        EXPECT_EQ(first->Code(8)->text(), "08");
        EXPECT_EQ(first->Destination(8)->text(), "202");
        EXPECT_TRUE(first->isVisible());
        EXPECT_FALSE(showsLaterEvents());
        Next(sheet);
        CWizProtPage* second = sheet.ProtPage(1);
        EXPECT_EQ(second->Code(0)->text(), "*10");
        EXPECT_EQ(second->Code(9)->text(), "*19");
        EXPECT_FALSE(showsLaterEvents());
        Next(sheet);
        Next(sheet);
        EXPECT_EQ(sheet.ActiveStep(), 8);
        sheet.FinishButton()->click();
        return dialog.result();
    });
    ASSERT_TRUE(RunWizardCommand(*doc, shell, nullptr, nullptr));
    EXPECT_TRUE(doc->modified);
    ASSERT_EQ(doc->mboxCount, 2);
    // 202 took slot 0 and 203 slot 1: their references follow.
    ASSERT_EQ(doc->mailboxes[0].slot, 0);
    ASSERT_EQ(doc->mailboxes[1].slot, 1);
    for (std::size_t e = 0; e < 40; ++e) {
        InBandEntry expected = inBandBefore[e];
        if (e == 30) expected.target[0] = 1;
        if (e == 8) expected.target[0] = 0;
        EXPECT_EQ(doc->inBand[e], expected) << e;
    }
}

TEST_F(WizSheetTest, TheDigitCountIsLockedWhileTheMailboxStepsListHoldsMailboxes) {
    auto doc = MakeDoc(1, {"201"});
    CWizSheet sheet(*doc, shell, nullptr);
    ShowActive(sheet);
    auto* digits = Find<CSpinEdit>(sheet, "extDigits");
    EXPECT_TRUE(digits->isReadOnly());
    const auto arrowsDoNothing = [digits](const char* shown) {
        digits->setFocus();
        QTest::keyClick(digits, Qt::Key_Up);
        QTest::keyClick(digits, Qt::Key_Down);
        QTest::keyClick(digits, Qt::Key_Down);
        EXPECT_EQ(digits->text(), shown);
    };
    arrowsDoNothing("3");

    // The document's only mailbox deleted in step 3 frees the count.
    Next(sheet);
    Next(sheet);
    CWizListMboxPage* list = sheet.ListPage();
    list->SelectRow(0);
    Find<QPushButton>(*list, "mboxDelete")->click();
    ASSERT_EQ(list->Model().Count(), 0);
    Back(sheet);
    Back(sheet);
    ASSERT_EQ(sheet.ActiveStep(), 1);
    EXPECT_FALSE(digits->isReadOnly());
    digits->setFocus();
    QTest::keyClick(digits, Qt::Key_Up);
    EXPECT_EQ(digits->text(), "4");

    // Mailboxes of four digits made in step 3 lock it again.
    Next(sheet);
    Next(sheet);
    Type(list->RangeFrom(), "1000");
    Type(list->RangeTo(), "1001");
    list->CreateRangeButton()->click();
    ASSERT_EQ(Numbers(*list), (std::vector<std::string>{"1000", "1001"}));
    Back(sheet);
    Back(sheet);
    ASSERT_EQ(sheet.ActiveStep(), 1);
    EXPECT_TRUE(digits->isReadOnly());
    arrowsDoNothing("4");
    Type(digits->findChild<QLineEdit*>(), "2");
    EXPECT_EQ(digits->text(), "4") << "typing does nothing either";
    EXPECT_TRUE(sink.messages.empty());

    // Both deleted: free again.
    Next(sheet);
    Next(sheet);
    for (int row = 1; row >= 0; --row) {
        list->SelectRow(row);
        Find<QPushButton>(*list, "mboxDelete")->click();
    }
    Back(sheet);
    Back(sheet);
    EXPECT_FALSE(digits->isReadOnly());
}

TEST_F(WizSheetTest, TheTransferAndNotificationStepsWriteWhatTheyShowAndKeepTheRest) {
    auto doc = MakeDoc(1, {});
    doc->led2Code = "22";
    doc->extNotifyStart = 60;
    doc->ringDuration = 1;
    doc->transferModeOperator = 0;
    CWizSheet sheet(*doc, shell, nullptr);
    ShowActive(sheet);
    Next(sheet);
    Find<QRadioButton>(sheet, "transferModeOther2")->click();
    Next(sheet);
    Next(sheet);
    ASSERT_EQ(sheet.ActiveStep(), 4);
    EXPECT_EQ(sheet.findChild<QLineEdit*>("led2Code"), nullptr);
    EXPECT_EQ(sheet.findChild<QLineEdit*>("extNotifyStart"), nullptr);
    auto* ledOff = Find<QLineEdit>(sheet, "ledOffCode");
    auto* seize = Find<QLineEdit>(sheet, "lineSeizeCode");
    auto* interval = Find<CSpinEdit>(sheet, "ringInterval");
    Type(Find<QLineEdit>(sheet, "led1Code"), "11");
    Type(ledOff, "e");
    Next(sheet);
    EXPECT_EQ(sheet.ActiveStep(), 4);
    EXPECT_EQ(QApplication::focusWidget(), ledOff);
    Type(ledOff, "33");
    Type(seize, "9x");
    Next(sheet);
    EXPECT_EQ(QApplication::focusWidget(), seize);
    Type(seize, "9#");
    interval->SetText("0");
    Next(sheet);
    EXPECT_EQ(sheet.ActiveStep(), 4);
    EXPECT_EQ(QApplication::focusWidget(), interval);
    interval->SetText("7");
    Next(sheet);
    ASSERT_EQ(sheet.ActiveStep(), 5);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>(3, "Errore inserimento"));
    for (int step = 5; step < 8; ++step)
        Next(sheet);
    sheet.FinishButton()->click();
    ASSERT_EQ(sheet.result(), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->led1Code, "11");
    EXPECT_EQ(doc->ledOffCode, "33");
    EXPECT_EQ(doc->lineSeizeCode, "9#");
    EXPECT_EQ(doc->ringInterval, 7);
    EXPECT_EQ(doc->led2Code, "22");
    EXPECT_EQ(doc->extNotifyStart, 60);
    EXPECT_EQ(doc->ringDuration, 1);
    EXPECT_EQ(doc->transferModeOther, editors::TransferModeOfButton(2));
    EXPECT_EQ(doc->transferModeOperator, 0);
}

TEST_F(WizSheetTest, TheWizardRefusesANoAnswerWaitOfZeroThatTheTabAccepts) {
    auto doc = MakeDoc(1, {});
    {
        CPBXParameterSheet tab(*doc, shell);
        ShowActive(tab);
        ASSERT_TRUE(tab.SetActivePage(2));
        Find<CSpinEdit>(tab, "noAnswerWait")->SetText("0");
        EXPECT_EQ(PressOk(tab), QDialog::Accepted);
        EXPECT_TRUE(sink.messages.empty());
    }
    CWizSheet sheet(*doc, shell, nullptr);
    ShowActive(sheet);
    Next(sheet);
    auto* wait = Find<CSpinEdit>(*sheet.Step(2), "noAnswerWait");
    for (const char* refused : {"0", ""}) {
        wait->SetText(refused);
        Next(sheet);
        EXPECT_EQ(sheet.ActiveStep(), 2) << refused;
        EXPECT_EQ(QApplication::focusWidget(), wait);
    }
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, "Errore inserimento");
    wait->SetText("1");
    Next(sheet);
    EXPECT_EQ(sheet.ActiveStep(), 3);
}

TEST_F(WizSheetTest, CreateRangeRefusesAnExistingNumberOrTooManyMailboxes) {
    auto doc = MakeDoc(2, {"201", "205"}); // "RZ 8 Mbx": 8 mailboxes at most
    CWizSheet sheet(*doc, shell, nullptr);
    ShowActive(sheet);
    Next(sheet);
    Next(sheet);
    CWizListMboxPage* list = sheet.ListPage();
    const auto refuse = [&](const char* from, const char* to, const char* message) {
        Type(list->RangeFrom(), from);
        Type(list->RangeTo(), to);
        list->CreateRangeButton()->click();
        ASSERT_FALSE(sink.messages.empty());
        EXPECT_EQ(sink.messages.back().text, message);
        EXPECT_EQ(Numbers(*list), (std::vector<std::string>{"201", "205"}));
        EXPECT_EQ(QApplication::focusWidget(), list->RangeFrom());
    };
    refuse("203", "206", "Casella Vocale esistente");
    refuse("210", "216", "Non si possono definire pi\xF9 di 8 Caselle Vocali");
    refuse("21", "216", "Errore inserimento");
    EXPECT_EQ(sink.messages.size(), 3u);

    list->RangeNotify()->setCurrentIndex(2);
    Type(list->RangeFrom(), "210");
    Type(list->RangeTo(), "215");
    list->CreateRangeButton()->click();
    EXPECT_EQ(sink.messages.size(), 3u);
    EXPECT_EQ(Numbers(*list),
              (std::vector<std::string>{"201", "205", "210", "211", "212", "213", "214", "215"}));
    EXPECT_EQ(list->Model().Record(7).localNotify, 2);
    EXPECT_EQ(list->Model().Record(2).localNotify, 2);
    EXPECT_EQ(list->List()->topLevelItemCount(), 8);
    EXPECT_EQ(list->SelectedRow(), 7);
    EXPECT_TRUE(list->RangeFrom()->text().isEmpty());
    EXPECT_TRUE(list->RangeTo()->text().isEmpty());
    EXPECT_EQ(list->RangeNotify()->currentText(), "Led Messaggio 1");
    EXPECT_EQ(list->findChild<QPushButton*>("mboxChange"), nullptr);
}

TEST_F(WizSheetTest, Screenshots) {
    auto doc = MakeDoc(1, {"201", "202"});
    CWizSheet sheet(*doc, shell, nullptr);
    ShowActive(sheet);
    Screenshot(sheet, "wizard-step1.png");
    Next(sheet);
    Screenshot(sheet, "wizard-step2.png");
    Next(sheet);
    Screenshot(sheet, "wizard-step3.png");
    Next(sheet);
    Screenshot(sheet, "wizard-step4.png");
    Next(sheet);
    Screenshot(sheet, "wizard-step5.png");
    Next(sheet);
    Next(sheet);
    Screenshot(sheet, "wizard-step7.png");
    EXPECT_EQ(sheet.ActiveStep(), 7);
}

} // namespace
} // namespace kiv::test
