#include "wizard/ui/WizNotifPage.h"

#include "app/QtText.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "editors/ui/NotificationPage.h"
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
    : CPropertyPage(ToQString(editors::texts::kNotificationTab), parent), edit_(doc),
      fields_(edit_, false, this) {
    namespace t = editors::texts;
    SetHelpTopic("parametri_notifica");

    auto* grid = new QGridLayout;
    const auto field = [this, grid](QWidget* edit, const char* caption,
                                    const char* unit = nullptr) {
        auto* label = new QLabel(ToQString(caption), this);
        label->setBuddy(edit);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        if (unit) grid->addWidget(new QLabel(ToQString(unit), this), row, 2);
    };
    field(fields_.led1Code, t::kLed1Code);
    field(fields_.ledOffCode, t::kLedOffCode);
    field(fields_.lineSeizeCode, t::kLineSeizeCode);
    field(fields_.ringInterval, t::kRingInterval, t::kMinutes);
    field(fields_.ringAttempts, t::kRingAttempts);
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
    fields_.ReadInto(edit_);
    const auto failed = edit_.CheckWizard();
    if (!failed) return true;
    return FailField(fields_.Field(failed->field), ToQString(failed->message));
}

} // namespace kiv
