#include "app/Installers.h"

#include "autoattendant/ui/AutoAttenSheet.h"
#include "autoattendant/ui/PageDiagramDlg.h"
#include "autoattendant/ui/ProtocolSheet.h"
#include "editors/ui/EditorMenu.h"
#include "pbxdb/ui/PbxCommands.h"
#include "report/ui/PrintCommands.h"
#include "unit/ui/BackupCommands.h"
#include "unit/ui/CompareCommand.h"
#include "unit/ui/RecordingCommands.h"
#include "unit/ui/StatCommands.h"
#include "unit/ui/UnitCommands.h"
#include "wizard/ui/WizSheet.h"

namespace kiv {

std::span<const Installer> Installers() {
    // The link first: its start-up steps open the port and read the unit.
    static constexpr Installer kInstallers[] = {
        &InstallUnitCommands,
        &InstallBackupCommands,
        &InstallCompareCommand,
        &InstallRecordingCommands,
        &InstallEditorCommands,
        &InstallPbxCommands,
        &InstallPageCommands,
        &InstallPageDiagramCommand,
        &InstallProtocolCommands,
        &InstallReportCommands,
        &InstallStatCommands,
        &InstallWizardCommands,
    };
    return kInstallers;
}

void InstallSubsystems(CQelApp& app) {
    for (Installer install : Installers())
        install(app);
}

} // namespace kiv
