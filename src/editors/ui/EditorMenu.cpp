#include "editors/ui/EditorMenu.h"

#include "app/MainFrame.h"
#include "app/Profile.h"
#include "app/QelApp.h"
#include "editors/ui/EditorCommands.h"
#include "editors/ui/PbxCommands.h"
#include "editors/ui/TimeDateSheet.h"

namespace kiv {

namespace {

void AttachEditorCommands(CMainFrame& frame) {
    CMainFrame* f = &frame;
    frame.SetCommand("actionMailboxList", [f] {
        if (RunListMboxCommand(f->Doc(), f->Dialogs(), f, &f->Profile().Settings()))
            f->DocumentChanged();
    });
    frame.SetCommand("actionMailboxGroups", [f] {
        if (RunGroupMboxCommand(f->Doc(), f->Dialogs(), f)) f->DocumentChanged();
    });
    frame.SetCommand("actionPbxParameters", [f] {
        if (RunPbxParamCommand(f->Doc(), f->Dialogs(), f)) f->DocumentChanged();
    });
    frame.SetCommand("actionNotification", [f] {
        if (RunNotificationCommand(f->Doc(), f->Dialogs(), f)) f->DocumentChanged();
    });
    frame.SetCommand("actionSystemParameters", [f] {
        if (RunGeneralParamCommand(f->Doc(), f->Dialogs(), f)) f->DocumentChanged();
    });
    frame.SetCommand("actionTimeDate", [f] {
        if (RunTimeDateCommand(f->Doc(), f->Dialogs(), f)) f->DocumentChanged();
    });
}

} // namespace

void InstallEditorCommands(CQelApp& app) {
    app.StartupHooks().frameCreated.push_back([](CQelApp& a) { AttachEditorCommands(*a.Frame()); });
}

} // namespace kiv
