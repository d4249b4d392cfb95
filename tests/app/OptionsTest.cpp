// The "Opzioni" sheet: toolbar page, folder page, and their effect on OK.
#include "AppTestSupport.h"

#include "app/FileLocPage.h"
#include "app/FolderDlg.h"
#include "app/MainFrame.h"
#include "app/ToolbarPage.h"
#include "app/ToolbarSheet.h"
#include "document/QelDoc.h"

#include <QCheckBox>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolTip>

namespace kiv::test {
namespace {

class OptionsTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        app = Start();
        ASSERT_TRUE(app);
        frame = app->Frame();
        doc = &app->Doc();
    }
    // Runs "Op&zioni"; `edit` plays the user on the open sheet.
    void RunOptions(const std::function<void(CToolbarSheet&)>& edit, bool ok) {
        dialogs.onExec = [&](QDialog& dialog) {
            auto& sheet = dynamic_cast<CToolbarSheet&>(dialog);
            edit(sheet);
            if (ok)
                sheet.OkButton()->click();
            else
                sheet.CancelButton()->click();
            return sheet.result();
        };
        frame->Action("actionOptions")->trigger();
        dialogs.onExec = nullptr;
    }
    std::unique_ptr<CQelApp> app;
    CMainFrame* frame = nullptr;
    CQelDoc* doc = nullptr;
};

TEST_F(OptionsTest, SheetLayout) {
    CToolbarSheet sheet({true, false, true}, false, {}, dialogs);
    EXPECT_EQ(sheet.windowTitle(), "Opzioni");
    EXPECT_EQ(sheet.Tabs()->tabText(0), "Configurazione Barra Strumenti");
    EXPECT_EQ(sheet.Tabs()->tabText(1), "Destinazione File");
    QStringList buttons;
    for (QPushButton* b : sheet.findChildren<QPushButton*>())
        if (b->parent() != sheet.FileLocPage()) buttons << b->text();
    EXPECT_EQ(buttons, (QStringList{"OK", "Annulla", "Aiuto"})) << "no Apply";
    CToolbarPage* page = sheet.ToolbarPage();
    EXPECT_TRUE(page->BarCheck(0)->isChecked());
    EXPECT_FALSE(page->BarCheck(1)->isChecked());
    EXPECT_TRUE(page->HideTips()->isChecked());
}

TEST_F(OptionsTest, OkHidesABarAndSwitchesTooltipsOff) {
    ASSERT_TRUE(frame->ToolTipsOn());
    RunOptions(
        [](CToolbarSheet& sheet) {
            sheet.ToolbarPage()->BarCheck(CMainFrame::CommBar)->setChecked(false);
            sheet.ToolbarPage()->HideTips()->setChecked(true);
        },
        true);
    EXPECT_TRUE(frame->ToolBar(CMainFrame::CommBar)->isHidden());
    EXPECT_FALSE(frame->ToolBar(CMainFrame::MainBar)->isHidden());
    EXPECT_FALSE(frame->ToolTipsOn());

    // A toolbar button no longer shows its tooltip.
    QToolBar* bar = frame->ToolBar(CMainFrame::MainBar);
    QWidget* button = bar->widgetForAction(frame->Action("actionFileOpen"));
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    EXPECT_TRUE(frame->eventFilter(button, &tip));

    // Both settings reach the profile at close.
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(ProfileValue("ToolTips"), "0");
    EXPECT_FALSE(ProfileValue("BarState").isEmpty());
}

TEST_F(OptionsTest, BarStateAndTooltipsComeBackOnTheNextRun) {
    RunOptions(
        [](CToolbarSheet& sheet) {
            sheet.ToolbarPage()->BarCheck(CMainFrame::ParametersBar)->setChecked(false);
            sheet.ToolbarPage()->HideTips()->setChecked(true);
        },
        true);
    ASSERT_TRUE(frame->close());
    app.reset();
    auto next = Start();
    ASSERT_TRUE(next);
    EXPECT_TRUE(next->Frame()->ToolBar(CMainFrame::ParametersBar)->isHidden());
    EXPECT_FALSE(next->Frame()->ToolBar(CMainFrame::MainBar)->isHidden());
    EXPECT_FALSE(next->Frame()->ToolTipsOn());
}

TEST_F(OptionsTest, FolderPageRowsAndButtons) {
    doc->fileLocation[3] = "/backup";
    RunOptions(
        [this](CToolbarSheet& sheet) {
            CFileLocPage* page = sheet.FileLocPage();
            QListWidget* list = page->List();
            ASSERT_EQ(list->count(), 4);
            EXPECT_EQ(list->item(0)->text(), "Files KIV" + QString(17, ' '));
            EXPECT_EQ(list->item(1)->text(), "Files VOX" + QString(17, ' '));
            EXPECT_EQ(list->item(2)->text(), "Files WAX" + QString(16, ' ') + "/backup");
            EXPECT_EQ(list->item(3)->text(), "Files Pagina" + QString(16, ' '));

            // Nothing selected: both buttons do nothing.
            page->Modify();
            page->Clear();
            EXPECT_TRUE(dialogs.folderCalls.empty());
            EXPECT_EQ(page->locations[3], "/backup");

            list->setCurrentRow(3);
            dialogs.folders = {"/rec/pagine"};
            page->Modify();
            ASSERT_EQ(dialogs.folderCalls.size(), 1u);
            EXPECT_EQ(dialogs.folderCalls[0].typeName, "Files Pagina");
            EXPECT_EQ(dialogs.folderCalls[0].filter, "*.*");
            EXPECT_EQ(list->item(3)->text(), "Files Pagina" + QString(16, ' ') + "/rec/pagine");

            list->setCurrentRow(0);
            dialogs.folders = {std::nullopt};
            page->Modify();
            EXPECT_EQ(dialogs.folderCalls[1].filter, "*.qel");
            EXPECT_EQ(dialogs.folderCalls[1].suffix, "qel");
            EXPECT_EQ(page->locations[1], "");

            list->setCurrentRow(2);
            page->Clear();
            EXPECT_EQ(list->item(2)->text(), "Files WAX" + QString(16, ' '));
        },
        true);
    EXPECT_EQ(doc->fileLocation[4], "/rec/pagine");
    EXPECT_EQ(doc->fileLocation[3], "");
}

TEST_F(OptionsTest, FolderPickerShowsTheFolderItDisplays) {
    QDir(workDir.path()).mkdir("wax");
    CFolderDlg dlg(WorkPath("wax"), "Files WAX", "wax", "*.wax");
    EXPECT_EQ(dlg.windowTitle(), "Modifica Posizione Files");
    EXPECT_EQ(dlg.nameFilters(), QStringList{"*.wax"});
    EXPECT_EQ(dlg.defaultSuffix(), "wax");
    EXPECT_EQ(dlg.FolderField()->text(), QDir::toNativeSeparators(WorkPath("wax")));
    dlg.setDirectory(workDir.path());
    emit dlg.directoryEntered(workDir.path());
    EXPECT_EQ(dlg.FolderField()->text(), QDir::toNativeSeparators(workDir.path()));
    EXPECT_EQ(dlg.Folder(), QDir::toNativeSeparators(workDir.path()));
    bool labelled = false;
    for (QLabel* l : dlg.findChildren<QLabel*>())
        labelled |= l->text() == "Nome Cartella:" && l->buddy() == dlg.FolderField();
    EXPECT_TRUE(labelled);
}

TEST_F(OptionsTest, CancelChangesNothing) {
    doc->fileLocation[1] = "/kiv";
    RunOptions(
        [this](CToolbarSheet& sheet) {
            sheet.ToolbarPage()->BarCheck(CMainFrame::MainBar)->setChecked(false);
            sheet.ToolbarPage()->HideTips()->setChecked(true);
            sheet.FileLocPage()->List()->setCurrentRow(0);
            sheet.FileLocPage()->Clear();
        },
        false);
    EXPECT_FALSE(frame->ToolBar(CMainFrame::MainBar)->isHidden());
    EXPECT_TRUE(frame->ToolTipsOn());
    EXPECT_EQ(doc->fileLocation[1], "/kiv");
}

} // namespace
} // namespace kiv::test
