#include "editors/ui/EditorCommands.h"

#include "document/QelDoc.h"
#include "editors/ui/GeneralParamSheet.h"
#include "editors/ui/GroupMboxSheet.h"
#include "editors/ui/ListMboxSheet.h"

namespace kiv {

bool RunListMboxCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent, QSettings* profile) {
    CListMboxSheet sheet(doc, dialogs, profile, parent);
    return RunSheet(sheet, doc);
}

bool RunGroupMboxCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    CGroupMboxSheet sheet(doc, dialogs, parent);
    return RunSheet(sheet, doc);
}

bool RunGeneralParamCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    CGeneralParamSheet sheet(doc, dialogs, parent);
    return RunSheet(sheet, doc);
}

} // namespace kiv
