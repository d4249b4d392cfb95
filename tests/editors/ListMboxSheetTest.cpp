// "Lista Caselle" and "Parametri Casella" as the user drives them.
#include "EditorGuiSupport.h"

#include "editors/MboxList.h"
#include "editors/MboxRefs.h"
#include "editors/Texts.h"
#include "editors/ui/EditMboxPage.h"
#include "editors/ui/EditMboxSheet.h"
#include "editors/ui/EditorCommands.h"
#include "editors/ui/ListMboxPage.h"
#include "editors/ui/ListMboxSheet.h"
#include "editors/ui/SpinEdit.h"
#include "unit/stats/ui/StatCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace kiv::test {
namespace {

namespace t = editors::texts;
using Texts = std::vector<std::string>;

Texts Column(const QTreeWidget& list, int column) {
    Texts cells;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        cells.push_back(list.topLevelItem(row)->text(column).toStdString());
    return cells;
}

class ListMboxSheetTest : public ::testing::Test {
  protected:
    RecordingSink sink;
    CScriptedShell shell{sink};
};

TEST_F(ListMboxSheetTest, AddOnAFullUnitShowsTheLimitAndOpensNoEditor) {
    auto doc = MakeDoc(3, {"101", "102"}); // "RZ 2 Mbx"
    CListMboxSheet sheet(*doc, shell, nullptr);
    Find<QPushButton>(sheet, "mboxAdd")->click();
    Find<QPushButton>(sheet, "mboxCopy")->click();
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(sink.Texts(), Texts(2, t::kLimit2));
    EXPECT_EQ(sheet.ListPage()->List()->topLevelItemCount(), 2);
}

TEST_F(ListMboxSheetTest, AddRefusesNumbersThatAreNotFourDigitsThenRefusesADuplicate) {
    auto doc = MakeDoc(0, {"2000"}, 4);
    CListMboxSheet sheet(*doc, shell, nullptr);
    std::vector<QString> typedNumbers{"1234", "2000"};
    // The mailbox editor runs through the sheet's dialogs, twice.
    const CScriptedShell::Handler typeNumber = [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Nuova Casella");
        auto* number = Find<QLineEdit>(dialog, "mboxNumber");
        EXPECT_TRUE(number->isEnabled());
        for (const char* typed : {"0123", "12a4", "123"}) {
            number->setText(typed);
            EXPECT_EQ(PressOk(dialog), QDialog::Rejected) << typed;
            EXPECT_TRUE(number->hasFocus()) << typed;
            EXPECT_EQ(number->selectedText(), typed);
        }
        number->setText(typedNumbers.front());
        typedNumbers.erase(typedNumbers.begin());
        return PressOk(dialog);
    };
    shell.handlers = {typeNumber, typeNumber};
    QTreeWidget* list = sheet.ListPage()->List();
    Find<QPushButton>(sheet, "mboxAdd")->click();
    EXPECT_EQ(Column(*list, 0), (Texts{"1234", "2000"}));
    EXPECT_EQ(Find<QLineEdit>(sheet, "mboxTotal")->text(), "2");
    EXPECT_EQ(sink.Texts(), Texts(3, t::kInvalidMboxNumber));

    // The editor takes a well-formed number; the list refuses the duplicate.
    sink.messages.clear();
    Find<QPushButton>(sheet, "mboxAdd")->click();
    EXPECT_EQ(sink.Texts().back(), t::kMboxExists);
    EXPECT_EQ(list->topLevelItemCount(), 2);
}

TEST_F(ListMboxSheetTest, VirtualMailboxIsAlwaysDoNotDisturbAndHasNoLocalNotification) {
    CEditMboxSheet sheet(editors::NewMboxTemplate(), 3, true, shell);
    ShowActive(sheet);
    Find<QLineEdit>(sheet, "mboxNumber")->setText("200");
    auto* type = Find<QComboBox>(sheet, "mboxType");
    auto* dnd = Find<QCheckBox>(sheet, "mboxDnd");
    auto* local = Find<QComboBox>(sheet, "mboxLocalNotify");

    type->setCurrentIndex(1); // "Virtuale"
    EXPECT_TRUE(dnd->isChecked());
    EXPECT_FALSE(dnd->isEnabled());
    local->setCurrentIndex(1); // "Led Messaggio 1"
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    EXPECT_EQ(sink.Texts(), Texts{t::kVirtualNoLocalNotify});
    EXPECT_TRUE(local->hasFocus());

    type->setCurrentIndex(0); // back to "Reale"
    EXPECT_TRUE(dnd->isEnabled());
    EXPECT_FALSE(dnd->isChecked());
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    const MboxRecord result = sheet.Result();
    EXPECT_EQ(result.number, "200");
    EXPECT_EQ(result.type, 0);
    EXPECT_EQ(result.localNotify, 1);
    EXPECT_EQ(result.dnd, 0);
}

TEST_F(ListMboxSheetTest, AllowedBoxAndNumbersLeftWithoutIt) {
    CEditMboxSheet sheet(editors::NewMboxTemplate(), 3, true, shell);
    ShowActive(sheet);
    Find<QLineEdit>(sheet, "mboxNumber")->setText("200");
    auto* allowed = Find<QCheckBox>(sheet, "mboxAllowed");
    auto* phoneOn = Find<QCheckBox>(sheet, "mboxPhoneEnabled");
    auto* pagerOn = Find<QCheckBox>(sheet, "mboxPagerEnabled");
    auto* phone = Find<QLineEdit>(sheet, "mboxPhone");
    auto* pager = Find<QLineEdit>(sheet, "mboxPager");

    phoneOn->click();
    EXPECT_TRUE(allowed->isChecked()) << "an enabled number needs \"Autorizzata\"";
    pagerOn->click();
    phone->setText("0612345");
    pager->setText("0698X#");
    allowed->click();
    EXPECT_FALSE(phoneOn->isChecked());
    EXPECT_FALSE(pagerOn->isChecked());
    EXPECT_EQ(phone->text(), "0612345") << "the numbers stay";

    // The phone's own box is off, yet a number left without "Autorizzata"
    // is refused, on the phone field with its text selected.
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    EXPECT_EQ(sink.Texts(), Texts{t::kInputError});
    EXPECT_TRUE(phone->hasFocus());
    EXPECT_EQ(phone->selectedText(), "0612345");

    phone->clear();
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected) << "the pager's number is left too";
    EXPECT_TRUE(pager->hasFocus());
    pagerOn->click();
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
}

TEST_F(ListMboxSheetTest, ChangeKeepsTheNumberAndResetRestoresTheDefaultPassword) {
    auto doc = MakeDoc(0, {"100", "300"});
    doc->mailboxes[1].password = "9876";
    doc->mailboxes[1].slot = 7;
    CListMboxSheet sheet(*doc, shell, nullptr);
    QTreeWidget* list = sheet.ListPage()->List();
    EXPECT_EQ(Column(*list, 3), (Texts{"6071", "****"}));

    shell.handlers.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Modifica una Casella");
        EXPECT_FALSE(Find<QLineEdit>(dialog, "mboxNumber")->isEnabled());
        auto* password = Find<QLineEdit>(dialog, "mboxPassword");
        EXPECT_EQ(password->text(), "****");
        Find<QPushButton>(dialog, "mboxPasswordReset")->click();
        EXPECT_EQ(password->text(), "6071");
        Find<QComboBox>(dialog, "mboxLanguage")->setCurrentIndex(2);
        return PressOk(dialog);
    });
    sheet.ListPage()->SelectRow(1);
    Find<QPushButton>(sheet, "mboxChange")->click();
    EXPECT_EQ(Column(*list, 3), (Texts{"6071", "6071"}));
    EXPECT_EQ(Column(*list, 12), (Texts{"Primo", "Terzo"}));
    EXPECT_EQ(sheet.ListPage()->SelectedRow(), 1);
    EXPECT_EQ(sheet.ListPage()->Model().Record(1).slot, 7);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ListMboxSheetTest, StatisticsOpensTheSelectedMailboxsMessageList) {
    // What the statistics installer sets in kiv.
    SetMboxStatisticsOpener(&RunMboxMsgListCommand);
    auto doc = MakeDoc(0, {"100", "300"});
    CListMboxSheet sheet(*doc, shell, nullptr);
    QPushButton* statistics = Find<QPushButton>(sheet, "mboxStatistics");
    ASSERT_TRUE(statistics->isEnabled());
    sheet.ListPage()->List()->clearSelection();
    statistics->click();
    EXPECT_TRUE(shell.opened.empty()) << "nothing selected: nothing opens";

    std::string shown;
    shell.handlers.push_back([&shown](QDialog& dialog) {
        shown = Find<QLineEdit>(dialog, "msgMailboxNumber")->text().toStdString();
        return int(QDialog::Rejected);
    });
    sheet.ListPage()->SelectRow(1);
    statistics->click();
    EXPECT_EQ(shell.opened, std::vector<QString>{"CMboxMsgListDlg"});
    EXPECT_EQ(shown, "300");
}

// The document's parts that "Lista Caselle" may write.
struct ListSnapshot {
    explicit ListSnapshot(const CQelDoc& doc)
        : count(doc.mboxCount), mailboxes(doc.mailboxes), supervisor(doc.supervisorMbox),
          pages(doc.pages), inBand(doc.inBand), listenKey(doc.listenKey),
          archiveDays(doc.archiveDays), modified(doc.modified) {}
    bool operator==(const ListSnapshot&) const = default;
    int count;
    std::array<MboxRecord, 129> mailboxes;
    std::string supervisor;
    editors::PageTable pages;
    editors::InBandTable inBand;
    int listenKey;
    int archiveDays;
    bool modified;
};

class ListMboxCommandTest : public ListMboxSheetTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(profileDir.isValid());
        profile = std::make_unique<QSettings>(profileDir.filePath("KIV.INI"), QSettings::IniFormat);
        profile->setValue("ListMbox/Phone", 155);
        // 100 slot 0, 200 slot 1, 300 slot 2; page 3 key 1 and in-band event
        // 25 go to 300, which a delete of 100 moves to slot 1.
        doc = MakeDoc(0, {"100", "200", "300"});
        doc->operatorKey = 0;
        doc->listenKey = 9;
        doc->pages[3][1] = PageEntry{kPageOpToMailbox, {2, 0, 0, 0}, 0};
        doc->inBand[25].operation = kInBandOpToMailbox;
        doc->inBand[25].target[0] = 2;
        doc->inBand[25].targetLength = 1;
        doc->pages[4][2] = PageEntry{kPageOpToMailbox, {1, 0, 0, 0}, 0}; // 200 in use
    }

    // Several edits, then OK or Cancel.
    bool Run(bool ok) {
        shell.handlers.push_back([this, ok](QDialog& dialog) {
            auto& sheet = dynamic_cast<CListMboxSheet&>(dialog);
            CListMboxPage* page = sheet.ListPage();
            EXPECT_EQ(page->List()->header()->sectionSize(7), 155) << "width from the profile";
            Find<QPushButton>(sheet, "mboxAdd")->click(); // runs the next handler
            page->SelectRow(1);
            Find<QPushButton>(sheet, "mboxDelete")->click(); // 200: refused
            page->SelectRow(0);
            Find<QPushButton>(sheet, "mboxDelete")->click(); // 100
            Find<QPushButton>(sheet, "mboxCopy")->click();
            Find<QComboBox>(sheet, "mboxSupervisor")->setCurrentText("300");
            EXPECT_TRUE(sheet.SetActivePage(1));
            Find<CSpinEdit>(sheet, "archiveDays")->SetText("45");
            return ok ? PressOk(dialog) : PressCancel(dialog);
        });
        shell.handlers.push_back([](QDialog& dialog) {
            Find<QLineEdit>(dialog, "mboxNumber")->setText("250");
            return PressOk(dialog);
        });
        return RunListMboxCommand(*doc, shell, nullptr, profile.get());
    }

    QTemporaryDir profileDir;
    std::unique_ptr<QSettings> profile;
    std::unique_ptr<CQelDoc> doc;
    CScriptedShell shell{sink};
};

TEST_F(ListMboxCommandTest, CancelAfterSeveralEditsLeavesTheDocumentUntouched) {
    const ListSnapshot before(*doc);
    EXPECT_FALSE(Run(false));
    EXPECT_EQ(shell.opened, (std::vector<QString>{"listMboxSheet", "editMboxSheet"}));
    EXPECT_EQ(sink.Texts(),
              Texts{"La Casella \xE8 in uso nella Pagina 4 e non si pu\xF2 cancellare"});
    EXPECT_TRUE(ListSnapshot(*doc) == before);
}

TEST_F(ListMboxCommandTest, OkTakesEveryEditOverAndKeepsTheReferencesOnTheirMailboxes) {
    EXPECT_TRUE(Run(true));
    EXPECT_TRUE(doc->modified);
    ASSERT_EQ(doc->mboxCount, 4);
    Texts numbers;
    for (int i = 0; i < doc->mboxCount; ++i)
        numbers.push_back(doc->mailboxes[static_cast<std::size_t>(i)].number);
    EXPECT_EQ(numbers, (Texts{"200", "250", "300", "301"}));
    const auto slotOf = [this](const std::string& number) {
        for (int i = 0; i < doc->mboxCount; ++i)
            if (doc->mailboxes[static_cast<std::size_t>(i)].number == number)
                return int(doc->mailboxes[static_cast<std::size_t>(i)].slot);
        return -1;
    };
    EXPECT_EQ(doc->pages[3][1].target[0], slotOf("300"));
    EXPECT_EQ(doc->inBand[25].target[0], slotOf("300"));
    EXPECT_EQ(doc->pages[4][2].target[0], slotOf("200"));
    EXPECT_EQ(doc->supervisorMbox, "300");
    EXPECT_EQ(doc->archiveDays, 45);
    profile->sync();
    const QSettings fresh(profileDir.filePath("KIV.INI"), QSettings::IniFormat);
    EXPECT_EQ(fresh.value("ListMbox/Phone").toInt(), 155);
    for (const auto& column : editors::kMboxColumns)
        EXPECT_GT(fresh.value(QString("ListMbox/") + column.profileKey).toInt(), 0)
            << column.profileKey;
}

TEST_F(ListMboxSheetTest, RetrievalKeyMustDifferFromTheOperatorKey) {
    auto doc = MakeDoc(0, {"100"});
    doc->operatorKey = 0;
    CListMboxSheet sheet(*doc, shell, nullptr);
    ShowActive(sheet);
    ASSERT_TRUE(sheet.SetActivePage(1));
    auto* key = Find<CSpinEdit>(sheet, "listenKey");
    auto* days = Find<CSpinEdit>(sheet, "archiveDays");
    EXPECT_EQ(Find<QLineEdit>(sheet, "operatorKey")->text(), "0");
    for (const char* refused : {"0", "a"}) { // a letter reads as 0
        key->SetText(refused);
        EXPECT_FALSE(sheet.SetActivePage(0)) << refused;
        EXPECT_TRUE(key->hasFocus());
    }
    key->SetText("5");
    days->SetText("100");
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    EXPECT_TRUE(days->hasFocus());
    EXPECT_EQ(sink.Texts(), Texts(3, t::kInputError));
    days->SetText("0");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
}

} // namespace
} // namespace kiv::test
