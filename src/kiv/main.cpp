// kiv: the configuration editor and programmer of the unit.
#include "app/Icons.h"
#include "app/QelApp.h"
#include "app/Texts.h"
#include "kiv/Installers.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before any window system is needed, so that an installation
    // can be checked from a terminal.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("kiv %s\n", KIV_VERSION);
        return 0;
    }
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
