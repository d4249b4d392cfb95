#pragma once
// The serial link inside kiv: the start-up test-open of the port, the port
// selection at every start and from its command, the "&Password" command,
// and the optional serial trace named in the profile ("Settings" /
// "SerialTrace": a file that receives every byte and time-out).

#include "app/QelApp.h"
#include "unit/link/LinkContext.h"
#include "unit/link/SerialTrace.h"
#include "unit/link/TransferUi.h"
#include "unit/link/ui/BusyCursor.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace kiv {

// The transfer window side of the core routines: the wait cursor and the
// "Attesa linea libera" dialog.
class CWindowTransferUi : public TransferUi {
  public:
    explicit CWindowTransferUi(QWidget* parent) : parent_(parent) {}
    void SetBusyCursor(bool busy) override;
    int WaitForFreeLine(const std::function<int()>& probe,
                        std::chrono::milliseconds period) override;

  private:
    QWidget* parent_;
    CBusyCursor cursor_;
};

class CUnitCommands : public CAppPart {
  public:
    explicit CUnitCommands(CQelApp& app);
    ~CUnitCommands() override;

    // Attaches the start-up steps and the commands to the application.
    void Install();

    CLinkContext& Context() { return context_; }
    // The serial devices "Selezione Porta COM" offers (the system's, unless
    // a test sets its own).
    std::function<std::vector<SerialDeviceInfo>()> deviceLister;

    // Step 1 of start-up: settings file, port mapping, test-open.
    void OpenPort();
    // "Porta &Comunicazione" (also step 6 of start-up).
    void SelectPort();
    // "&Password".
    void ChangePassword();
    // "&Lettura Configurazione" (also step 7 of start-up); true when the
    // configuration was read.
    bool ReadParameters();
    // "&Spedizione Configurazione".
    void SendParameters();

  private:
    CQelApp& app_;
    CLinkContext context_;
    std::unique_ptr<CSerialTrace> trace_;
};

// The link's installer: a CUnitCommands kept by the application, installed.
void InstallUnitCommands(CQelApp& app);

} // namespace kiv
