#include "editors/ui/EditorMenu.h"

#include "app/MainFrame.h"
#include "app/Profile.h"
#include "editors/ui/EditorCommands.h"

namespace kiv {

void InstallEditorCommands(CMainFrame& frame) {
    CMainFrame* f = &frame;
    frame.SetCommand("actionMailboxList", [f] {
        if (RunListMboxCommand(f->Doc(), f->Dialogs(), f, &f->Profile().Settings()))
            f->DocumentChanged();
    });
    frame.SetCommand("actionMailboxGroups", [f] {
        if (RunGroupMboxCommand(f->Doc(), f->Dialogs(), f)) f->DocumentChanged();
    });
    frame.SetCommand("actionSystemParameters", [f] {
        if (RunGeneralParamCommand(f->Doc(), f->Dialogs(), f)) f->DocumentChanged();
    });
}

} // namespace kiv
