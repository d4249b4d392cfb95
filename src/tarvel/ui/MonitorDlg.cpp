#include "tarvel/ui/MonitorDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "tarvel/Texts.h"
#include "tarvel/ui/QtThreads.h"
#include "unit/link/Texts.h"
#include "unit/link/ui/PortProfile.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStringList>
#include <QVBoxLayout>

namespace kiv {

namespace {

QString T(const char* cp1252) {
    return ToQString(cp1252);
}

} // namespace

std::string MonitorDevice(const QStringList& arguments, QSettings& profile) {
    const int port = CLineMonitor::PortFromCommandLine(arguments.join(' ').toStdString());
    return LoadPortResolver(profile).Device(port);
}

CMonitorDlg::CMonitorDlg(std::string device, SerialPortFactory factory, QWidget* parent,
                         MessageSink* messages)
    : QDialog(parent), device_(std::move(device)), boxes_(this),
      messages_(messages ? messages : &boxes_),
      monitor_(
          std::move(factory), [this](const CLineDecoder::Event& e) { Post(e); }, QtThreads()) {
    setObjectName("monitorDlg");
    monitor_.SetEndSink([this] {
        QMetaObject::invokeMethod(this, &CMonitorDlg::OnLineEnded, Qt::QueuedConnection);
    });
    setWindowTitle(T(texts::monitorCaption));
    InstallHelpKey(this, "monitor_linea");

    auto* menu = new QMenuBar(this);
    QAction* about = menu->addAction(T(texts::monitorAbout));
    about->setObjectName("aboutTarvel");
    connect(about, &QAction::triggered, this, &CMonitorDlg::OnAbout);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(T(texts::monitorLineHeading), this), 0, 0);
    grid->addWidget(new QLabel(T(texts::monitorDtmfHeading), this), 0, 1);
    for (int line = 0; line < CLineDecoder::kLineCount; ++line) {
        const QString number = QString::number(line + 1);
        auto* label = new QLabel(number, this);
        auto* field = new QLineEdit(this);
        field->setObjectName("line" + number);
        field->setMinimumWidth(360);
        label->setBuddy(field);
        auto* clear = new QPushButton(T(texts::monitorClear), this);
        clear->setObjectName("clear" + number);
        clear->setAutoDefault(false);
        connect(clear, &QPushButton::clicked, this, [this, line] { OnClear(line); });
        grid->addWidget(label, line + 1, 0, Qt::AlignRight);
        grid->addWidget(field, line + 1, 1);
        grid->addWidget(clear, line + 1, 2);
        fields_[static_cast<std::size_t>(line)] = field;
    }
    grid->setColumnStretch(1, 1);

    start_ = new QPushButton(T(texts::monitorStart), this);
    start_->setObjectName("start");
    stop_ = new QPushButton(T(texts::monitorStop), this);
    stop_->setObjectName("stop");
    auto* exit = new QPushButton(T(texts::monitorExit), this);
    exit->setObjectName("exit");
    for (QPushButton* b : {start_, stop_, exit})
        b->setAutoDefault(false);
    connect(start_, &QPushButton::clicked, this, &CMonitorDlg::OnStart);
    connect(stop_, &QPushButton::clicked, this, &CMonitorDlg::OnStop);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    UpdateButtons();
}

CMonitorDlg::~CMonitorDlg() {
    monitor_.Stop();
}

void CMonitorDlg::UpdateButtons() {
    start_->setEnabled(!monitor_.IsRunning());
    stop_->setEnabled(monitor_.IsRunning());
}

// A port that cannot be opened changes nothing: no message, same buttons.
void CMonitorDlg::OnStart() {
    const bool wasRunning = monitor_.IsRunning();
    if (!monitor_.Start(device_)) {
        if (wasRunning) UpdateButtons();
        return;
    }
    UpdateButtons();
}

void CMonitorDlg::OnStop() {
    monitor_.Stop();
    UpdateButtons();
}

void CMonitorDlg::OnLineEnded() {
    // A reading already stopped or started again since is not this one's.
    if (!monitor_.IsRunning() || !monitor_.ReaderEnded()) return;
    monitor_.Stop();
    UpdateButtons();
    messages_->Show(texts::cannotOpenPort);
}

void CMonitorDlg::OnClear(int line) {
    Field(line)->clear();
}

void CMonitorDlg::OnAbout() {
    QDialog box(this);
    box.setObjectName("aboutTarvelDlg");
    box.setWindowTitle(T(texts::monitorAbout).remove('&').remove("..."));
    auto* text = new QLabel(T(texts::monitorAboutVersion), &box);
    auto* buttons = new QDialogButtonBox(&box);
    buttons->addButton(T(texts::monitorAboutOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(text);
    layout->addWidget(buttons);
    box.exec();
}

// "Esci", Escape and the close box all end here.
void CMonitorDlg::done(int result) {
    monitor_.Stop();
    UpdateButtons();
    QDialog::done(result);
}

void CMonitorDlg::Post(const CLineDecoder::Event& event) {
    bool schedule = false;
    {
        std::lock_guard lock(postedMutex_);
        posted_.push_back(event);
        schedule = !std::exchange(showPending_, true);
    }
    if (schedule) QMetaObject::invokeMethod(this, &CMonitorDlg::ShowPosted, Qt::QueuedConnection);
}

// Each text replaces the field's selection, which is the caret at the end
// unless the user moved it. The texts of one batch go into each field at
// once: a busy line costs one edit per field, not one per event.
void CMonitorDlg::ShowPosted() {
    std::vector<CLineDecoder::Event> events;
    {
        std::lock_guard lock(postedMutex_);
        events.swap(posted_);
        showPending_ = false;
    }
    std::array<std::string, CLineDecoder::kLineCount> texts;
    for (const auto& e : events)
        texts[static_cast<std::size_t>(e.line)] += e.text;
    for (int line = 0; line < CLineDecoder::kLineCount; ++line) {
        const std::string& text = texts[static_cast<std::size_t>(line)];
        if (text.empty()) continue;
        QLineEdit* field = Field(line);
        const QString add = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        const QString shown = field->text();
        // A full field would refuse the new events: while the caret is at
        // the end it drops the older half of its text instead.
        if (shown.size() + add.size() > field->maxLength() && !field->hasSelectedText() &&
            field->cursorPosition() == shown.size()) {
            field->setText((shown + add).right(field->maxLength() / 2));
            continue;
        }
        field->insert(add);
    }
}

} // namespace kiv
