#include "editors/ui/TimeDatePage.h"

#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "document/Clock.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "editors/ui/DateEdit.h"
#include "editors/ui/DayBreakSheet.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

namespace kiv {

CTimeDatePage::CTimeDatePage(const CQelDoc& doc, const IClock& clock, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kTimeDateTab), parent), clock_(clock),
      edit_(doc, clock.Now()) {
    namespace t = editors::texts;
    SetHelpTopic("ora_e_data");
    time_ = new QTimeEdit(this);
    time_->setObjectName("systemTime");
    time_->setDisplayFormat("HH:mm:ss");
    date_ = new CDateEdit(this);
    date_->setObjectName("systemDate");
    mode_ = new QComboBox(this);
    mode_->setObjectName("operatingMode");
    for (const char* name : names::kOperatingMode)
        mode_->addItem(ToQString(name));
    schedules_ = new QPushButton(ToQString(t::kSchedules), this);
    schedules_->setObjectName("schedules");
    schedules_->setAutoDefault(false);

    // Filled before the signals are connected: only the user's changes of
    // the date recompute the weekday.
    ShowTime();
    // The stored date as it is, even one that names no day.
    storedDate_ = QString::asprintf("%02d/%02d/%04d", edit_.day, edit_.month, edit_.year);
    date_->SetText(storedDate_);
    mode_->setCurrentIndex(edit_.mode >= 0 && edit_.mode < mode_->count() ? edit_.mode : -1);
    schedules_->setEnabled(edit_.SchedulesEnabled());

    // A key in the time field is the user's typing (a first digit of the
    // hours changes no time yet): the clock stops rewriting the field until
    // the user leaves it or confirms it.
    time_->installEventFilter(this);
    connect(time_, &QTimeEdit::timeChanged, this, [this](QTime time) {
        if (!showing_) typing_ = true;
        edit_.hour = time.hour();
        edit_.minute = time.minute();
        edit_.second = time.second();
    });
    connect(time_, &QTimeEdit::editingFinished, this, [this] { typing_ = false; });
    connect(date_, &QLineEdit::textChanged, this,
            [this, stored = std::array{edit_.year, edit_.month, edit_.day, edit_.weekday}](
                const QString& text) {
                // Typed back to the stored text: the stored date and weekday.
                if (text == storedDate_) {
                    edit_.year = stored[0];
                    edit_.month = stored[1];
                    edit_.day = stored[2];
                    edit_.weekday = stored[3];
                } else if (const QDate date = date_->Date(); date.isValid()) {
                    edit_.SetDate(date.year(), date.month(), date.day());
                }
            });
    connect(mode_, &QComboBox::currentIndexChanged, this, [this](int index) {
        edit_.mode = index;
        schedules_->setEnabled(edit_.SchedulesEnabled());
    });
    connect(schedules_, &QPushButton::clicked, this, &CTimeDatePage::OpenSchedules);

    timer_ = new QTimer(this);
    timer_->setInterval(10);
    connect(timer_, &QTimer::timeout, this, &CTimeDatePage::Tick);
    timer_->start();

    auto* form = new QFormLayout;
    form->addRow(ToQString(t::kSystemTime), time_);
    form->addRow(ToQString(t::kSystemDate), date_);
    form->addRow(ToQString(t::kOperatingMode), mode_);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(schedules_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttonRow);
    layout->addStretch();
}

void CTimeDatePage::ShowTime() {
    showing_ = true;
    time_->setTime(QTime(edit_.hour, edit_.minute, edit_.second));
    showing_ = false;
}

bool CTimeDatePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == time_ && event->type() == QEvent::KeyPress) typing_ = true;
    return CPropertyPage::eventFilter(watched, event);
}

bool CTimeDatePage::OnKillActive() {
    if (date_->text() == storedDate_) {
        if (edit_.DateValid()) return true;
    } else if (const QDate date = date_->Date();
               date.isValid() && editors::IsUnitDate(date.year(), date.month(), date.day())) {
        edit_.SetDate(date.year(), date.month(), date.day());
        return true;
    }
    return FailField(date_);
}

void CTimeDatePage::Tick() {
    if (typing_) return;
    if (edit_.Tick(clock_.Now())) ShowTime();
}

void CTimeDatePage::OpenSchedules() {
    CDayBreakSheet sheet(edit_.tables, Dialogs(), this);
    if (Dialogs().Exec(sheet) == QDialog::Accepted) edit_.tables = sheet.Tables();
}

} // namespace kiv
