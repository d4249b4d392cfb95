#include "autoattendant/ui/ProtocolSheet.h"

#include "app/MainFrame.h"
#include "app/QelApp.h"
#include "app/QtText.h"
#include "autoattendant/Texts.h"
#include "autoattendant/ui/ProtocolPage.h"
#include "document/QelDoc.h"

namespace kiv {

CProtocolSheet::CProtocolSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent)
    : CPropertySheet(ToQString(autoatt::texts::kProtocolCaption), dialogs, parent), edit_(doc) {
    setObjectName("protocolSheet");
    SetHelpTopic("protocollo_inband");
    pages_[0] = new CProtocolPage(edit_.pages[0]);
    pages_[1] = new CProtocol1Page(edit_.pages[1]);
    pages_[2] = new CProtocol2Page(edit_.pages[2]);
    pages_[3] = new CProtocol3Page(edit_.pages[3]);
    for (CProtocolPage* page : pages_)
        AddPage(page);
}

void CProtocolSheet::ApplyTo(CQelDoc& doc) const {
    edit_.ApplyTo(doc);
}

bool RunProtocolCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    CProtocolSheet sheet(doc, dialogs, parent);
    return RunSheet(sheet, doc);
}

void InstallProtocolCommands(CQelApp& app) {
    app.StartupHooks().frameCreated.push_back([](CQelApp& a) {
        CMainFrame* f = a.Frame();
        f->SetCommand("actionInBandProtocol", [f] {
            if (RunProtocolCommand(f->Doc(), f->Dialogs(), f)) f->DocumentChanged();
        });
    });
}

} // namespace kiv
