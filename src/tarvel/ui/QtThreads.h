#pragma once
// Qt threads for the monitor's workers: QSerialPort wants to be opened and
// used on a thread that Qt started.

#include "tarvel/LineMonitor.h"

namespace kiv {

CLineMonitor::ThreadLauncher QtThreads();

} // namespace kiv
