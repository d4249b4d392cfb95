#include "unit/link/ui/WaitLineDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "unit/link/Texts.h"

#include <QApplication>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

namespace kiv {

CWaitLineDlg::CWaitLineDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("CWaitLineDlg");
    setWindowTitle(ToQString(texts::waitLineCaption));
    InstallHelpKey(this, "attesa_linea_libera");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString(texts::pleaseWait), this));
    cancel_ = new QPushButton("Annulla", this);
    cancel_->setObjectName("cancel");
    connect(cancel_, &QPushButton::clicked, this, &CWaitLineDlg::reject);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    setMinimumWidth(260);
}

void CWaitLineDlg::reject() {
    cancelled_ = true;
    QDialog::reject();
}

int CWaitLineDlg::Run(const std::function<int()>& probe, std::chrono::milliseconds period,
                      QWidget* parent) {
    CWaitLineDlg dialog(parent);
    std::atomic<int> result{TransferUi::waitCancelled};
    std::unique_ptr<QThread> worker(QThread::create([&] {
        result = RunFreeLineWait(probe, period, [&] { return dialog.Cancelled(); });
        // Close the dialog from its own thread once the line is free or silent.
        QMetaObject::invokeMethod(
            &dialog, [&dialog] { dialog.done(QDialog::Accepted); }, Qt::QueuedConnection);
    }));
    worker->start();
    dialog.exec();
    if (dialog.Cancelled()) {
        // The probe under way finishes (within its one-second wait) and the
        // loop then sees the cancel.
        worker->wait();
        return TransferUi::waitCancelled;
    }
    worker->wait();
    return result;
}

int CDialogFreeLineWait::Wait(const std::function<int()>& probe, std::chrono::milliseconds period) {
    QObject* ui = parent_ ? static_cast<QObject*>(parent_) : qApp;
    if (QThread::currentThread() == ui->thread()) return CWaitLineDlg::Run(probe, period, parent_);

    // On a worker thread: show the dialog on the user-interface thread and
    // probe here until the line frees, the unit stays silent or Cancel.
    CWaitLineDlg* dialog = nullptr;
    QMetaObject::invokeMethod(
        ui,
        [&] {
            dialog = new CWaitLineDlg(parent_);
            dialog->setAttribute(Qt::WA_DeleteOnClose, false);
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->show();
        },
        Qt::BlockingQueuedConnection);
    const int result = RunFreeLineWait(probe, period, [dialog] { return dialog->Cancelled(); });
    const bool cancelled = dialog->Cancelled();
    QMetaObject::invokeMethod(
        ui, [dialog] { delete dialog; }, Qt::BlockingQueuedConnection);
    return cancelled ? TransferUi::waitCancelled : result;
}

} // namespace kiv
