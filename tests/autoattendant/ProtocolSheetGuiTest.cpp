// "Protocollo In-Band DTMF" driven offscreen: what the rows accept and refuse
// as the user types, the mailbox destination, the timing arrows, and what OK
// and Annulla leave in the document. With KIV_SCREENSHOT_DIR set, each tab is
// also saved there as a PNG picture.
#include "editors/EditorGuiSupport.h"

#include "app/Help.h"
#include "autoattendant/ui/ProtocolPage.h"
#include "autoattendant/ui/ProtocolSheet.h"
#include "editors/ui/SpinEdit.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace kiv::test {
namespace {

InBandEntry Entry(int operation, const std::string& code, std::array<uint8_t, 4> target,
                  int targetLength) {
    InBandEntry e;
    e.operation = operation;
    std::copy(code.begin(), code.end(), e.code.begin());
    e.codeLength = static_cast<uint8_t>(code.size());
    e.target = target;
    e.targetLength = targetLength;
    return e;
}

class ProtocolSheetGuiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        doc = MakeDoc(0, {"201", "202"});
        // Event 1 goes to page 31, event 12 to extension 45, event 35 to
        // mailbox 202 (slot 1); the rest are "Operatore Automatico" without a code.
        doc->inBand[1] = Entry(1, "71", {'3', '1', 0, 0}, 2);
        doc->inBand[12] = Entry(8, "I12TTT", {'4', '5', 0, 0}, 2);
        doc->inBand[35] = Entry(9, "*9", {1, 0, 0, 0}, 1);
        doc->firstDtmfTimeout = 3000;
        doc->interDtmfDelay = 500;
    }

    // Picks an operation in a row's list as the user does.
    static void Choose(QComboBox* list, int op) {
        list->setCurrentIndex(op);
        emit list->activated(op);
    }

    static void Type(QWidget* field, const QString& text) {
        field->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) spin->selectAll();
        QTest::keyClicks(field, text);
    }

    std::unique_ptr<CQelDoc> doc;
    RecordingSink sink;
};

TEST_F(ProtocolSheetGuiTest, PagesShowTheStoredEventsInTheirRows) {
    CScriptedShell shell(sink);
    CProtocolSheet sheet(*doc, shell);
    ASSERT_EQ(sheet.PageCount(), 4);
    EXPECT_EQ(sheet.windowTitle(), "Protocollo In-Band DTMF");
    for (int tab = 0; tab < 4; ++tab)
        EXPECT_EQ(sheet.Tabs()->tabText(tab), QString("Pagina %1").arg(tab + 1));
    CProtocolPage* first = sheet.ProtocolPage(0);
    ASSERT_EQ(first->Operation(1)->count(), 16);
    EXPECT_EQ(first->Operation(1)->itemText(5), QString::fromUtf8("Vai al Menù Occupato"));
    EXPECT_EQ(first->Operation(1)->currentText(), "Vai a Pagina");
    EXPECT_EQ(first->Code(1)->text(), "71");
    EXPECT_EQ(first->Destination(1)->text(), "31");
    EXPECT_TRUE(first->Destination(1)->isEnabled());
    EXPECT_FALSE(first->Destination(0)->isEnabled());
    EXPECT_EQ(first->FirstDtmfField()->text(), "3000");
    EXPECT_EQ(first->InterDtmfField()->text(), "500");
    EXPECT_EQ(sheet.ProtocolPage(1)->FirstDtmfField(), nullptr);
    EXPECT_EQ(sheet.ProtocolPage(1)->Destination(2)->text(), "45");
    EXPECT_EQ(sheet.ProtocolPage(3)->Destination(5)->text(), "202");
    EXPECT_EQ(sheet.ProtocolPage(3)->Code(5)->accessibleName(),
              "Evento 35 CODICE Ricevuto dal PBX");
}

TEST_F(ProtocolSheetGuiTest, AnOperationOutsideTheListSelectsNothingAndMustBeChosen) {
    doc->inBand[7] = Entry(16, "5", {0, 0, 0, 0}, 0);
    CScriptedShell shell(sink);
    CProtocolSheet sheet(*doc, shell);
    ShowActive(sheet);
    CProtocolPage* page = sheet.ProtocolPage(0);
    EXPECT_EQ(page->Operation(7)->currentIndex(), -1);
    EXPECT_FALSE(page->Destination(7)->isEnabled());
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), page->Operation(7));
    Choose(page->Operation(7), 14);
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->inBand[7], Entry(14, "5", {0, 0, 0, 0}, 0));
}

TEST_F(ProtocolSheetGuiTest, AnEmptyCodeIsAcceptedOnlyForTheAutomaticOperator) {
    CScriptedShell shell(sink);
    CProtocolSheet sheet(*doc, shell);
    ShowActive(sheet);
    CProtocolPage* page = sheet.ProtocolPage(0);
    // Rows 0 and 2-9 are "Operatore Automatico" without a code: the tab is left.
    ASSERT_TRUE(sheet.SetActivePage(1));
    ASSERT_TRUE(sheet.SetActivePage(0));
    EXPECT_TRUE(sink.messages.empty());

    Choose(page->Operation(4), 10); // "Trasferta all'Operatore"
    EXPECT_FALSE(page->Destination(4)->isEnabled());
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Errore inserimento");
    EXPECT_EQ(sink.messages[0].icon, MsgIcon::Warning);
    EXPECT_EQ(QApplication::focusWidget(), page->Code(4));

    Type(page->Code(4), "S#");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->inBand[4], Entry(10, "S#", {0, 0, 0, 0}, 0));
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(ProtocolSheetGuiTest, ACodeStopsAtTwentyCharactersAndABadOneIsRefusedWhereTyped) {
    CScriptedShell shell(sink);
    CProtocolSheet sheet(*doc, shell);
    ShowActive(sheet);
    ASSERT_TRUE(sheet.SetActivePage(2));
    CProtocolPage* page = sheet.ProtocolPage(2);
    Type(page->Code(3), "123456789012345678901");
    EXPECT_EQ(page->Code(3)->text(), "12345678901234567890");

    // An X in a later row: refused at that row's code, the tab is kept and
    // the row before keeps what it stored.
    Type(page->Code(7), "12X");
    EXPECT_FALSE(sheet.SetActivePage(0));
    EXPECT_EQ(sheet.ActiveIndex(), 2);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), page->Code(7));
    EXPECT_EQ(page->Code(7)->selectedText(), "12X");
    EXPECT_EQ(sheet.Model().pages[2].events[3].codeLength, 20);

    Type(page->Code(7), "12");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->inBand[23], Entry(0, "12345678901234567890", {0, 0, 0, 0}, 0));
    EXPECT_EQ(doc->inBand[27], Entry(0, "12", {0, 0, 0, 0}, 0));
}

TEST_F(ProtocolSheetGuiTest, AMailboxDestinationShowsZeroUntilANumberIsTyped) {
    CScriptedShell shell(sink);
    CProtocolSheet sheet(*doc, shell);
    ShowActive(sheet);
    CProtocolPage* page = sheet.ProtocolPage(0);
    Choose(page->Operation(1), 9); // "Trasferta ad una Casella", was page 31
    EXPECT_EQ(page->Destination(1)->text(), "0");
    EXPECT_TRUE(page->Destination(1)->isEnabled());
    // "0" names no mailbox: refused at the destination.
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), page->Destination(1));

    Type(page->Destination(1), "202");
    // Back to another operation and again to the mailbox: the number is gone.
    Choose(page->Operation(1), 8);
    EXPECT_TRUE(page->Destination(1)->text().isEmpty());
    Choose(page->Operation(1), 9);
    EXPECT_EQ(page->Destination(1)->text(), "0");
    Type(page->Destination(1), "202");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->inBand[1], Entry(9, "71", {1, 0, 0, 0}, 1));
}

TEST_F(ProtocolSheetGuiTest, TimingArrowsStepByTwentyAndTheDelayIsCheckedFirst) {
    CScriptedShell shell(sink);
    CProtocolSheet sheet(*doc, shell);
    ShowActive(sheet);
    CProtocolPage* page = sheet.ProtocolPage(0);
    CSpinEdit* first = page->FirstDtmfField();
    CSpinEdit* delay = page->InterDtmfField();
    Type(first, "45");
    QTest::keyClick(first, Qt::Key_Up);
    EXPECT_EQ(first->text(), "60");
    Type(first, "45");
    QTest::keyClick(first, Qt::Key_Down);
    EXPECT_EQ(first->text(), "40");
    QTest::keyClick(first, Qt::Key_Up);
    EXPECT_EQ(first->text(), "60");
    Type(first, "9980");
    QTest::keyClick(first, Qt::Key_Up);
    EXPECT_EQ(first->text(), "9980");

    // Both fields wrong: the inter-digit delay is refused first.
    Type(first, "30");
    Type(delay, "990");
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    EXPECT_EQ(QApplication::focusWidget(), delay);
    Type(delay, "0");
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_EQ(sink.messages.size(), 2u);
    Type(first, "0");
    QTest::keyClick(delay, Qt::Key_Up);
    EXPECT_EQ(delay->text(), "20");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->firstDtmfTimeout, 0);
    EXPECT_EQ(doc->interDtmfDelay, 20);
}

TEST_F(ProtocolSheetGuiTest, CancelAfterEditsOnEveryTabLeavesTheDocumentAsItWas) {
    const auto inBandBefore = doc->inBand;
    CScriptedShell shell(sink);
    shell.handlers.push_back([this](QDialog& dialog) {
        auto& sheet = static_cast<CProtocolSheet&>(dialog);
        Type(sheet.ProtocolPage(0)->FirstDtmfField(), "100");
        Choose(sheet.ProtocolPage(0)->Operation(1), 15);
        for (int tab = 1; tab < 4; ++tab) {
            EXPECT_TRUE(sheet.SetActivePage(tab));
            Type(sheet.ProtocolPage(tab)->Code(2), "99");
        }
        Choose(sheet.ProtocolPage(3)->Operation(5), 0);
        EXPECT_TRUE(sheet.SetActivePage(0)); // every edit saved into the working copy
        return PressCancel(sheet);
    });
    EXPECT_FALSE(RunProtocolCommand(*doc, shell, nullptr));
    EXPECT_EQ(shell.opened, std::vector<QString>{"protocolSheet"});
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(doc->inBand, inBandBefore);
    EXPECT_EQ(doc->firstDtmfTimeout, 3000);
    EXPECT_FALSE(doc->modified);

    // The same edits with OK do change it.
    shell.handlers.push_back([](QDialog& dialog) {
        auto& sheet = static_cast<CProtocolSheet&>(dialog);
        Choose(sheet.ProtocolPage(0)->Operation(1), 15);
        return PressOk(sheet);
    });
    EXPECT_TRUE(RunProtocolCommand(*doc, shell, nullptr));
    EXPECT_EQ(doc->inBand[1], Entry(15, "71", {0, 0, 0, 0}, 0));
    EXPECT_TRUE(doc->modified);
}

TEST_F(ProtocolSheetGuiTest, F1AndTheContextMenuOpenTheTopicOfTheControl) {
    CScriptedShell shell(sink);
    CProtocolSheet sheet(*doc, shell);
    ShowActive(sheet);
    CProtocolPage* page = sheet.ProtocolPage(0);
    page->Code(3)->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "protocollo_codice");
    page->Operation(3)->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "protocollo_operazione");
    page->FirstDtmfField()->setFocus(); // the focus goes to the field inside the spin box
    EXPECT_EQ(sheet.CurrentHelpTopic(), "protocollo_attesa_primo_dtmf");
    page->InterDtmfField()->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "protocollo_ritardo_dtmf");
    sheet.OkButton()->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "protocollo_inband");

    // F1 opens the guide at the field's topic.
    QStringList opened;
    SetHelpOpener([&](const QString& topic) { opened << topic; });
    page->Destination(1)->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "protocollo_destinazione");
    QTest::keyClick(page->Destination(1), Qt::Key_F1);
    EXPECT_EQ(opened, QStringList{"protocollo_destinazione"});
    EXPECT_TRUE(sink.messages.empty());

    // A text field's menu keeps its edit entries and ends with "Aiuto".
    std::unique_ptr<QMenu> menu(page->CreateContextMenu(page->Code(0)));
    ASSERT_GE(menu->actions().size(), 3);
    QAction* help = menu->actions().back();
    EXPECT_EQ(help->objectName(), "contextHelp");
    EXPECT_EQ(help->text(), "Aiuto");
    help->trigger();
    SetHelpOpener({});
    EXPECT_EQ(opened, (QStringList{"protocollo_destinazione", "protocollo_codice"}));
    std::unique_ptr<QMenu> listMenu(page->CreateContextMenu(page->Operation(0)));
    ASSERT_EQ(listMenu->actions().size(), 1);
    EXPECT_EQ(listMenu->actions()[0]->objectName(), "contextHelp");
    EXPECT_EQ(page->HelpTopicOf(page->Operation(0)), "protocollo_operazione");
}

void Save(QWidget& widget, const QString& name) {
    const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    EXPECT_TRUE(widget.grab().save(QDir(dir).filePath(name)));
}

TEST_F(ProtocolSheetGuiTest, Screenshots) {
    CScriptedShell shell(sink);
    CProtocolSheet sheet(*doc, shell);
    sheet.show();
    for (int i = 0; i < sheet.PageCount(); ++i) {
        EXPECT_TRUE(sheet.SetActivePage(i));
        QTest::qWait(30);
        Save(sheet, QString("inband-protocollo%1.png").arg(i + 1));
    }
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace kiv::test
