#include "kiv/Installers.h"

#include "autoattendant/ui/AutoAttenSheet.h"
#include "autoattendant/ui/PageDiagramDlg.h"
#include "autoattendant/ui/ProtocolSheet.h"
#include "compare/ui/CompareCommand.h"
#include "editors/ui/EditorMenu.h"
#include "pbxdb/ui/PbxCommands.h"
#include "report/ui/PrintCommands.h"
#include "schedule/ui/WeekPictureDlg.h"
#include "unit/stats/ui/StatCommands.h"
#include "unit/transfer/ui/BackupCommands.h"
#include "unit/transfer/ui/RecordingCommands.h"
#include "unit/transfer/ui/UnitCommands.h"
#include "wizard/ui/WizSheet.h"

namespace kiv {

std::span<const Installer> Installers() {
    // The link first: its start-up steps open the port and read the unit.
    // clang-format off
    static constexpr Installer kInstallers[] = {
        &InstallUnitCommands,
        &InstallBackupCommands,
        &InstallCompareCommand,
        &InstallRecordingCommands,
        &InstallEditorCommands,
        &InstallPbxCommands,
        &InstallPageCommands,
        &InstallPageDiagramCommand,
        &InstallWeekPictureCommand,
        &InstallProtocolCommands,
        &InstallReportCommands,
        &InstallStatCommands,
        &InstallWizardCommands,
    };
    // clang-format on
    return kInstallers;
}

void InstallSubsystems(CQelApp& app) {
    for (Installer install : Installers())
        install(app);
}

} // namespace kiv
