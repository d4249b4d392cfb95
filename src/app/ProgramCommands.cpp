#include "app/ProgramCommands.h"

#include "app/MainFrame.h"
#include "app/QelApp.h"
#include "editors/ui/EditorMenu.h"

namespace kiv {

CProgramCommands::CProgramCommands(CQelApp& app) : unit_(app) {
    unit_.Install();
    auto linkCommands = app.StartupHooks().frameCreated;
    app.StartupHooks().frameCreated = [linkCommands](CQelApp& a) {
        if (linkCommands) linkCommands(a);
        InstallEditorCommands(*a.Frame());
    };
}

} // namespace kiv
