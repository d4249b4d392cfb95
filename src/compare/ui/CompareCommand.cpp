#include "compare/ui/CompareCommand.h"

#include "app/MainFrame.h"
#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "compare/ConfigDiff.h"
#include "compare/ui/DiffDlg.h"
#include "document/QelDoc.h"
#include "unit/link/ui/GuiThreadSink.h"
#include "unit/link/ui/TransferDlg.h"
#include "unit/transfer/ReadParamEngine.h"
#include "unit/transfer/Texts.h"
#include "unit/transfer/ui/UnitCommands.h"

#include <memory>

namespace kiv {

void CCompareCommand::Install() {
    app_.StartupHooks().frameCreated.push_back([this](CQelApp& app) {
        app.Frame()->SetCommand("actionCompareWithUnit", [this] { Run(); });
    });
}

void InstallCompareCommand(CQelApp& app) {
    app.AddPart(std::make_unique<CCompareCommand>(app)).Install();
}

bool CCompareCommand::Run() {
    CUnitCommands* unit = app_.FindPart<CUnitCommands>();
    if (!unit) return false;
    const CQelDoc& doc = app_.Doc();
    // The unit is read into a copy of the document, so that a reading that
    // adopts another product type or fails half-way changes nothing.
    auto copy = std::make_unique<CQelDoc>(doc);
    CTransferDlg dialog(ToQString(texts::readCaption), "lettura_parametri", app_.Sink(),
                        app_.Frame());
    CGuiThreadSink messages(app_.Sink(), &dialog);
    CReadParamEngine engine(unit->Context(), messages, dialog.Ui(), *copy);
    dialog.SetJob([&engine] { engine.Run(); });
    app_.Dialogs().Exec(dialog);
    if (!engine.Succeeded()) return false;
    engine.ApplyTo(*copy);

    CDiffDlg diff(CompareConfigurations(doc, *copy), app_.Frame());
    app_.Dialogs().Exec(diff);
    if (diff.SendChosen()) unit->SendParameters();
    return true;
}

} // namespace kiv
