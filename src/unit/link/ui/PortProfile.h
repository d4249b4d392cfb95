#pragma once
// Port number to device mapping from the profile section "Ports" (keys
// "COM1".."COM4"); a missing or empty key keeps the platform default.

#include "unit/link/SerialSettings.h"

class QSettings;

namespace kiv {

CPortResolver LoadPortResolver(QSettings& profile);

} // namespace kiv
