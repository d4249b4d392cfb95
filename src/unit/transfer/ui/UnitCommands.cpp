#include "unit/transfer/ui/UnitCommands.h"

#include "app/MainFrame.h"
#include "app/Profile.h"
#include "app/QelApp.h"
#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "document/QelDoc.h"
#include "unit/link/PasswordCommand.h"
#include "unit/link/PortCommands.h"
#include "unit/link/UnitSession.h"
#include "unit/link/ui/GuiThreadSink.h"
#include "unit/link/ui/PasswordDlg.h"
#include "unit/link/ui/PortProfile.h"
#include "unit/link/ui/PortSelectDlg.h"
#include "unit/link/ui/QtSerialPort.h"
#include "unit/link/ui/TransferDlg.h"
#include "unit/link/ui/WaitLineDlg.h"
#include "unit/transfer/ReadParamEngine.h"
#include "unit/transfer/SendParamEngine.h"
#include "unit/transfer/Texts.h"

#include <QApplication>
#include <QMetaObject>
#include <QSettings>

namespace kiv {

void CWindowTransferUi::SetBusyCursor(bool busy) {
    cursor_.Set(busy);
}

int CWindowTransferUi::WaitForFreeLine(const std::function<int()>& probe,
                                       std::chrono::milliseconds period) {
    CDialogFreeLineWait wait(parent_);
    return wait.Wait(probe, period);
}

CUnitCommands::CUnitCommands(CQelApp& app) : app_(app) {
    context_.portFactory = CQtSerialPort::Factory();
}

CUnitCommands::~CUnitCommands() {
    context_.trace = nullptr;
}

void CUnitCommands::Install() {
    auto& hooks = app_.StartupHooks();
    hooks.openPort = [this](CQelApp&) { OpenPort(); };
    hooks.selectPort = [this](CQelApp&) { SelectPort(); };
    hooks.readFromUnit = [this](CQelApp&) { return ReadParameters(); };
    hooks.frameCreated.push_back([this](CQelApp& app) {
        app.Frame()->SetCommand("actionSerialPort", [this] { SelectPort(); });
        app.Frame()->SetCommand("actionPassword", [this] { ChangePassword(); });
        app.Frame()->SetCommand("actionReadParameters", [this] { ReadParameters(); });
        app.Frame()->SetCommand("actionSendParameters", [this] { SendParameters(); });
    });
}

void InstallUnitCommands(CQelApp& app) {
    app.AddPart(std::make_unique<CUnitCommands>(app)).Install();
}

void CUnitCommands::OpenPort() {
    QSettings& profile = app_.Profile().Settings();
    context_.ports = LoadPortResolver(profile);
    const QString tracePath = profile.value("Settings/SerialTrace").toString();
    if (!tracePath.isEmpty()) {
        trace_ = std::make_unique<CSerialTrace>(NativePath(tracePath));
        context_.trace = trace_->Good() ? trace_.get() : nullptr;
    }
    CQelDoc& doc = app_.Doc();
    StartupSerialCheck(context_, app_.Sink(), doc.startDir, NativePath(CProfile::Directory()));
    // The document keeps the port as an index 0-3; a number outside 1-4 is port 2.
    doc.serialPortNumber = context_.settings.EffectivePort();
    doc.portIndex = doc.serialPortNumber - 1;
}

void CUnitCommands::SelectPort() {
    CQelDoc& doc = app_.Doc();
    CPortSelectDlg dialog(doc.portIndex, context_.ports, app_.Sink(), deviceLister, {},
                          app_.Frame());
    std::optional<int> chosen;
    if (app_.Dialogs().Exec(dialog) == QDialog::Accepted) {
        chosen = dialog.PortIndex();
        // The devices go to the profile's "Ports", where tarvel finds them too.
        context_.ports = dialog.Ports();
        SavePortResolver(app_.Profile().Settings(), context_.ports);
        app_.Profile().Sync();
    }
    doc.portIndex = ApplyPortSelection(context_, app_.Sink(), chosen, doc.portIndex);
    doc.serialPortNumber = doc.portIndex + 1;
}

void CUnitCommands::ChangePassword() {
    CQelDoc& doc = app_.Doc();
    doc.passwordChanged = 0;
    CWindowTransferUi ui(app_.Frame());
    CUnitSession session(context_, app_.Sink(), ui, doc.commTimeout, doc.productType);
    CPasswordDlgPrompt prompt(app_.Sink(), app_.Frame(),
                              [this](QDialog& d) { return app_.Dialogs().Exec(d); });
    const PasswordChange change = RunChangePassword(session, prompt);
    ui.SetBusyCursor(false);
    if (!change.unitPasswordRead.empty() || change.changed)
        doc.unitPasswordRead = change.unitPasswordRead;
    if (change.changed) {
        doc.unitPassword = change.newPassword;
        doc.passwordChanged = 1;
        doc.modified = true;
        app_.Frame()->DocumentChanged();
    }
}

bool CUnitCommands::ReadParameters() {
    CQelDoc& doc = app_.Doc();
    CMainFrame* frame = app_.Frame();
    CTransferDlg dialog(ToQString(texts::readCaption), "lettura_parametri", app_.Sink(), frame);
    CGuiThreadSink messages(app_.Sink(), &dialog);
    CReadParamEngine engine(context_, messages, dialog.Ui(), doc);
    engine.onProductTypeAdopted = [&](int type) {
        // The status panel shows the unit's type at once, even if the reading fails later.
        QMetaObject::invokeMethod(
            &dialog,
            [&, type] {
                doc.SetProductType(type);
                if (frame) frame->DocumentChanged();
            },
            Qt::BlockingQueuedConnection);
    };
    dialog.SetJob([&engine] { engine.Run(); });
    if (app_.Dialogs().Exec(dialog) != QDialog::Accepted && !dialog.Started()) return false;
    engine.ApplyTo(doc);
    if (frame) frame->DocumentChanged();
    return engine.Succeeded();
}

void CUnitCommands::SendParameters() {
    CQelDoc& doc = app_.Doc();
    CMainFrame* frame = app_.Frame();
    CTransferDlg dialog(ToQString(texts::sendCaption), "spedizione_parametri", app_.Sink(), frame);
    CGuiThreadSink messages(app_.Sink(), &dialog);
    CPasswordDlgPrompt passwordDialog(app_.Sink(), &dialog,
                                      [this](QDialog& d) { return app_.Dialogs().Exec(d); });
    CGuiThreadPrompt prompt(passwordDialog, &dialog);
    CSendParamEngine engine(context_, messages, dialog.Ui(), prompt, doc);
    dialog.SetJob([&engine] { engine.Run(); });
    if (app_.Dialogs().Exec(dialog) != QDialog::Accepted && !dialog.Started()) return;
    engine.ApplyTo(doc);
    if (frame) frame->DocumentChanged();
}

} // namespace kiv
