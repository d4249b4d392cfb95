#include "editors/ui/MboxParamPage.h"

#include "app/QtText.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/SpinEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kiv {

CMboxParamPage::CMboxParamPage(const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kParameters), parent), edit_(doc) {
    namespace t = editors::texts;
    SetHelpTopic("parametri_comuni_caselle");

    // One character more than the largest value, so that 100 reaches the check.
    archiveDays_ = new CSpinEdit(editors::kArchiveDaysRule, 3, this);
    archiveDays_->setObjectName("archiveDays");
    archiveDays_->SetText(ToQString(edit_.archiveDays));
    listenKey_ = new CSpinEdit(0, 9, 1, this);
    listenKey_->setObjectName("listenKey");
    listenKey_->SetText(ToQString(edit_.listenKey));
    operatorKey_ = new QLineEdit(QString::number(edit_.operatorKey), this);
    operatorKey_->setObjectName("operatorKey");
    operatorKey_->setReadOnly(true);
    operatorKey_->setEnabled(false);
    operatorKey_->setMaximumWidth(listenKey_->sizeHint().width());

    auto* daysLabel = new QLabel(ToQString(t::kArchiveDays), this);
    daysLabel->setBuddy(archiveDays_);
    auto* keyLabel = new QLabel(ToQString(t::kListenKey), this);
    keyLabel->setBuddy(listenKey_);
    auto* keyNote = new QLabel(ToQString(t::kListenKeyNote), this);
    auto* operatorLabel = new QLabel(ToQString(t::kOperatorKey), this);
    operatorLabel->setBuddy(operatorKey_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(daysLabel, 0, 0);
    layout->addWidget(archiveDays_, 0, 1, Qt::AlignLeft);
    layout->setRowMinimumHeight(1, daysLabel->sizeHint().height());
    layout->addWidget(keyLabel, 2, 0);
    layout->addWidget(listenKey_, 2, 1, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(keyNote, 3, 0);
    layout->addWidget(operatorLabel, 4, 0);
    layout->addWidget(operatorKey_, 4, 1, Qt::AlignLeft);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(5, 1);
}

bool CMboxParamPage::OnKillActive() {
    edit_.listenKey = FieldText(listenKey_->text());
    edit_.archiveDays = FieldText(archiveDays_->text());
    const auto failed = edit_.Check();
    if (!failed) return true;
    CSpinEdit* field =
        failed->field == editors::MboxParField::ListenKey ? listenKey_ : archiveDays_;
    return FailField(field, ToQString(failed->message));
}

} // namespace kiv
