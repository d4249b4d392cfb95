#include "unit/link/TransferUi.h"

#include <thread>

namespace kiv {

int RunFreeLineWait(const std::function<int()>& probe, std::chrono::milliseconds period,
                    const std::function<bool()>& cancelled) {
    for (;;) {
        if (cancelled && cancelled()) return TransferUi::waitCancelled;
        const int r = probe();
        if (r == TransferUi::lineFree || r == TransferUi::lineTimeout) return r;
        std::this_thread::sleep_for(period);
    }
}

int CPlainTransferUi::WaitForFreeLine(const std::function<int()>& probe,
                                      std::chrono::milliseconds period) {
    return RunFreeLineWait(probe, period, [this] {
        if (cancel.load()) return true;
        const bool stop = onProbe && onProbe(probes);
        ++probes;
        return stop;
    });
}

} // namespace kiv
