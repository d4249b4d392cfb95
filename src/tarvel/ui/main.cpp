// tarvel: the line monitor. Shows, for each of the unit's four lines, the
// hook changes and DTMF digits that the unit reports on the serial line.
#include "app/Profile.h"
#include "app/QtSetup.h"
#include "tarvel/Texts.h"
#include "tarvel/ui/MonitorDlg.h"
#include "unit/link/ui/QtSerialPort.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(kiv::texts::monitorProgram);
    kiv::PrepareQtApplication();
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    std::string device;
    {
        kiv::CProfile profile;
        device = kiv::MonitorDevice(arguments, profile.Settings());
    }
    kiv::CMonitorDlg dialog(device, kiv::CQtSerialPort::Factory());
    dialog.exec();
    return 0;
}
