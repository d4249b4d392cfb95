#pragma once
// "Attesa linea libera": shown while the unit is busy on a telephone line.
// The unit is probed on a worker thread, so the window stays responsive and
// Cancel is honoured between probes.

#include "unit/link/TransferUi.h"

#include <QDialog>

#include <atomic>
#include <chrono>
#include <functional>

class QPushButton;

namespace kiv {

class CWaitLineDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CWaitLineDlg(QWidget* parent = nullptr);

    // Runs the wait on the calling (user-interface) thread with the dialog
    // shown modally; the probes run on a worker thread. Returns
    // TransferUi::lineFree, lineTimeout or waitCancelled.
    static int Run(const std::function<int()>& probe, std::chrono::milliseconds period,
                   QWidget* parent);

    QPushButton* CancelButton() const { return cancel_; }
    bool Cancelled() const { return cancelled_.load(); }

  public slots:
    void reject() override;

  private:
    QPushButton* cancel_;
    std::atomic<bool> cancelled_{false};
};

// The free-line wait of transfers, with the dialog. Callable from the
// user-interface thread or from a transfer's worker thread (the dialog is
// then shown on the user-interface thread while the worker probes).
class CDialogFreeLineWait {
  public:
    explicit CDialogFreeLineWait(QWidget* parent) : parent_(parent) {}
    int Wait(const std::function<int()>& probe, std::chrono::milliseconds period);

  private:
    QWidget* parent_;
};

} // namespace kiv
