#include "editors/ui/EditorCommands.h"

#include "app/ShellDialogs.h"
#include "document/QelDoc.h"
#include "editors/ui/GeneralParamSheet.h"
#include "editors/ui/GroupMboxSheet.h"
#include "editors/ui/ListMboxSheet.h"

namespace kiv {

namespace {

template <class Sheet> bool RunSheet(Sheet& sheet, CQelDoc& doc, CShellDialogs& dialogs) {
    if (dialogs.Exec(sheet) != QDialog::Accepted) return false;
    sheet.ApplyTo(doc);
    doc.modified = true;
    return true;
}

} // namespace

bool RunListMboxCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent, QSettings* profile) {
    CListMboxSheet sheet(doc, dialogs.Sink(), profile, parent);
    sheet.SetDialogRunner([&dialogs](QDialog& dialog) { return dialogs.Exec(dialog); });
    return RunSheet(sheet, doc, dialogs);
}

bool RunGroupMboxCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    CGroupMboxSheet sheet(doc, dialogs.Sink(), parent);
    return RunSheet(sheet, doc, dialogs);
}

bool RunGeneralParamCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    CGeneralParamSheet sheet(doc, dialogs.Sink(), parent);
    return RunSheet(sheet, doc, dialogs);
}

} // namespace kiv
