#include "editors/ui/NotificationPage.h"

#include "app/QtText.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/RadioBox.h"
#include "editors/ui/SpinEdit.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kiv {

CNotificationPage::CNotificationPage(const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kNotificationTab), parent), edit_(doc) {
    namespace t = editors::texts;
    SetHelpTopic("parametri_notifica");

    auto* grid = new QGridLayout;
    const auto field = [this, grid](QWidget* edit, const char* caption, const char* name,
                                    const char* unit = nullptr) {
        edit->setObjectName(name);
        auto* label = new QLabel(ToQString(caption), this);
        label->setBuddy(edit);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        if (unit) {
            // A short field keeps its unit right beside it.
            auto* line = new QHBoxLayout;
            line->addWidget(edit);
            if (*unit) line->addWidget(new QLabel(ToQString(unit), this));
            line->addStretch();
            grid->addLayout(line, row, 1);
        } else {
            grid->addWidget(edit, row, 1);
        }
    };
    // Long codes scroll inside their fields; the check refuses more than 40 characters.
    led1Code_ = new QLineEdit(ToQString(edit_.led1Code), this);
    led2Code_ = new QLineEdit(ToQString(edit_.led2Code), this);
    ledOffCode_ = new QLineEdit(ToQString(edit_.ledOffCode), this);
    ringInterval_ = new CSpinEdit(1, editors::kMaxRingCount, 3, this);
    ringInterval_->SetText(ToQString(edit_.ringInterval));
    ringAttempts_ = new CSpinEdit(1, editors::kMaxRingCount, 3, this);
    ringAttempts_->SetText(ToQString(edit_.ringAttempts));
    start_ = new QLineEdit(ToQString(edit_.start), this);
    end_ = new QLineEdit(ToQString(edit_.end), this);
    lineSeizeCode_ = new QLineEdit(ToQString(edit_.lineSeizeCode), this);
    const int timeWidth = start_->fontMetrics().horizontalAdvance("00:00000") + 12;
    for (QLineEdit* time : {start_, end_})
        time->setMaximumWidth(timeWidth);
    lineSeizeCode_->setMaximumWidth(timeWidth);

    field(led1Code_, t::kLed1Code, "led1Code");
    field(led2Code_, t::kLed2Code, "led2Code");
    field(ledOffCode_, t::kLedOffCode, "ledOffCode");
    field(ringInterval_, t::kRingInterval, "ringInterval", t::kMinutes);
    field(ringAttempts_, t::kRingAttempts, "ringAttempts", "");
    field(start_, t::kExtNotifyStart, "extNotifyStart", "");
    field(end_, t::kExtNotifyEnd, "extNotifyEnd", "");
    field(lineSeizeCode_, t::kLineSeizeCode, "lineSeizeCode", "");
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    for (QLineEdit* code : {led1Code_, led2Code_, ledOffCode_})
        code->setMinimumWidth(code->fontMetrics().horizontalAdvance(QString(20, '0')));

    QGroupBox* ledBox =
        RadioBox(t::kLedMode, names::kLedMode, edit_.ledMode, ledMode_, "ledMode", this);
    QGroupBox* durationBox = RadioBox(t::kRingDuration, names::kRingDuration, edit_.ringDuration,
                                      ringDuration_, "ringDuration", this);
    connect(ledMode_, &QButtonGroup::idClicked, this, [this](int id) { edit_.ledMode = id; });
    connect(ringDuration_, &QButtonGroup::idClicked, this,
            [this](int id) { edit_.ringDuration = id; });

    auto* right = new QVBoxLayout;
    right->addWidget(ledBox);
    right->addWidget(durationBox);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(right);
}

bool CNotificationPage::OnKillActive() {
    edit_.led1Code = FieldText(led1Code_->text());
    edit_.led2Code = FieldText(led2Code_->text());
    edit_.ledOffCode = FieldText(ledOffCode_->text());
    edit_.lineSeizeCode = FieldText(lineSeizeCode_->text());
    edit_.start = FieldText(start_->text());
    edit_.end = FieldText(end_->text());
    edit_.ringInterval = FieldText(ringInterval_->text());
    edit_.ringAttempts = FieldText(ringAttempts_->text());
    const auto failed = edit_.Check();
    if (!failed) return true;
    using editors::NotifField;
    QWidget* field = nullptr;
    switch (failed->field) {
    case NotifField::Led1Code:
        field = led1Code_;
        break;
    case NotifField::Led2Code:
        field = led2Code_;
        break;
    case NotifField::LedOffCode:
        field = ledOffCode_;
        break;
    case NotifField::LineSeizeCode:
        field = lineSeizeCode_;
        break;
    case NotifField::Start:
        field = start_;
        break;
    case NotifField::End:
        field = end_;
        break;
    case NotifField::RingInterval:
        field = ringInterval_;
        break;
    case NotifField::RingAttempts:
        field = ringAttempts_;
        break;
    }
    return FailField(field, ToQString(failed->message));
}

} // namespace kiv
