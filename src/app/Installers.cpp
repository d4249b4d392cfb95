#include "app/Installers.h"

#include "autoattendant/ui/AutoAttenSheet.h"
#include "autoattendant/ui/PageDiagramDlg.h"
#include "editors/ui/EditorMenu.h"
#include "pbxdb/ui/PbxCommands.h"
#include "unit/ui/UnitCommands.h"

namespace kiv {

std::span<const Installer> Installers() {
    // The link first: its start-up steps open the port and read the unit.
    static constexpr Installer kInstallers[] = {
        &InstallUnitCommands,
        &InstallEditorCommands,
        &InstallPbxCommands,
        &InstallPageCommands,
        &InstallPageDiagramCommand,
    };
    return kInstallers;
}

void InstallSubsystems(CQelApp& app) {
    for (Installer install : Installers())
        install(app);
}

} // namespace kiv
