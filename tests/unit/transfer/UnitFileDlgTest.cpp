// The whole-unit transfer windows offscreen: an empty name is refused before
// anything starts, and "&Sfoglia..." opens the chooser for the window's kind of
// file in the configuration's folder for it.
#include "app/ShellDialogs.h"
#include "document/DocCommands.h"
#include "document/QelDoc.h"
#include "unit/transfer/ui/BackupDlg.h"
#include "unit/transfer/ui/RestoreDlg.h"
#include "unit/transfer/ui/SysInitDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace kiv {
namespace {

struct ScriptedChooser : CShellDialogs {
    using CShellDialogs::CShellDialogs;
    std::optional<QString> OpenFileName(QWidget*, const QString& filter, const QString& folder,
                                        const QString&) override {
        asked.push_back("open " + filter + " in " + folder);
        return answer;
    }
    std::optional<QString> SaveFileName(QWidget*, const QString& filter, const QString& folder,
                                        const QString& name) override {
        asked.push_back("save " + filter + " in " + folder + " as " + name);
        return answer;
    }
    std::vector<QString> asked;
    std::optional<QString> answer;
};

struct UnitFileDlgTest : ::testing::Test {
    UnitFileDlgTest() {
        NewConfiguration(doc, 0);
        doc.fileLocation[2] = "/images";
        doc.fileLocation[3] = "/backups";
    }
    RecordingSink sink;
    ScriptedChooser chooser{sink};
    CLinkContext context;
    CQelDoc doc;
};

TEST_F(UnitFileDlgTest, AnEmptyNameIsRefusedBeforeAnythingStarts) {
    CBackupDlg dialog(context, doc, sink, chooser);
    EXPECT_EQ(dialog.windowTitle(), "Salvataggio");
    dialog.FileField()->clear();
    dialog.Start();
    EXPECT_FALSE(dialog.Started());
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Errore inserimento"});
}

TEST_F(UnitFileDlgTest, BrowseOffersTheKindOfFileInItsFolder) {
    doc.lastRestoreFile = "old";
    CBackupDlg backup(context, doc, sink, chooser);
    CRestoreDlg restore(context, doc, sink, chooser);
    CSysInitDlg init(context, doc, sink, chooser);
    EXPECT_EQ(restore.windowTitle(), "Ripristina");
    EXPECT_EQ(init.windowTitle(), "Inizializzazione Sistema");
    // The restore window opens with the name last used for a restore.
    EXPECT_EQ(restore.FileField()->text(), "old");

    chooser.answer = "/backups/unit.wax";
    backup.FileField()->setText("typed");
    backup.BrowseButton()->click();
    EXPECT_EQ(backup.FileField()->text(), "/backups/unit.wax");
    restore.BrowseButton()->click();
    chooser.answer.reset(); // Annulla keeps the name
    init.FileField()->setText("typed");
    init.BrowseButton()->click();
    EXPECT_EQ(init.FileField()->text(), "typed");
    EXPECT_EQ(chooser.asked, (std::vector<QString>{
                                 "save Files WAX (wax) (*.wax) in /backups as typed",
                                 "open Files WAX (wax) (*.wax) in /backups",
                                 "open Files VOX (vox) (*.vox) in /images",
                             }));
}

} // namespace
} // namespace kiv
