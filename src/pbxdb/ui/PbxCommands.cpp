#include "pbxdb/ui/PbxCommands.h"

#include "app/MainFrame.h"
#include "app/QelApp.h"
#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "document/DefaultFiles.h"
#include "document/QelDoc.h"
#include "pbxdb/PbxSelect.h"
#include "pbxdb/ui/PbxIndexReader.h"
#include "pbxdb/ui/PbxSelectDlg.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace kiv {

bool RunSelectPbxCommand(CQelDoc& doc, CShellDialogs& dialogs,
                         const std::vector<std::string>& folders, QWidget* parent) {
    const std::string root = FindPbxDatabase(folders, doc.productType);
    CPbxSelectDlg dlg(
        ReadPbxIndex(FromNativePath(PbxIndexPath(root, doc.productType)), doc.productType),
        dialogs.Sink(), parent);
    if (dialogs.Exec(dlg) != QDialog::Accepted || !dlg.Choice()) return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = LoadPbxModel(doc, root, *dlg.Choice(), dialogs.Sink());
    QGuiApplication::restoreOverrideCursor();
    return loaded;
}

void InstallPbxCommands(CQelApp& app) {
    app.StartupHooks().frameCreated.push_back([](CQelApp& a) {
        CMainFrame* f = a.Frame();
        f->SetCommand("actionSelectPbx", [f] {
            const std::vector<std::string> folders =
                DataFolders(f->Doc().startDir, NativePath(QCoreApplication::applicationDirPath()));
            if (RunSelectPbxCommand(f->Doc(), f->Dialogs(), folders, f)) f->DocumentChanged();
        });
    });
}

} // namespace kiv
