#include "editors/ui/PbxCommands.h"

#include "document/QelDoc.h"
#include "editors/ui/NotificationSheet.h"
#include "editors/ui/PBXParameterSheet.h"

namespace kiv {

bool RunPbxParamCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    CPBXParameterSheet sheet(doc, dialogs, parent);
    return RunSheet(sheet, doc);
}

bool RunNotificationCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    CNotificationSheet sheet(doc, dialogs, parent);
    return RunSheet(sheet, doc);
}

} // namespace kiv
