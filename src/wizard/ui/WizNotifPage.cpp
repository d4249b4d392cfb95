#include "wizard/ui/WizNotifPage.h"

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

CWizNotifPage::CWizNotifPage(const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kNotificationTab), parent), edit_(doc) {
    namespace t = editors::texts;
    SetHelpTopic("parametri_notifica");

    led1Code_ = new QLineEdit(ToQString(edit_.led1Code), this);
    ledOffCode_ = new QLineEdit(ToQString(edit_.ledOffCode), this);
    lineSeizeCode_ = new QLineEdit(ToQString(edit_.lineSeizeCode), this);
    ringInterval_ = new CSpinEdit(1, editors::kMaxRingCount, 3, this);
    ringInterval_->SetText(ToQString(edit_.ringInterval));
    ringAttempts_ = new CSpinEdit(1, editors::kMaxRingCount, 3, this);
    ringAttempts_->SetText(ToQString(edit_.ringAttempts));
    for (QLineEdit* code : {led1Code_, ledOffCode_})
        code->setMinimumWidth(code->fontMetrics().horizontalAdvance(QString(20, '0')));

    auto* grid = new QGridLayout;
    const auto field = [this, grid](QWidget* edit, const char* caption, const char* name,
                                    const char* unit = nullptr) {
        edit->setObjectName(name);
        auto* label = new QLabel(ToQString(caption), this);
        label->setBuddy(edit);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        if (unit) grid->addWidget(new QLabel(ToQString(unit), this), row, 2);
    };
    field(led1Code_, t::kLed1Code, "led1Code");
    field(ledOffCode_, t::kLedOffCode, "ledOffCode");
    field(lineSeizeCode_, t::kLineSeizeCode, "lineSeizeCode");
    field(ringInterval_, t::kRingInterval, "ringInterval", t::kMinutes);
    field(ringAttempts_, t::kRingAttempts, "ringAttempts");
    grid->setColumnStretch(3, 1);

    QGroupBox* ledBox =
        RadioBox(t::kLedMode, names::kLedMode, edit_.ledMode, ledMode_, "ledMode", this);
    connect(ledMode_, &QButtonGroup::idClicked, this, [this](int id) { edit_.ledMode = id; });

    auto* hint = new QLabel(ToQString(t::kNotifWizardHint), this);
    hint->setWordWrap(true);
    auto* body = new QHBoxLayout;
    body->addLayout(grid, 1);
    body->addWidget(ledBox, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(body);
    layout->addStretch();
}

bool CWizNotifPage::OnKillActive() {
    edit_.led1Code = FieldText(led1Code_->text());
    edit_.ledOffCode = FieldText(ledOffCode_->text());
    edit_.lineSeizeCode = FieldText(lineSeizeCode_->text());
    edit_.ringInterval = FieldText(ringInterval_->text());
    edit_.ringAttempts = FieldText(ringAttempts_->text());
    const auto failed = edit_.CheckWizard();
    if (!failed) return true;
    using editors::NotifField;
    QWidget* field = ringAttempts_;
    switch (failed->field) {
    case NotifField::Led1Code:
        field = led1Code_;
        break;
    case NotifField::LedOffCode:
        field = ledOffCode_;
        break;
    case NotifField::LineSeizeCode:
        field = lineSeizeCode_;
        break;
    case NotifField::RingInterval:
        field = ringInterval_;
        break;
    default:
        break;
    }
    return FailField(field, ToQString(failed->message));
}

} // namespace kiv
