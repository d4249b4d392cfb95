// "Selezione PBX" from the main frame: the installer attaches the command to
// "actionSelectPbx", the database is looked for in the start folder, and the
// chosen model's name becomes the window's title.

#include "../app/AppTestSupport.h"

#include "app/MainFrame.h"
#include "app/QelApp.h"
#include "document/DocCommands.h"
#include "document/QelFile.h"
#include "pbxdb/ui/PbxCommands.h"
#include "pbxdb/ui/PbxSelectDlg.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

namespace kiv::test {
namespace {

class PbxCommandTest : public AppTest {};

TEST_F(PbxCommandTest, TheActionLoadsTheModelChosenInTheStartFolder) {
    const QString family = WorkPath("PBX Data Base/qel");
    ASSERT_TRUE(QDir().mkpath(family));
    CQelDoc model;
    NewConfiguration(model, 0);
    model.extDigits = 4;
    model.faxExt = "4999";
    ASSERT_TRUE(
        WriteFileReplacing((family + "/quattro.qel").toStdString(), StoreConfiguration(model)));
    ASSERT_TRUE(WriteFileReplacing((family + "/PBX.xml").toStdString(),
                                   R"(<db><PBXs><PBX PBXType="Centralino Quattro"
                                   DigitsInExtension="4" FileName="quattro.qel"/></PBXs></db>)"));

    prepare = [](CQelApp& a) { InstallPbxCommands(a); };
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    CMainFrame* frame = app->Frame();
    ASSERT_TRUE(frame->HasCommand("actionSelectPbx"));
    const bool modified = app->Doc().modified;
    app->Doc().neverSaved = false; // as after a save of an earlier configuration

    dialogs.onExec = [](QDialog& dlg) {
        auto* select = dynamic_cast<CPbxSelectDlg*>(&dlg);
        if (!select) return int(QDialog::Rejected);
        select->List()->setCurrentRow(0);
        select->findChild<QAbstractButton*>("okButton")->click();
        return select->result();
    };
    sink.messages.clear();
    frame->Action("actionSelectPbx")->trigger();
    EXPECT_EQ(dialogs.execCalls.back(), "pbxSelectDlg");
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(app->Doc().extDigits, 4);
    EXPECT_EQ(app->Doc().faxExt, "4999");
    EXPECT_EQ(app->Doc().title, "Centralino Quattro");
    EXPECT_EQ(app->Doc().modified, modified);
    EXPECT_TRUE(frame->windowTitle().startsWith("Centralino Quattro - "))
        << frame->windowTitle().toStdString();

    // The model name is no file: "&Salva" asks, even after earlier saves,
    // offering the name with the product type's extension in no other folder.
    sink.messages.clear();
    dialogs.saveNames.push_back(std::nullopt);
    frame->Action("actionFileSave")->trigger();
    ASSERT_EQ(dialogs.saveCalls.size(), 1u);
    EXPECT_EQ(dialogs.saveCalls.back().name, "Centralino Quattro.qel");
    EXPECT_FALSE(QFileInfo::exists(WorkPath("Centralino Quattro.qel")));
    EXPECT_EQ(app->Doc().title, "Centralino Quattro");
}

} // namespace
} // namespace kiv::test
