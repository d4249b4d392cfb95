#include "autoattendant/ui/AutoAttenSheet.h"

#include "app/MainFrame.h"
#include "app/QelApp.h"
#include "app/QtText.h"
#include "autoattendant/Texts.h"
#include "autoattendant/ui/AutoAttenPage.h"
#include "autoattendant/ui/DialStringPage.h"
#include "autoattendant/ui/InfoPage.h"
#include "autoattendant/ui/OpenScriptPage.h"
#include "autoattendant/ui/RecordingListPage.h"
#include "document/QelDoc.h"

namespace kiv {

CAutoAttenSheet::CAutoAttenSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent)
    : CPropertySheet(ToQString(autoatt::texts::kSheetCaption), dialogs, parent), edit_(doc) {
    setObjectName("autoAttenSheet");
    autoAtten_ = new CAutoAttenPage(edit_.pages);
    dialString_ = new CDialStringPage(edit_.dialStrings);
    openScript_ = new COpenScriptPage(edit_.script);
    recording_ = new CRecordingListPage(edit_.recordings, ToQString(autoatt::texts::kRecordingTab));
    info_ = new CInfoPage(edit_.info);
    AddPage(autoAtten_);
    AddPage(dialString_);
    AddPage(openScript_);
    AddPage(recording_);
    AddPage(info_);
}

CAutoAttenSheet::~CAutoAttenSheet() {
    // Closing moves the focus out of the page-number field, which runs the
    // page editor; do it while the working copy still exists.
    hide();
}

void CAutoAttenSheet::ApplyTo(CQelDoc& doc) const {
    edit_.ApplyTo(doc);
}

bool RunPagesCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    CAutoAttenSheet sheet(doc, dialogs, parent);
    return RunSheet(sheet, doc);
}

void InstallPageCommands(CQelApp& app) {
    app.StartupHooks().frameCreated.push_back([](CQelApp& a) {
        CMainFrame* f = a.Frame();
        f->SetCommand("actionPages", [f] {
            if (RunPagesCommand(f->Doc(), f->Dialogs(), f)) f->DocumentChanged();
        });
    });
}

} // namespace kiv
