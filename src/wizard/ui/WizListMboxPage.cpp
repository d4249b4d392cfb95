#include "wizard/ui/WizListMboxPage.h"

#include "app/QtText.h"
#include "editors/ui/MboxRangePanel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

namespace {

// The range panel's notification starts at "Led Messaggio 1".
constexpr int kRangeNotifyPreset = 1;

} // namespace

CWizListMboxPage::CWizListMboxPage(const CQelDoc& doc,
                                   std::shared_ptr<editors::MboxRefTables> tables,
                                   QSettings* profile, QWidget* parent)
    : CListMboxPage(WizardVariant{}, doc, std::move(tables), profile, parent) {
    range_ = new CMboxRangePanel(kRangeNotifyPreset, true, this);
    connect(range_->CreateButton(), &QPushButton::clicked, this, &CWizListMboxPage::CreateRange);
    static_cast<QVBoxLayout*>(layout())->addWidget(range_);
}

void CWizListMboxPage::Enter(int extDigits, int operatorKey) {
    WorkList().extDigits = extDigits;
    WorkList().operatorKey = operatorKey;
}

void CWizListMboxPage::CreateRange() {
    if (const auto failed = range_->CreateIn(WorkList())) {
        // The range is refused as a whole; nothing was created.
        FailField(range_->Field(failed->field), ToQString(failed->message));
        return;
    }
    if (range_->IsEmpty()) return;
    Refresh();
    range_->Reset();
}

QLineEdit* CWizListMboxPage::RangeFrom() const {
    return range_->From();
}

QLineEdit* CWizListMboxPage::RangeTo() const {
    return range_->To();
}

QComboBox* CWizListMboxPage::RangeNotify() const {
    return range_->Notify();
}

QPushButton* CWizListMboxPage::CreateRangeButton() const {
    return range_->CreateButton();
}

bool CWizListMboxPage::OnWizardNext() {
    WorkList().LeaveWithoutNumberCheck();
    SaveColumnWidths();
    return true;
}

} // namespace kiv
