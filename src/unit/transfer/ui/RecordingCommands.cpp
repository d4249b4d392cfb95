#include "unit/transfer/ui/RecordingCommands.h"

#include "app/MainFrame.h"
#include "app/Profile.h"
#include "app/QelApp.h"
#include "app/QtText.h"
#include "document/QelDoc.h"
#include "unit/link/ui/PasswordDlg.h"
#include "unit/transfer/Texts.h"
#include "unit/transfer/ui/ReadRecordingDlg.h"
#include "unit/transfer/ui/RecordingListSheet.h"
#include "unit/transfer/ui/SendRecordingDlg.h"
#include "unit/transfer/ui/UnitCommands.h"

#include <QSettings>

namespace kiv {

namespace {

constexpr const char* kDelayKey = "Script/Delay";

// The pacing value, written back as it was read.
int ScriptDelay(CQelApp& app) {
    QSettings& profile = app.Profile().Settings();
    const int delay = profile.value(kDelayKey, 0).toInt();
    profile.setValue(kDelayKey, delay);
    return delay;
}

// The list in mode Send or Read; its OK also replaces the configuration's names.
RecordingListOpener ListOpener(CQelApp& app, autoatt::RecordingListMode mode, const char* caption) {
    return [&app, mode, caption](QWidget* parent, const std::array<std::string, 39>& files)
               -> std::optional<std::array<std::string, 39>> {
        CQelDoc& doc = app.Doc();
        auto chosen = RunRecordingList(doc, mode, files, ToQString(caption), app.Dialogs(), parent);
        if (chosen && *chosen != doc.pageFile) {
            doc.pageFile = *chosen;
            doc.modified = true;
            if (app.Frame()) app.Frame()->DocumentChanged();
        }
        return chosen;
    };
}

CLinkContext* LinkOf(CQelApp& app) {
    auto* unit = app.FindPart<CUnitCommands>();
    return unit ? &unit->Context() : nullptr;
}

} // namespace

void RunReadRecordings(CQelApp& app) {
    CLinkContext* context = LinkOf(app);
    if (!context) return;
    CReadRecordingDlg dialog(
        *context, app.Sink(), RecordingRequest::From(app.Doc(), ScriptDelay(app)),
        ListOpener(app, autoatt::RecordingListMode::Read, texts::readRecordingListCaption),
        app.Frame());
    app.Dialogs().Exec(dialog);
}

void RunSendRecordings(CQelApp& app) {
    CLinkContext* context = LinkOf(app);
    if (!context) return;
    CPasswordDlgPrompt prompt(app.Sink(), app.Frame(),
                              [&app](QDialog& d) { return app.Dialogs().Exec(d); });
    CSendRecordingDlg dialog(
        *context, app.Sink(), prompt, RecordingRequest::From(app.Doc(), ScriptDelay(app)),
        ListOpener(app, autoatt::RecordingListMode::Send, texts::sendRecordingListCaption),
        app.Frame());
    app.Dialogs().Exec(dialog);
}

void InstallRecordingCommands(CQelApp& app) {
    app.StartupHooks().frameCreated.push_back([](CQelApp& a) {
        a.Frame()->SetCommand("actionReadRecordings", [&a] { RunReadRecordings(a); });
        a.Frame()->SetCommand("actionSendRecordings", [&a] { RunSendRecordings(a); });
    });
}

} // namespace kiv
