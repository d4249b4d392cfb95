#pragma once
// The window of a transfer with the unit ("Lettura Parametri", "Spedizione
// Parametri" ...): "Controllare la connessione con l'unità" / "e premere OK
// per continuare", a progress bar and OK, Annulla, Aiuto. OK hides the
// buttons and runs the transfer on a worker thread, so the window keeps
// repainting; the transfer's messages and questions are answered on the
// window's thread, and the dialog closes by itself when the transfer ends.

#include "unit/TransferUi.h"
#include "unit/ui/BusyCursor.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;

namespace kiv {

class MessageSink;

class CTransferDlg : public QDialog, private TransferUi {
    Q_OBJECT
  public:
    // The job runs on the worker thread; it reports through Ui() and asks
    // through a CGuiThreadSink on this dialog.
    using Job = std::function<void()>;

    CTransferDlg(const QString& caption, const QString& helpTopic, MessageSink& sink,
                 QWidget* parent = nullptr);
    ~CTransferDlg() override;

    void SetJob(Job job) { job_ = std::move(job); }
    // Presses OK: starts the transfer (tests call it directly).
    void Start();
    bool Started() const { return started_; }
    TransferUi& Ui() { return *this; }

    QLabel* FirstLine() const { return first_; }
    QLabel* SecondLine() const { return second_; }
    QProgressBar* Progress() const { return progress_; }
    QPushButton* OkButton() const { return ok_; }

  public slots:
    // Escape and the window's close button end the dialog only before OK:
    // once bytes move, the transfer runs to its end.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // TransferUi, called on the worker thread.
    void SetBusyCursor(bool busy) override;
    void SetStatusText(const std::string& text) override;
    void SetProgressRange(std::size_t range) override;
    void StepProgress() override;
    int WaitForFreeLine(const std::function<int()>& probe,
                        std::chrono::milliseconds period) override;

    void Refresh();
    void Finished();

    MessageSink& sink_;
    Job job_;
    bool started_ = false;
    CBusyCursor cursor_;
    QLabel* first_;
    QLabel* second_;
    QProgressBar* progress_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* help_;
    QTimer* refresh_;
    std::unique_ptr<QThread> worker_;
    // Progress is kept in atomics and shown by a timer, so a transfer that
    // steps once per byte never floods the window's event queue.
    std::atomic<std::size_t> range_{0};
    std::atomic<std::size_t> value_{0};
};

} // namespace kiv
