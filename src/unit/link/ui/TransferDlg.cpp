#include "unit/link/ui/TransferDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "unit/link/Texts.h"
#include "unit/link/ui/WaitLineDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace kiv {

CTransferDlg::CTransferDlg(const QString& caption, const QString& helpTopic, MessageSink& sink,
                           QWidget* parent)
    : QDialog(parent), sink_(sink) {
    setObjectName("transferDlg");
    setWindowTitle(caption);
    first_ = new QLabel(ToQString(texts::checkConnection), this);
    second_ = new QLabel(ToQString(texts::pressOkToContinue), this);
    second_->setObjectName("status");
    progress_ = new QProgressBar(this);
    progress_->setVisible(false);
    progress_->setTextVisible(false);

    auto* box = box_ = new QDialogButtonBox(this);
    ok_ = box->addButton("&OK", QDialogButtonBox::AcceptRole);
    cancel_ = box->addButton("&Annulla", QDialogButtonBox::RejectRole);
    help_ = box->addButton("Ai&uto", QDialogButtonBox::HelpRole);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CTransferDlg::Start);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, [this, helpTopic] { ShowHelp(helpTopic, sink_); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(first_);
    layout->addWidget(second_);
    layout->addWidget(progress_);
    layout->addWidget(box);
    setMinimumWidth(360);

    refresh_ = new QTimer(this);
    refresh_->setInterval(50);
    connect(refresh_, &QTimer::timeout, this, &CTransferDlg::Refresh);
}

CTransferDlg::~CTransferDlg() {
    if (worker_) worker_->wait();
}

QLineEdit* CTransferDlg::AddFileRow(const QString& caption, Browse browse) {
    if (file_) return file_;
    auto* label = new QLabel(caption, this);
    file_ = new QLineEdit(this);
    file_->setObjectName("fileName");
    label->setBuddy(file_);
    browse_ = new QPushButton(ToQString(texts::browseButton), this);
    browse_->setObjectName("browse");
    browse_->setAccessibleName(browse_->text().remove('&'));
    browse_->setAutoDefault(false);
    connect(browse_, &QPushButton::clicked, this, [this, browse = std::move(browse)] {
        if (!browse) return;
        if (const auto chosen = browse(file_->text())) file_->setText(*chosen);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(file_, 1);
    row->addWidget(browse_);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertLayout(layout->indexOf(progress_) + 1, row);
    return file_;
}

QPushButton* CTransferDlg::AddButton(const QString& caption, std::function<void()> clicked) {
    QPushButton* button = box_->addButton(caption, QDialogButtonBox::ActionRole);
    button->setAccessibleName(QString(caption).remove('&'));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [clicked = std::move(clicked)] {
        if (clicked) clicked();
    });
    extra_.push_back(button);
    return button;
}

void CTransferDlg::ShowButtons(bool shown) {
    for (QPushButton* b : {ok_, cancel_, help_})
        b->setVisible(shown);
    for (QPushButton* b : extra_)
        b->setVisible(shown);
    if (browse_) browse_->setEnabled(shown);
    if (file_) file_->setReadOnly(!shown);
}

void CTransferDlg::Start() {
    if (started_ || !job_) return;
    if (check_ && !check_()) return;
    started_ = true;
    first_->clear();
    second_->setText(ToQString(texts::pleaseWait));
    progress_->setVisible(true);
    ShowButtons(false);
    refresh_->start();
    worker_.reset(QThread::create([this] {
        job_();
        QMetaObject::invokeMethod(
            this, [this] { Finished(); }, Qt::QueuedConnection);
    }));
    worker_->start();
}

void CTransferDlg::Finished() {
    worker_->wait();
    refresh_->stop();
    Refresh();
    cursor_.Set(false);
    if (stayOpen_ && stayOpen_()) {
        // Back to the state before OK: the user may correct and try again.
        worker_.reset();
        started_ = false;
        first_->setText(ToQString(texts::checkConnection));
        second_->setText(ToQString(texts::pressOkToContinue));
        progress_->setVisible(false);
        ShowButtons(true);
        if (file_) {
            file_->setFocus();
            file_->selectAll();
        }
        emit Failed();
        return;
    }
    QDialog::accept();
}

void CTransferDlg::reject() {
    if (!started_) QDialog::reject();
}

void CTransferDlg::closeEvent(QCloseEvent* event) {
    // Once bytes move the transfer runs to its end; the window closes then.
    if (started_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void CTransferDlg::Refresh() {
    const auto range = range_.load();
    progress_->setRange(0, static_cast<int>(std::min<std::size_t>(range, INT32_MAX)));
    progress_->setValue(static_cast<int>(std::min(value_.load(), range)));
}

void CTransferDlg::SetBusyCursor(bool busy) {
    QMetaObject::invokeMethod(
        this, [this, busy] { cursor_.Set(busy); }, Qt::QueuedConnection);
}

void CTransferDlg::SetStatusText(const std::string& text) {
    const QString shown = ToQString(text);
    QMetaObject::invokeMethod(
        this, [this, shown] { second_->setText(shown); }, Qt::QueuedConnection);
}

void CTransferDlg::SetProgressRange(std::size_t range) {
    value_ = 0;
    range_ = range;
}

void CTransferDlg::StepProgress() {
    ++value_;
}

int CTransferDlg::WaitForFreeLine(const std::function<int()>& probe,
                                  std::chrono::milliseconds period) {
    CDialogFreeLineWait wait(this);
    return wait.Wait(probe, period);
}

} // namespace kiv
