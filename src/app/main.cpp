// kiv: the configuration editor and programmer of the unit.
#include "app/Icons.h"
#include "app/Installers.h"
#include "app/QelApp.h"
#include "app/Texts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(kiv::ui::Ui(kiv::ui::kAppName));
    QApplication::setWindowIcon(kiv::AppIcon());
    QApplication::setDesktopFileName("kiv");

    kiv::CQelApp app;
    // Every subsystem attaches its start-up steps and commands.
    kiv::InstallSubsystems(app);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments)) return 1;
    return QApplication::exec();
}
