// The pieces the editors and transfers build on: the installer list, the
// sheets' dialogs and RunSheet, checkable and grouped frame commands, and
// Qt's own dialogs in Italian.
#include "AppTestSupport.h"

#include "app/MainFrame.h"
#include "app/PropertyPage.h"
#include "app/PropertySheet.h"
#include "document/QelDoc.h"
#include "kiv/Installers.h"
#include "unit/transfer/ui/UnitCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kiv::test {
namespace {

using ShellPiecesTest = AppTest;

TEST_F(ShellPiecesTest, TheInstallerListAttachesEverySubsystemsCommands) {
    const QStringList installed{"actionSerialPort",       "actionPassword",
                                "actionReadParameters",   "actionSendParameters",
                                "actionMailboxList",      "actionMailboxGroups",
                                "actionSystemParameters", "actionCompareWithUnit"};
    // Without the installers those commands stay disabled.
    auto bare = Start();
    ASSERT_TRUE(bare);
    for (const QString& name : installed)
        EXPECT_FALSE(bare->Frame()->Action(name)->isEnabled()) << name.toStdString();
    bare.reset();

    prepare = [](CQelApp& app) { InstallSubsystems(app); };
    dialogs.productTypes.clear();
    auto app = Start();
    ASSERT_TRUE(app);
    for (const QString& name : installed)
        EXPECT_TRUE(app->Frame()->Action(name)->isEnabled()) << name.toStdString();
    EXPECT_NE(app->FindPart<CUnitCommands>(), nullptr) << "the link's commands live with the app";
    // The start-up steps came through the list too: the port dialog ran.
    EXPECT_NE(std::find(dialogs.execCalls.begin(), dialogs.execCalls.end(), "CPortSelectDlg"),
              dialogs.execCalls.end());
}

// A page that opens a sub-sheet and a file dialog through its sheet.
class NestingPage : public CPropertyPage {
  public:
    NestingPage() : CPropertyPage("Pagina") {
        auto* open = new QPushButton("Apri", this);
        (new QVBoxLayout(this))->addWidget(open);
        connect(open, &QPushButton::clicked, this, [this] {
            CPropertySheet sub("Sotto", Dialogs(), this);
            sub.setObjectName("subSheet");
            subResult = Dialogs().Exec(sub);
            file = Dialogs().OpenFileName(this, "*.wax", "/tmp");
        });
    }
    int subResult = -1;
    std::optional<QString> file;
};

class DocSheet : public CPropertySheet {
  public:
    DocSheet(CShellDialogs& dialogs, int digits)
        : CPropertySheet("Prova", dialogs), page(new NestingPage), value(digits) {
        setObjectName("docSheet");
        AddPage(page);
    }
    void ApplyTo(CQelDoc& doc) const { doc.extDigits = value; }
    NestingPage* page;
    int value;
};

TEST_F(ShellPiecesTest, APageRunsNestedDialogsThroughItsSheetAndRunSheetAppliesOnlyOnOk) {
    CQelDoc doc;
    doc.extDigits = 3;
    DocSheet sheet(dialogs, 4);
    dialogs.openNames = {QString("/tmp/x.wax")};
    dialogs.onExec = [](QDialog& dialog) {
        return dialog.objectName() == "subSheet" ? int(QDialog::Accepted) : int(QDialog::Rejected);
    };
    sheet.findChild<QPushButton*>()->click();
    EXPECT_EQ(sheet.page->subResult, QDialog::Accepted);
    EXPECT_EQ(sheet.page->file, QString("/tmp/x.wax"));
    ASSERT_EQ(dialogs.openCalls.size(), 1u);
    EXPECT_EQ(dialogs.openCalls[0].filter, "*.wax");
    EXPECT_EQ(dialogs.execCalls, std::vector<QString>{"subSheet"});

    // Cancel: nothing goes back.
    EXPECT_FALSE(RunSheet(sheet, doc));
    EXPECT_EQ(doc.extDigits, 3);
    EXPECT_FALSE(doc.modified);
    // OK: the sheet's values go back and the document is modified.
    dialogs.onExec = [](QDialog&) { return int(QDialog::Accepted); };
    EXPECT_TRUE(RunSheet(sheet, doc));
    EXPECT_EQ(doc.extDigits, 4);
    EXPECT_TRUE(doc.modified);
}

TEST_F(ShellPiecesTest, PrintSectionItemsCarryOneCheckMarkThatFollowsTheState) {
    auto app = Start();
    ASSERT_TRUE(app);
    CMainFrame* frame = app->Frame();
    int section = 0;
    bool refuse = false;
    const std::vector<std::pair<QString, int>> items{
        {"actionPrintAll", 0}, {"actionPrintPbx", 1}, {"actionPrintMailboxes", 8}};
    for (const auto& [name, code] : items) {
        const int c = code;
        frame->SetCommand(
            name,
            [&, c] {
                if (!refuse) section = c;
            },
            {}, [&, c] { return section == c; });
    }
    QAction* all = frame->Action("actionPrintAll");
    QAction* pbx = frame->Action("actionPrintPbx");
    QAction* mailboxes = frame->Action("actionPrintMailboxes");
    ASSERT_NE(all->actionGroup(), nullptr);
    EXPECT_EQ(all->actionGroup(), mailboxes->actionGroup());
    EXPECT_TRUE(all->isCheckable());
    EXPECT_TRUE(all->isChecked());
    EXPECT_FALSE(pbx->isChecked());

    pbx->trigger();
    EXPECT_EQ(section, 1);
    EXPECT_TRUE(pbx->isChecked());
    EXPECT_FALSE(all->isChecked());

    // A command that leaves the state as it was keeps the mark where it was.
    refuse = true;
    mailboxes->trigger();
    EXPECT_TRUE(pbx->isChecked());
    EXPECT_FALSE(mailboxes->isChecked());
    // The state changed elsewhere: the next update moves the mark.
    section = 8;
    frame->UpdateCommands();
    EXPECT_TRUE(mailboxes->isChecked());
    EXPECT_FALSE(pbx->isChecked());
}

// The file dialog the program shows, inspected and cancelled.
class FileDialogButtons : public CShellDialogs {
  public:
    using CShellDialogs::CShellDialogs;
    int Exec(QDialog& dialog) override {
        if (auto* box = dialog.findChild<QDialogButtonBox*>())
            for (QAbstractButton* button : box->buttons())
                buttons << button->text().remove('&');
        return QDialog::Rejected;
    }
    QStringList buttons;
};

// The file types a real file dialog lists, inspected and cancelled.
class FileDialogTypes : public CShellDialogs {
  public:
    using CShellDialogs::CShellDialogs;
    int Exec(QDialog& dialog) override {
        types.clear();
        if (auto* combo = dialog.findChild<QComboBox*>("fileTypeCombo"))
            for (int i = 0; i < combo->count(); ++i)
                types << combo->itemText(i);
        return QDialog::Rejected;
    }
    QStringList types;
};

// A caption that shows its own patterns is shown alone; any other caption
// keeps the patterns beside it.
TEST_F(ShellPiecesTest, FileTypesReadAsTheirCaptions) {
    FileDialogTypes shell(sink);
    shell.OpenFileName(nullptr, "ScriptFiles (*.03,*.21) (*.03 *.21);;All files (*.*) (*.*)",
                       workDir.path());
    EXPECT_EQ(shell.types, (QStringList{"ScriptFiles (*.03,*.21)", "All files (*.*)"}));
    shell.SaveFileName(nullptr, CShellDialogs::Filter("Files KIV", "*.qel"), workDir.path(),
                       "x.qel");
    EXPECT_EQ(shell.types, QStringList{"Files KIV (*.qel)"});
}

TEST_F(ShellPiecesTest, QtsOwnDialogsSpeakItalian) {
    auto app = Start(); // kiv's start-up loads Qt's translations
    ASSERT_TRUE(app);
    FileDialogButtons shell(sink);
    EXPECT_FALSE(shell.OpenFileName(nullptr, "*.qel", workDir.path()));
    EXPECT_TRUE(shell.buttons.contains("Apri")) << shell.buttons.join(", ").toStdString();
    EXPECT_TRUE(shell.buttons.contains("Annulla")) << shell.buttons.join(", ").toStdString();
    shell.buttons.clear();
    EXPECT_FALSE(shell.SaveFileName(nullptr, "*.qel", workDir.path(), "x.qel"));
    EXPECT_TRUE(shell.buttons.contains("Salva")) << shell.buttons.join(", ").toStdString();
}

} // namespace
} // namespace kiv::test
