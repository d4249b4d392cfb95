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

NotifFields::NotifFields(const editors::CNotificationEdit& edit, bool withAll, QWidget* page) {
    const auto text = [page](const std::string& value, const char* name) {
        auto* field = new QLineEdit(ToQString(value), page);
        field->setObjectName(name);
        return field;
    };
    const auto count = [page](const std::string& value, const char* name) {
        auto* field = new CSpinEdit(1, editors::kMaxRingCount, 3, page);
        field->setObjectName(name);
        field->SetText(ToQString(value));
        return field;
    };
    // Made in the order of the page that shows them, which is their tab order.
    led1Code = text(edit.led1Code, "led1Code");
    if (withAll) led2Code = text(edit.led2Code, "led2Code");
    ledOffCode = text(edit.ledOffCode, "ledOffCode");
    if (!withAll) lineSeizeCode = text(edit.lineSeizeCode, "lineSeizeCode");
    ringInterval = count(edit.ringInterval, "ringInterval");
    ringAttempts = count(edit.ringAttempts, "ringAttempts");
    if (withAll) {
        start = text(edit.start, "extNotifyStart");
        end = text(edit.end, "extNotifyEnd");
        lineSeizeCode = text(edit.lineSeizeCode, "lineSeizeCode");
    }
    // Long codes scroll inside their fields; the check refuses more than 40 characters.
    for (QLineEdit* code : {led1Code, led2Code, ledOffCode})
        if (code) code->setMinimumWidth(code->fontMetrics().horizontalAdvance(QString(20, '0')));
}

void NotifFields::ReadInto(editors::CNotificationEdit& edit) const {
    for (auto [field, value] : {std::pair{led1Code, &edit.led1Code},
                                {led2Code, &edit.led2Code},
                                {ledOffCode, &edit.ledOffCode},
                                {lineSeizeCode, &edit.lineSeizeCode},
                                {start, &edit.start},
                                {end, &edit.end}})
        if (field) *value = FieldText(field->text());
    edit.ringInterval = FieldText(ringInterval->text());
    edit.ringAttempts = FieldText(ringAttempts->text());
}

QWidget* NotifFields::Field(editors::NotifField field) const {
    using editors::NotifField;
    switch (field) {
    case NotifField::Led1Code:
        return led1Code;
    case NotifField::Led2Code:
        return led2Code;
    case NotifField::LedOffCode:
        return ledOffCode;
    case NotifField::LineSeizeCode:
        return lineSeizeCode;
    case NotifField::Start:
        return start;
    case NotifField::End:
        return end;
    case NotifField::RingInterval:
        return ringInterval;
    case NotifField::RingAttempts:
        break;
    }
    return ringAttempts;
}

CNotificationPage::CNotificationPage(const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kNotificationTab), parent), edit_(doc),
      fields_(edit_, true, this) {
    namespace t = editors::texts;
    SetHelpTopic("parametri_notifica");

    auto* grid = new QGridLayout;
    const auto field = [this, grid](QWidget* edit, const char* caption,
                                    const char* unit = nullptr) {
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
    const int timeWidth = fields_.start->fontMetrics().horizontalAdvance("00:00000") + 12;
    for (QLineEdit* time : {fields_.start, fields_.end, fields_.lineSeizeCode})
        time->setMaximumWidth(timeWidth);

    field(fields_.led1Code, t::kLed1Code);
    field(fields_.led2Code, t::kLed2Code);
    field(fields_.ledOffCode, t::kLedOffCode);
    field(fields_.ringInterval, t::kRingInterval, t::kMinutes);
    field(fields_.ringAttempts, t::kRingAttempts, "");
    field(fields_.start, t::kExtNotifyStart, "");
    field(fields_.end, t::kExtNotifyEnd, "");
    field(fields_.lineSeizeCode, t::kLineSeizeCode, "");
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(grid->rowCount(), 1);

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
    fields_.ReadInto(edit_);
    const auto failed = edit_.Check();
    if (!failed) return true;
    return FailField(fields_.Field(failed->field), ToQString(failed->message));
}

} // namespace kiv
