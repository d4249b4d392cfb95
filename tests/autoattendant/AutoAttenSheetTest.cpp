// "Gestione Pagine" driven offscreen: the page editor's rows and navigation,
// a refused save, the recording list's file choice, the Description dialog,
// and what OK and Annulla leave in the document. With KIV_SCREENSHOT_DIR set,
// each tab is also saved there as a PNG picture.
#include "editors/EditorGuiSupport.h"

#include "app/Help.h"
#include "app/TypingLimit.h"
#include "autoattendant/ui/AutoAttenPage.h"
#include "autoattendant/ui/AutoAttenSheet.h"
#include "autoattendant/ui/DescriptionDlg.h"
#include "autoattendant/ui/DialStringPage.h"
#include "autoattendant/ui/InfoPage.h"
#include "autoattendant/ui/OpenScriptPage.h"
#include "autoattendant/ui/RecordingListPage.h"
#include "editors/ui/SpinEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace kiv::test {
namespace {

// A shell whose file-open dialog answers with a queued name and remembers the
// filter it was given.
class CFileShell : public CScriptedShell {
  public:
    using CScriptedShell::CScriptedShell;
    std::optional<QString> OpenFileName(QWidget*, const QString& filter, const QString&,
                                        const QString& title) override {
        filters.push_back(filter);
        titles.push_back(title);
        return nextFile;
    }
    std::optional<QString> nextFile;
    std::vector<QString> filters;
    std::vector<QString> titles;
};

class AutoAttenSheetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        doc = MakeDoc(0, {"201", "202"});
        doc->operatorKey = 9;
        // Page 00: key 1 goes to page 31, the operator key holds a stale entry
        // that the form must neither show nor write.
        doc->pages[0][1] = PageEntry{1, {27, 0, 0, 0}, 1};
        doc->pages[0][9] = PageEntry{5, {7, 7, 7, 7}, 3};
        doc->pageTimeout[0] = 4;
        doc->pageText[5] = "Orari";
        doc->dialStrings[0] = "*12#";
    }

    std::unique_ptr<CQelDoc> doc;
    RecordingSink sink;
};

TEST_F(AutoAttenSheetTest, OperatorRowShowsOnlyOperatorDisabledOnEveryPageVisited) {
    CFileShell shell(sink);
    CAutoAttenSheet sheet(*doc, shell);
    ShowActive(sheet);
    CAutoAttenPage* page = sheet.AutoAttenPage();
    for (int visit = 0; visit < 3; ++visit) {
        QComboBox* op = page->Operation(9);
        ASSERT_EQ(op->count(), 1);
        EXPECT_EQ(op->itemText(0), "Operatore");
        EXPECT_FALSE(op->isEnabled());
        EXPECT_FALSE(page->Destination(9)->isEnabled());
        EXPECT_TRUE(page->Operation(8)->isEnabled());
        page->NextButton()->click();
    }
    EXPECT_EQ(page->PageNumberField()->text(), "03");
    EXPECT_EQ(page->Operation(3)->accessibleName(), "Pagina 03 Tasto 3 Operazione");
    EXPECT_EQ(page->Destination(10)->accessibleName(), "Pagina 03 Timeout Destinazione");
    // The stored key 1 of page 00 reads back as typed; the operator entry is untouched.
    page->PreviousButton()->click();
    page->PreviousButton()->click();
    page->PreviousButton()->click();
    EXPECT_EQ(page->Operation(1)->currentText(), "Vai a Pagina");
    EXPECT_EQ(page->Destination(1)->text(), "31");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->pages[0][9], (PageEntry{5, {7, 7, 7, 7}, 3}));
    EXPECT_EQ(doc->pages[0][1], (PageEntry{1, {27, 0, 0, 0}, 1}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(AutoAttenSheetTest, NavigationSkipsTheNumbersBetweenLanguages) {
    CFileShell shell(sink);
    CAutoAttenSheet sheet(*doc, shell);
    ShowActive(sheet);
    CAutoAttenPage* page = sheet.AutoAttenPage();
    QLineEdit* number = page->PageNumberField();
    number->selectAll();
    QTest::keyClicks(number, "26");
    EXPECT_EQ(page->DescriptionLabel()->text(),
              QString::fromUtf8("Menù Post-Registrazione Messaggi + Prima Lingua"));
    page->NextButton()->click();
    EXPECT_EQ(number->text(), "31");
    EXPECT_EQ(page->DescriptionLabel()->text(), "Occupato con Casella - Seconda Lingua");
    page->PreviousButton()->click();
    EXPECT_EQ(number->text(), "26");

    // 27 is no page: refused, the description blanked, the field selected.
    number->selectAll();
    QTest::keyClicks(number, "27");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Errore inserimento");
    EXPECT_EQ(sink.messages[0].icon, MsgIcon::Warning);
    EXPECT_TRUE(page->DescriptionLabel()->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), number);
    EXPECT_EQ(number->selectedText(), "27");
    // Leaving the page is refused as well, without an icon.
    EXPECT_FALSE(sheet.SetActivePage(1));
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[1].icon, MsgIcon::None);
    EXPECT_EQ(sheet.ActiveIndex(), 0);

    // A single digit is padded when the field loses the focus.
    number->setFocus();
    number->selectAll();
    QTest::keyClicks(number, "5");
    EXPECT_FALSE(page->Operation(1)->isEnabled()) << "no page named yet";
    page->NextButton()->setFocus();
    EXPECT_EQ(number->text(), "05");
    EXPECT_EQ(page->DescriptionLabel()->text(), "Orari");
    EXPECT_EQ(sink.messages.size(), 2u);
}

TEST_F(AutoAttenSheetTest, RefusedSaveKeepsThePageAndFocusesTheDestination) {
    CFileShell shell(sink);
    CAutoAttenSheet sheet(*doc, shell);
    ShowActive(sheet);
    CAutoAttenPage* page = sheet.AutoAttenPage();
    QComboBox* op = page->Operation(2);
    const int goTo = op->findText("Vai a Pagina");
    ASSERT_GE(goTo, 0);
    op->setCurrentIndex(goTo);
    emit op->activated(goTo);
    QLineEdit* dest = page->Destination(2);
    EXPECT_TRUE(dest->isEnabled());
    dest->selectAll();
    QTest::keyClicks(dest, "3");
    page->NextButton()->click();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Errore inserimento");
    EXPECT_EQ(sink.messages[0].icon, MsgIcon::Warning);
    EXPECT_EQ(page->PageNumberField()->text(), "00");
    EXPECT_EQ(QApplication::focusWidget(), dest);
    EXPECT_EQ(dest->selectedText(), "3");

    // OK is refused the same way; once corrected, the page is stored.
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    dest->selectAll();
    QTest::keyClicks(dest, "41");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->pages[0][2], (PageEntry{1, {33, 0, 0, 0}, 1}));
}

TEST_F(AutoAttenSheetTest, AFileWithAPageExtensionGoesToThatPageOnly) {
    CFileShell shell(sink);
    CAutoAttenSheet sheet(*doc, shell);
    ShowActive(sheet);
    ASSERT_TRUE(sheet.SetActivePage(3));
    CRecordingListPage* page = sheet.RecordingListPage();
    EXPECT_EQ(page->ChooseButton()->text(), "&Aggiungi");
    QTreeWidget* list = page->List();
    EXPECT_EQ(list->topLevelItem(27)->text(0), "  31");

    // Nothing selected: no dialog.
    page->ChooseButton()->click();
    EXPECT_TRUE(shell.filters.empty());

    list->topLevelItem(3)->setSelected(true);
    list->topLevelItem(21)->setSelected(true);
    shell.nextFile = "/rec/benvenuto.05";
    page->ChooseButton()->click();
    ASSERT_EQ(shell.filters.size(), 1u);
    // Each caption as the user reads it, then the patterns the dialog matches.
    EXPECT_EQ(shell.filters[0], "ScriptFiles (*.03,*.21) (*.03 *.21);;All files (*.*) (*.*)");
    EXPECT_EQ(shell.titles[0], "Selezionate il File Pagina");
    EXPECT_EQ(list->topLevelItem(5)->text(1), "/rec/benvenuto.05");
    EXPECT_TRUE(list->topLevelItem(3)->text(1).isEmpty());
    EXPECT_TRUE(list->topLevelItem(21)->text(1).isEmpty());

    // Cancel of the file dialog changes nothing; "Chiaro" empties the selected rows.
    shell.nextFile.reset();
    page->ChooseButton()->click();
    list->clearSelection();
    list->topLevelItem(5)->setSelected(true);
    shell.nextFile = "/rec/saluto.wav";
    page->ChooseButton()->click();
    EXPECT_EQ(list->topLevelItem(5)->text(1), "/rec/saluto.wav");
    list->topLevelItem(5)->setSelected(false);
    list->topLevelItem(6)->setSelected(true);
    shell.nextFile = "/rec/info";
    page->ChooseButton()->click();
    // A bare name with one row selected takes that page's number.
    EXPECT_EQ(list->topLevelItem(6)->text(1), "/rec/info.06");
    page->ClearButton()->click();
    EXPECT_TRUE(list->topLevelItem(6)->text(1).isEmpty());

    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->pageFile[5], "/rec/saluto.wav");
    EXPECT_EQ(doc->pageFile[6], "");
    EXPECT_EQ(doc->pageFile[3], "");
}

TEST_F(AutoAttenSheetTest, DescriptionEditsOnlyOrdinaryPages) {
    CFileShell shell(sink);
    CAutoAttenSheet sheet(*doc, shell);
    ShowActive(sheet);
    ASSERT_TRUE(sheet.SetActivePage(4));
    CInfoPage* page = sheet.InfoPage();
    QTreeWidget* list = page->List();
    EXPECT_EQ(list->topLevelItem(0)->text(1), "Yes"); // page 00 has key 1 programmed
    EXPECT_EQ(list->topLevelItem(1)->text(1), "No");

    list->setCurrentItem(list->topLevelItem(21));
    page->DescriptionButton()->click();
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(list->topLevelItem(21)->text(3), "Occupato con Casella - Prima Lingua");
    EXPECT_EQ(list->currentItem(), list->topLevelItem(21));

    list->setCurrentItem(list->topLevelItem(5));
    shell.handlers.push_back([](QDialog& dialog) {
        auto& dlg = static_cast<CDescriptionDlg&>(dialog);
        EXPECT_EQ(dlg.Field()->text(), "Orari");
        EXPECT_EQ(TypingLimitOf(dlg.Field()), 40);
        dlg.Field()->setText("Orari estivi");
        return int(QDialog::Accepted);
    });
    page->DescriptionButton()->click();
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(list->topLevelItem(5)->text(3), "Orari estivi");
    EXPECT_EQ(list->currentItem(), list->topLevelItem(5));

    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->pageText[5], "Orari estivi");
    EXPECT_EQ(doc->pageText[0], "");
}

TEST_F(AutoAttenSheetTest, HelpOfTheTabsControlsAndOfTheDescriptionDialog) {
    CFileShell shell(sink);
    CAutoAttenSheet sheet(*doc, shell);
    ShowActive(sheet);
    CAutoAttenPage* page = sheet.AutoAttenPage();
    page->Destination(1)->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "pagine_destinazione");
    page->Operation(2)->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "pagine_operazione");
    page->TimeoutField()->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "pagine_timeout");
    page->NextButton()->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "pagine_numero");
    ASSERT_TRUE(sheet.SetActivePage(4));
    sheet.InfoPage()->List()->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "stato_pagine_lista");
    EXPECT_TRUE(sink.messages.empty());
    sheet.hide();

    // The Description dialog: F1 in its field, and its context menu, open
    // the guide at its page.
    QStringList opened;
    SetHelpOpener([&](const QString& topic) { opened << topic; });
    CDescriptionDlg dlg("Orari", sink);
    ShowActive(dlg);
    dlg.Field()->setFocus();
    QTest::keyClick(dlg.Field(), Qt::Key_F1);
    std::unique_ptr<QMenu> menu(dlg.CreateContextMenu());
    ASSERT_GE(menu->actions().size(), 3); // the field's edit entries first
    EXPECT_EQ(menu->actions().back()->objectName(), "contextHelp");
    menu->actions().back()->trigger();
    SetHelpOpener({});
    EXPECT_EQ(opened, (QStringList{"descrizione", "descrizione"}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(AutoAttenSheetTest, AnnullaLeavesTheDocumentUntouched) {
    const auto pages = doc->pages;
    const auto timeouts = doc->pageTimeout;
    const auto strings = doc->dialStrings;
    CFileShell shell(sink);
    bool changed = true;
    shell.handlers.push_back([&](QDialog& dialog) {
        auto& sheet = static_cast<CAutoAttenSheet&>(dialog);
        CAutoAttenPage* page = sheet.AutoAttenPage();
        QComboBox* op = page->Operation(4);
        const int disconnect = op->findText("Disconnessione");
        op->setCurrentIndex(disconnect);
        emit op->activated(disconnect);
        page->TimeoutField()->SetText("7");
        page->NextButton()->click();
        EXPECT_TRUE(sheet.SetActivePage(1));
        QTest::keyClicks(sheet.DialStringPage()->Field(3), "123");
        EXPECT_TRUE(sheet.SetActivePage(4));
        return PressCancel(sheet);
    });
    changed = RunPagesCommand(*doc, shell, nullptr);
    EXPECT_FALSE(changed);
    EXPECT_EQ(shell.opened, std::vector<QString>{"autoAttenSheet"});
    EXPECT_TRUE(doc->pages == pages);
    EXPECT_TRUE(doc->pageTimeout == timeouts);
    EXPECT_TRUE(doc->dialStrings == strings);
    EXPECT_FALSE(doc->modified);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(AutoAttenSheetTest, DialStringWithASpaceIsRefusedOnLeaving) {
    CFileShell shell(sink);
    CAutoAttenSheet sheet(*doc, shell);
    ShowActive(sheet);
    ASSERT_TRUE(sheet.SetActivePage(1));
    QLineEdit* field = sheet.DialStringPage()->Field(12);
    QTest::keyClicks(field, "12 3");
    EXPECT_FALSE(sheet.SetActivePage(2));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Errore inserimento");
    EXPECT_EQ(sink.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(sheet.ActiveIndex(), 1);
}

TEST_F(AutoAttenSheetTest, StoredValuesAreShownWholeAndNothingIsStoredWithoutAPage) {
    doc->pageTimeout[0] = 12; // from a read: two digits where one is typed
    doc->dialStrings[3] = "1234567890123456789012345";
    doc->ringsBeforeAnswer[0] = 12;
    doc->openingPage[0][0] = 123;
    CFileShell shell(sink);
    CAutoAttenSheet sheet(*doc, shell);
    ShowActive(sheet);
    CAutoAttenPage* page = sheet.AutoAttenPage();
    CSpinEdit* timeout = page->TimeoutField();
    EXPECT_EQ(timeout->text(), "12");
    // The time-out is refused on its own field, which the user can mend.
    page->NextButton()->click();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Errore inserimento");
    EXPECT_TRUE(timeout->isEnabled());
    EXPECT_TRUE(timeout->hasFocus());
    timeout->selectAll();
    QTest::keyClicks(timeout, "x");
    EXPECT_EQ(timeout->text(), "12") << "digits only";
    timeout->selectAll();
    QTest::keyClicks(timeout, "7");
    page->NextButton()->click();
    EXPECT_EQ(page->PageNumberField()->text(), "01");

    // A number that names no page: the form belongs to none, so its lists
    // and time-out cannot be reached until a page is named.
    QLineEdit* number = page->PageNumberField();
    number->setFocus();
    number->selectAll();
    QTest::keyClicks(number, "3");
    EXPECT_FALSE(page->Operation(1)->isEnabled());
    EXPECT_FALSE(page->Destination(1)->isEnabled());
    EXPECT_FALSE(timeout->isEnabled());
    QTest::keyClicks(number, "1");
    EXPECT_TRUE(page->Operation(1)->isEnabled());
    EXPECT_TRUE(timeout->isEnabled());

    // The other tabs show their stored values whole as well.
    ASSERT_TRUE(sheet.SetActivePage(1));
    QLineEdit* dial = sheet.DialStringPage()->Field(3);
    EXPECT_EQ(dial->text(), "1234567890123456789012345");
    EXPECT_FALSE(sheet.SetActivePage(2)) << "refused on leaving, not cut";
    EXPECT_EQ(QApplication::focusWidget(), dial);
    EXPECT_EQ(dial->text(), "1234567890123456789012345");
    dial->setText("12345678901234567890");
    ASSERT_TRUE(sheet.SetActivePage(2));
    EXPECT_EQ(sheet.OpenScriptPage()->Rings(0)->text(), "12");
    EXPECT_EQ(sheet.OpenScriptPage()->InitialPage(0, 0)->text(), "123");
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected) << "no page 123";
    sheet.OpenScriptPage()->InitialPage(0, 0)->SetText("03");
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected) << "no 12 rings";
    sheet.OpenScriptPage()->Rings(0)->SetText("9");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->pageTimeout[0], 7);
    EXPECT_EQ(doc->dialStrings[3], "12345678901234567890");
}

void Save(QWidget& widget, const QString& name) {
    const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    EXPECT_TRUE(widget.grab().save(QDir(dir).filePath(name)));
}

TEST_F(AutoAttenSheetTest, Screenshots) {
    CFileShell shell(sink);
    doc->pageFile[3] = "/rec/menu.03";
    doc->pageState[3] = 1;
    CAutoAttenSheet sheet(*doc, shell);
    sheet.show();
    const char* files[] = {"pagine_programmazione.png", "pagine_stringhe.png",
                           "pagine_iniziale.png", "pagine_registrazione.png", "pagine_stato.png"};
    for (int i = 0; i < sheet.PageCount(); ++i) {
        EXPECT_TRUE(sheet.SetActivePage(i));
        QTest::qWait(30);
        Save(sheet, files[i]);
    }
    EXPECT_TRUE(sink.messages.empty());

    // "Pagina Inziale" holding values past the typing limits, shown whole.
    doc->ringsBeforeAnswer[0] = 12;
    doc->openingPage[0][0] = 123;
    doc->openingPage[1][3] = 255;
    CAutoAttenSheet stored(*doc, shell);
    stored.show();
    EXPECT_TRUE(stored.SetActivePage(2));
    QTest::qWait(30);
    Save(stored, "pagine_iniziale_memorizzati.png");
}

} // namespace
} // namespace kiv::test
