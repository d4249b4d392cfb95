// kiv: the configuration editor and programmer of the unit.
#include "app/Icons.h"
#include "app/QelApp.h"
#include "app/Texts.h"
#include "editors/ui/EditorMenu.h"
#include "unit/ui/UnitCommands.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(kiv::ui::Ui(kiv::ui::kAppName));
    QApplication::setWindowIcon(kiv::AppIcon());
    QApplication::setDesktopFileName("kiv");

    kiv::CQelApp app;
    kiv::CUnitCommands unit(app);
    unit.Install();
    auto linkCommands = app.StartupHooks().frameCreated;
    app.StartupHooks().frameCreated = [linkCommands](kiv::CQelApp& a) {
        if (linkCommands) linkCommands(a);
        kiv::InstallEditorCommands(*a.Frame());
    };
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments)) return 1;
    return QApplication::exec();
}
