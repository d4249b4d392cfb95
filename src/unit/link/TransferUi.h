#pragma once
// What a transfer shows while it runs: the cursor, a status text, a progress
// bar, and the "Attesa linea libera" wait. The transfer dialogs implement it;
// kivtool and tests use CPlainTransferUi.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace kiv {

class TransferUi {
  public:
    virtual ~TransferUi() = default;

    virtual void SetBusyCursor(bool /*busy*/) {}
    virtual void SetStatusText(const std::string& /*text*/) {}
    virtual void SetProgressRange(std::size_t /*range*/) {}
    virtual void StepProgress() {}

    // Free-line wait results.
    static constexpr int lineFree = 0;
    static constexpr int lineTimeout = 1;
    static constexpr int lineBusy = 2; // a probe's answer only
    static constexpr int waitCancelled = 99;

    // The "Attesa linea libera" wait: runs probe every period until it gives
    // 0 (line free) or 1 (no answer), or the user cancels. Returns 0, 1 or 99.
    // probe gives lineBusy while the line is still busy.
    virtual int WaitForFreeLine(const std::function<int()>& probe,
                                std::chrono::milliseconds period) = 0;
};

// The wait loop without a window: probe, pause, probe again; cancelled is
// asked before each probe.
int RunFreeLineWait(const std::function<int()>& probe, std::chrono::milliseconds period,
                    const std::function<bool()>& cancelled);

// A transfer UI with no window: the free-line wait runs RunFreeLineWait and
// can be cancelled from another thread (or a signal handler) through cancel.
class CPlainTransferUi : public TransferUi {
  public:
    int WaitForFreeLine(const std::function<int()>& probe,
                        std::chrono::milliseconds period) override;

    std::atomic<bool> cancel{false};
    // Called before each probe with the number of probes so far; returning
    // true cancels the wait.
    std::function<bool(int)> onProbe;
    int probes = 0;
};

} // namespace kiv
