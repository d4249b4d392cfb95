#pragma once
// The process-wide state of the serial link: the settings and the path of
// rs_setup.cfg, how port numbers map to devices, how ports are made, the
// timing table, the optional trace, and which link holds the port now.

#include "unit/link/LinkTiming.h"
#include "unit/link/SerialPort.h"
#include "unit/link/SerialSettings.h"

#include <string>

namespace kiv {

class CSerialLink;
class CSerialTrace;

class CLinkContext {
  public:
    CSerialSettings settings;
    // Where every link's destruction writes the settings; empty for a tool
    // that reads them but must not change the file.
    std::string settingsPath = "rs_setup.cfg";
    CPortResolver ports;
    SerialPortFactory portFactory;
    CLinkTiming timing;
    CSerialTrace* trace = nullptr;
    // 0 after a successful open, -1 after a failed one.
    int linkStatus = -1;

  private:
    friend class CSerialLink;
    CSerialLink* openLink_ = nullptr;
};

// Start-up: fixes the settings path (see SerialSettingsLocation) and reads
// the file.
void LoadSerialSettings(CLinkContext& context, const std::string& startDir,
                        const std::string& configDir = {});
// Writes the process-wide settings to the fixed path.
bool SaveSerialSettings(const CLinkContext& context);

} // namespace kiv
