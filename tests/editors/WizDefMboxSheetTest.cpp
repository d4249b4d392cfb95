// "Crea Intervallo", the one-step range sheet, as the user drives it: opened
// from the "Lista" tab with the document's digit count, each refusal of its
// range check kept open on the field it names with the list untouched, and
// what Finish creates. With KIV_SCREENSHOT_DIR set the sheet is also saved
// there as a PNG picture.
#include "editors/EditorGuiSupport.h"

#include "app/QtText.h"
#include "editors/ui/ListMboxSheet.h"
#include "editors/ui/MboxRangePanel.h"
#include "editors/ui/WizDefMboxSheet.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <set>

namespace kiv::test {
namespace {

void Type(QLineEdit* field, const char* text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

std::vector<std::string> Numbers(const editors::CMboxList& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list.Record(i).number);
    return out;
}

// Finish; the sheet's result once it closed, Rejected while it stays open.
int Finish(CPropertySheet& sheet) {
    sheet.FinishButton()->click();
    return sheet.isVisible() ? int(QDialog::Rejected) : sheet.result();
}

class WizDefMboxSheetTest : public ::testing::Test {
  protected:
    RecordingSink sink;
    CScriptedShell shell{sink};
};

TEST_F(WizDefMboxSheetTest, FromTheListTabItCreatesTheRangeWithTheDocumentsDigitCount) {
    auto doc = MakeDoc(1, {"2001"}, 4);
    CListMboxSheet sheet(*doc, shell, nullptr);
    ShowActive(sheet);
    CListMboxPage* page = sheet.ListPage();

    // Annulla creates nothing.
    shell.handlers.push_back([](QDialog& dialog) {
        auto& range = static_cast<CWizDefMboxSheet&>(dialog);
        Type(range.RangePage()->Range()->From(), "3000");
        Type(range.RangePage()->Range()->To(), "3001");
        return PressCancel(range);
    });
    Find<QPushButton>(*page, "mboxCreateRange")->click();
    EXPECT_EQ(Numbers(page->Model()), (std::vector<std::string>{"2001"}));

    shell.handlers.push_back([this](QDialog& dialog) {
        auto& range = static_cast<CWizDefMboxSheet&>(dialog);
        EXPECT_EQ(range.windowTitle(), "Crea Intervallo");
        EXPECT_FALSE(range.BackButton()->isEnabled());
        EXPECT_FALSE(range.NextButton()->isEnabled());
        EXPECT_TRUE(range.FinishButton()->isEnabled());
        CMboxRangePanel* panel = range.RangePage()->Range();
        EXPECT_EQ(
            Find<QLabel>(range, "rangeHint")->text(),
            ToQString("Su questa finestra si pu\xF2 aprire un intervallo di Caselle Vocali."));
        EXPECT_EQ(panel->Notify()->currentText(), "Nessuna");
        EXPECT_EQ(panel->CreateButton(), nullptr);
        // Three digits do not suit the document's four.
        Type(panel->From(), "100");
        Type(panel->To(), "102");
        EXPECT_EQ(Finish(range), QDialog::Rejected);
        EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Errore inserimento"});
        EXPECT_EQ(QApplication::focusWidget(), panel->From());
        Type(panel->From(), "1000");
        Type(panel->To(), "1002");
        return Finish(range);
    });
    Find<QPushButton>(*page, "mboxCreateRange")->click();
    EXPECT_TRUE(shell.handlers.empty());
    EXPECT_EQ(shell.opened, (std::vector<QString>{"wizDefMboxSheet", "wizDefMboxSheet"}));
    EXPECT_EQ(sink.messages.size(), 1u);

    const editors::CMboxList& list = page->Model();
    ASSERT_EQ(Numbers(list), (std::vector<std::string>{"1000", "1001", "1002", "2001"}));
    std::set<int> used;
    for (int row = 0; row < list.Count(); ++row) {
        EXPECT_EQ(list.Record(row).localNotify, 0) << row;
        used.insert(list.Record(row).slot);
    }
    EXPECT_EQ(used, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(list.Record(3).slot, 0) << "the mailbox that was there keeps its slot";
    EXPECT_EQ(page->List()->topLevelItemCount(), 4);
    EXPECT_EQ(page->List()->topLevelItem(1)->text(0), "1001");
    EXPECT_EQ(page->List()->topLevelItem(1)->text(4), "Nessuna");

    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->mboxCount, 4);
    EXPECT_EQ(doc->mailboxes[2].number, "1002");
}

TEST_F(WizDefMboxSheetTest, EachRefusalKeepsTheSheetOnItsFieldAndCreatesNothing) {
    auto doc = MakeDoc(2, {"201", "205"}); // "RZ 8 Mbx": 8 mailboxes at most
    const editors::CMboxList list(*doc);
    CWizDefMboxSheet sheet(list, 3, shell);
    ShowActive(sheet);
    CMboxRangePanel* panel = sheet.RangePage()->Range();
    struct Case {
        const char* from;
        const char* to;
        QLineEdit* field;
        const char* message;
    };
    const Case cases[] = {
        {"21", "216", panel->From(), "Errore inserimento"},
        {"", "216", panel->From(), "Errore inserimento"},
        {"210", "2160", panel->To(), "Errore inserimento"},
        {"216", "210", panel->From(), "Errore inserimento"},
        {"210", "218", panel->To(), "Errore inserimento"}, // 9 numbers, S - 2 = 7
        {"099", "100", panel->From(), "Numero Casella inserito non valido"},
        {"203", "206", panel->From(), "Casella Vocale esistente"},
        {"210", "216", panel->From(), "Non si possono definire pi\xF9 di 8 Caselle Vocali"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + "-" + c.to);
        sink.messages.clear();
        Type(panel->From(), c.from);
        Type(panel->To(), c.to);
        ASSERT_EQ(Finish(sheet), QDialog::Rejected);
        EXPECT_EQ(sink.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(QApplication::focusWidget(), c.field);
        EXPECT_EQ(c.field->selectedText(), c.field->text());
        EXPECT_EQ(Numbers(sheet.Result()), (std::vector<std::string>{"201", "205"}));
    }

    sink.messages.clear();
    Type(panel->From(), "210");
    Type(panel->To(), "215");
    ASSERT_EQ(Finish(sheet), QDialog::Accepted);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(Numbers(sheet.Result()),
              (std::vector<std::string>{"201", "205", "210", "211", "212", "213", "214", "215"}));
    EXPECT_EQ(sheet.Result().Record(7).localNotify, 0);
    EXPECT_EQ(Numbers(list), (std::vector<std::string>{"201", "205"})) << "the caller's list";
}

TEST_F(WizDefMboxSheetTest, BothFieldsEmptyFinishAndCreateNothing) {
    auto doc = MakeDoc(1, {"201"});
    CWizDefMboxSheet sheet(editors::CMboxList(*doc), 3, shell);
    ShowActive(sheet);
    CMboxRangePanel* panel = sheet.RangePage()->Range();
    panel->Notify()->setCurrentIndex(2);
    EXPECT_EQ(Finish(sheet), QDialog::Accepted);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(Numbers(sheet.Result()), (std::vector<std::string>{"201"}));
}

TEST_F(WizDefMboxSheetTest, Screenshot) {
    auto doc = MakeDoc(1, {"201"});
    CWizDefMboxSheet sheet(editors::CMboxList(*doc), 3, shell);
    ShowActive(sheet);
    Type(sheet.RangePage()->Range()->From(), "300");
    Type(sheet.RangePage()->Range()->To(), "309");
    const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    EXPECT_TRUE(sheet.grab().save(QDir(dir).filePath("wizard-range-sheet.png")));
}

} // namespace
} // namespace kiv::test
