#pragma once
// The window of a transfer with the unit ("Lettura Parametri", "Spedizione
// Parametri" ...): "Controllare la connessione con l'unità" / "e premere OK
// per continuare", a progress bar and OK, Annulla, Aiuto; optionally a
// file-name row with "&Sfoglia..." and further buttons. OK runs the check
// (when set) on the window's thread, then hides the buttons and runs the
// transfer on a worker thread, so the window keeps repainting; the
// transfer's messages and questions are answered on the window's thread.
// The dialog closes by itself when the transfer ends, unless the transfer
// asks to stay open (a failure the user may retry): then the texts and
// buttons come back as before OK.

#include "unit/link/TransferUi.h"
#include "unit/link/ui/BusyCursor.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QDialogButtonBox;
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
    // Run on OK before anything starts; false keeps the dialog as it is
    // (the check has said why).
    void SetCheck(std::function<bool()> check) { check_ = std::move(check); }
    // Asked on the window's thread once the job has ended: true keeps the
    // dialog open, ready for another OK.
    void SetStayOpen(std::function<bool()> stayOpen) { stayOpen_ = std::move(stayOpen); }
    // A row above the buttons: caption, the file name field and "&Sfoglia...",
    // which offers browse the current text and takes back what it returns.
    using Browse = std::function<std::optional<QString>(const QString& current)>;
    QLineEdit* AddFileRow(const QString& caption, Browse browse);
    // A further button beside OK, Annulla and Aiuto, hidden with them while
    // the transfer runs.
    QPushButton* AddButton(const QString& caption, std::function<void()> clicked);
    // Presses OK: starts the transfer (tests call it directly).
    void Start();
    bool Started() const { return started_; }
    TransferUi& Ui() { return *this; }

    QLabel* FirstLine() const { return first_; }
    QLabel* SecondLine() const { return second_; }
    QProgressBar* Progress() const { return progress_; }
    QPushButton* OkButton() const { return ok_; }
    QLineEdit* FileField() const { return file_; }
    QPushButton* BrowseButton() const { return browse_; }

  signals:
    // The transfer ended and asked to stay open (the dialog is ready again).
    void Failed();

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
    void ShowButtons(bool shown);

    MessageSink& sink_;
    Job job_;
    std::function<bool()> check_;
    std::function<bool()> stayOpen_;
    bool started_ = false;
    CBusyCursor cursor_;
    QLabel* first_;
    QLabel* second_;
    QProgressBar* progress_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* help_;
    QDialogButtonBox* box_;
    QLineEdit* file_ = nullptr;
    QPushButton* browse_ = nullptr;
    std::vector<QPushButton*> extra_;
    QTimer* refresh_;
    std::unique_ptr<QThread> worker_;
    // Progress is kept in atomics and shown by a timer, so a transfer that
    // steps once per byte never floods the window's event queue.
    std::atomic<std::size_t> range_{0};
    std::atomic<std::size_t> value_{0};
};

} // namespace kiv
