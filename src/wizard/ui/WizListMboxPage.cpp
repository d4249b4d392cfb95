#include "wizard/ui/WizListMboxPage.h"

#include "app/QtText.h"
#include "document/ValueNames.h"
#include "editors/ExtensionEdit.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
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
    namespace t = editors::texts;
    auto* panel = new QGroupBox(this);
    from_ = new QLineEdit(panel);
    to_ = new QLineEdit(panel);
    from_->setObjectName("rangeFrom");
    to_->setObjectName("rangeTo");
    for (QLineEdit* edit : {from_, to_}) {
        edit->setMaxLength(editors::kExtMaxLength);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("00000000"));
    }
    notify_ = new QComboBox(panel);
    notify_->setObjectName("rangeNotify");
    for (const char* name : names::kLocalNotify)
        notify_->addItem(ToQString(name));
    create_ = new QPushButton(ToQString(t::kCreateRange), panel);
    create_->setObjectName("rangeCreate");
    connect(create_, &QPushButton::clicked, this, &CWizListMboxPage::CreateRange);

    auto* grid = new QGridLayout(panel);
    auto* hint = new QLabel(ToQString(t::kRangeHint), panel);
    hint->setWordWrap(true);
    grid->addWidget(hint, 0, 0, 1, 7);
    int column = 0;
    for (auto [caption, field] : {std::pair<const char*, QWidget*>{t::kRangeFrom, from_},
                                  {t::kRangeTo, to_},
                                  {t::kLocalNotifyLabel, notify_}}) {
        auto* label = new QLabel(ToQString(caption), panel);
        label->setBuddy(field);
        grid->addWidget(label, 1, column++);
        grid->addWidget(field, 1, column++);
    }
    grid->addWidget(create_, 1, column);
    grid->setColumnStretch(column + 1, 1);
    static_cast<QVBoxLayout*>(layout())->addWidget(panel);
    ResetRange();
}

void CWizListMboxPage::ResetRange() {
    from_->clear();
    to_->clear();
    notify_->setCurrentIndex(kRangeNotifyPreset);
}

void CWizListMboxPage::Enter(int extDigits, int operatorKey) {
    WorkList().extDigits = extDigits;
    WorkList().operatorKey = operatorKey;
}

void CWizListMboxPage::CreateRange() {
    const auto failed = WorkList().CreateRange(FieldText(from_->text()), FieldText(to_->text()),
                                               notify_->currentIndex());
    if (failed) {
        // The range is refused as a whole; nothing was created.
        FailField(failed->field == editors::RangeField::To ? to_ : from_,
                  ToQString(failed->message));
        return;
    }
    if (FieldText(from_->text()).empty() || FieldText(to_->text()).empty()) return;
    Refresh();
    ResetRange();
}

bool CWizListMboxPage::OnWizardNext() {
    WorkList().LeaveWithoutNumberCheck();
    SaveColumnWidths();
    return true;
}

} // namespace kiv
