#include "unit/transfer/ui/BackupCommands.h"

#include "app/MainFrame.h"
#include "app/QelApp.h"
#include "app/ShellDialogs.h"
#include "unit/transfer/ui/BackupDlg.h"
#include "unit/transfer/ui/RestoreDlg.h"
#include "unit/transfer/ui/SysInitDlg.h"
#include "unit/transfer/ui/UnitCommands.h"

namespace kiv {

namespace {

template <class Dialog> void RunDialog(CQelApp& app) {
    auto* unit = app.FindPart<CUnitCommands>();
    if (!unit) return;
    Dialog dialog(unit->Context(), app.Doc(), app.Sink(), app.Dialogs(), app.Frame());
    app.Dialogs().Exec(dialog);
}

} // namespace

void InstallBackupCommands(CQelApp& app) {
    app.StartupHooks().frameCreated.push_back([](CQelApp& a) {
        a.Frame()->SetCommand("actionBackup", [&a] { RunDialog<CBackupDlg>(a); });
        a.Frame()->SetCommand("actionRestore", [&a] { RunDialog<CRestoreDlg>(a); });
        a.Frame()->SetCommand("actionSystemInit", [&a] { RunDialog<CSysInitDlg>(a); });
    });
}

} // namespace kiv
