#include "unit/stats/ui/StatCommands.h"

#include "app/MainFrame.h"
#include "app/QelApp.h"
#include "app/ShellDialogs.h"
#include "document/QelDoc.h"
#include "editors/ui/ListMboxPage.h"
#include "unit/stats/Statistics.h"
#include "unit/stats/ui/MboxMsgListDlg.h"
#include "unit/stats/ui/MsgListDlg.h"
#include "unit/stats/ui/StatDlg.h"

namespace kiv {

bool RunStatCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    CStatDlg dialog(StatInputsOf(doc), dialogs.Sink(), parent);
    dialogs.Exec(dialog);
    if (dialog.Calls() == doc.callsPerLine) return false;
    doc.callsPerLine = dialog.Calls();
    doc.modified = true;
    return true;
}

void RunMsgListCommand(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    CMsgListDlg dialog(doc, dialogs.Sink(), parent);
    dialogs.Exec(dialog);
}

void RunMboxMsgListCommand(const CQelDoc& doc, const std::string& mailbox, CShellDialogs& dialogs,
                           QWidget* parent) {
    CMboxMsgListDlg dialog(doc, mailbox, dialogs.Sink(), parent);
    dialogs.Exec(dialog);
}

void InstallStatCommands(CQelApp& app) {
    // The mailbox list's "Statistiche" opens the mailbox's message list.
    SetMboxStatisticsOpener(&RunMboxMsgListCommand);
    app.StartupHooks().frameCreated.push_back([](CQelApp& a) {
        CMainFrame* f = a.Frame();
        f->SetCommand("actionStatistics", [f] {
            if (RunStatCommand(f->Doc(), f->Dialogs(), f)) f->DocumentChanged();
        });
        f->SetCommand("actionMessageList", [f] { RunMsgListCommand(f->Doc(), f->Dialogs(), f); });
    });
}

} // namespace kiv
