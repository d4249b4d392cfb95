#pragma once
// Port number to device mapping from the profile section "Ports" (keys
// "COM1".."COM4"); a missing or empty key keeps the platform default. Also
// the serial devices the system lists.

#include "unit/link/SerialSettings.h"

#include <vector>

class QSettings;

namespace kiv {

CPortResolver LoadPortResolver(QSettings& profile);
// Writes the four ports' devices back; a port on its default device loses
// its key, so the profile names only what the user changed.
void SavePortResolver(QSettings& profile, const CPortResolver& ports);

// The serial devices the system offers now (built-in ports, USB adapters),
// sorted by device path. Pseudo-terminals are not among them.
std::vector<SerialDeviceInfo> SystemSerialDevices();

} // namespace kiv
