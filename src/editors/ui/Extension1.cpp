#include "editors/ui/Extension1.h"

#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/SpinEdit.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kiv {

namespace {

using editors::ExtField;

QLineEdit* ExtField4(const std::string& text, const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(ToQString(text), parent);
    edit->setObjectName(name);
    LimitTyping(edit, editors::kExtMaxLength);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("0000000000"));
    return edit;
}

QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CExtension1::CExtension1(const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kExtensionTab), parent), edit_(doc) {
    Build();
}

CExtension1::CExtension1(WizardVariant, const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kExtensionTab), parent), edit_(doc), wizard_(true) {
    Build();
}

void CExtension1::Build() {
    namespace t = editors::texts;
    SetHelpTopic("interni");

    extDigits_ = new CSpinEdit(editors::kMinExtDigits, editors::kMaxExtDigits, 2, this);
    extDigits_->setObjectName("extDigits");
    extDigits_->SetText(ToQString(edit_.extDigits));
    faxExt_ = ExtField4(edit_.faxExt, "faxExt", this);

    auto* operatorBox = new QGroupBox(ToQString(t::kOperator), this);
    operatorKey_ = new CSpinEdit(0, 9, 2, operatorBox);
    operatorKey_->setObjectName("operatorKey");
    operatorKey_->SetText(ToQString(edit_.operatorKey));
    dayExt_ = ExtField4(edit_.operatorDayExt, "operatorDayExt", operatorBox);
    nightExt_ = ExtField4(edit_.operatorNightExt, "operatorNightExt", operatorBox);
    auto* operatorGrid = new QGridLayout(operatorBox);
    operatorGrid->addWidget(Caption(t::kOperatorKey, operatorKey_, operatorBox), 0, 0);
    operatorGrid->addWidget(operatorKey_, 0, 1, Qt::AlignLeft);
    operatorGrid->addWidget(Caption(t::kOperatorDayExt, dayExt_, operatorBox), 1, 0);
    operatorGrid->addWidget(dayExt_, 1, 1);
    operatorGrid->addWidget(Caption(t::kOperatorNightExt, nightExt_, operatorBox), 2, 0);
    operatorGrid->addWidget(nightExt_, 2, 1);

    // Two halves side by side, rows 0-4 and 5-9, each with its "Da" and "A" heads.
    auto* rangeBox = new QGroupBox(ToQString(t::kAllowedExt), this);
    auto* rangeGrid = new QGridLayout(rangeBox);
    constexpr int kHalf = editors::kRangeRows / 2;
    for (int half = 0; half < 2; ++half) {
        const int column = half * 4;
        rangeGrid->addWidget(new QLabel(ToQString(t::kRangeFrom), rangeBox), 0, column + 1,
                             Qt::AlignHCenter);
        rangeGrid->addWidget(new QLabel(ToQString(t::kRangeTo), rangeBox), 0, column + 2,
                             Qt::AlignHCenter);
    }
    rangeGrid->setColumnMinimumWidth(3, 24);
    rangeGrid->setColumnStretch(7, 1);
    for (int r = 0; r < editors::kRangeRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const QString row = ToQString(editors::FormatInt(t::kRangeRow, r));
        const int column = r < kHalf ? 0 : 4;
        const int line = 1 + r % kHalf;
        from_[i] = ExtField4(edit_.from[i], "", rangeBox);
        from_[i]->setObjectName(QString("allowedFrom%1").arg(r));
        from_[i]->setAccessibleName(row + " " + ToQString(t::kRangeFrom));
        to_[i] = ExtField4(edit_.to[i], "", rangeBox);
        to_[i]->setObjectName(QString("allowedTo%1").arg(r));
        to_[i]->setAccessibleName(row + " " + ToQString(t::kRangeTo));
        for (QLineEdit* field : {from_[i], to_[i]})
            field->installEventFilter(this);
        rangeGrid->addWidget(new QLabel(r < kHalf ? row : QString::number(r), rangeBox), line,
                             column);
        rangeGrid->addWidget(from_[i], line, column + 1);
        rangeGrid->addWidget(to_[i], line, column + 2);
    }

    auto* top = new QGridLayout;
    top->addWidget(Caption(t::kExtDigits, extDigits_, this), 0, 0);
    top->addWidget(extDigits_, 0, 1, Qt::AlignLeft);
    if (wizard_) {
        // The wizard does not ask for the fax; its value stays as it was.
        faxExt_->setAccessibleName(ToQString(t::kFaxExt));
        faxExt_->setFocusPolicy(Qt::NoFocus);
        faxExt_->hide();
    } else {
        top->addWidget(Caption(t::kFaxExt, faxExt_, this), 1, 0);
        top->addWidget(faxExt_, 1, 1);
    }
    top->setRowStretch(2, 1);
    top->setColumnStretch(2, 1);
    auto* upper = new QHBoxLayout;
    upper->addLayout(top);
    upper->addWidget(operatorBox);
    auto* layout = new QVBoxLayout(this);
    if (wizard_) {
        auto* hint =
            new QLabel(ToQString(std::string(t::kExtWizardHint) + t::kWizardNextHint), this);
        hint->setWordWrap(true);
        layout->addWidget(hint);
    }
    layout->addLayout(upper);
    layout->addWidget(rangeBox);
    layout->addStretch();
    ShowLock();
}

void CExtension1::ShowLock() {
    // Read-only also stills the spin arrows.
    extDigits_->setReadOnly(edit_.DigitsLocked());
}

void CExtension1::SetMailboxesExist(bool exist) {
    edit_.SetMailboxesExist(exist);
    ShowLock();
}

QLineEdit* CExtension1::RangeField(ExtField field) const {
    const auto row = static_cast<std::size_t>(field.row);
    return field.kind == ExtField::To ? to_[row] : from_[row];
}

bool CExtension1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        if (auto* field = qobject_cast<QLineEdit*>(watched)) {
            edit_.RangeLeft(FieldText(field->text()));
            ShowLock();
        }
    return CPropertyPage::eventFilter(watched, event);
}

void CExtension1::ReadFields() {
    edit_.extDigits = FieldText(extDigits_->text());
    edit_.operatorKey = FieldText(operatorKey_->text());
    edit_.operatorDayExt = FieldText(dayExt_->text());
    edit_.operatorNightExt = FieldText(nightExt_->text());
    edit_.faxExt = FieldText(faxExt_->text());
    for (std::size_t r = 0; r < from_.size(); ++r) {
        edit_.from[r] = FieldText(from_[r]->text());
        edit_.to[r] = FieldText(to_[r]->text());
    }
}

QWidget* CExtension1::Widget(ExtField field) const {
    switch (field.kind) {
    case ExtField::ExtDigits:
        return extDigits_;
    case ExtField::OperatorKey:
        return operatorKey_;
    case ExtField::DayExt:
        return dayExt_;
    case ExtField::NightExt:
        return nightExt_;
    case ExtField::FaxExt:
        return faxExt_;
    case ExtField::From:
    case ExtField::To:
        break;
    }
    return RangeField(field);
}

bool CExtension1::OnKillActive() {
    ReadFields();
    const auto failed = edit_.Check(!wizard_);
    ShowLock();
    if (!failed) return true;
    return FailField(Widget(failed->field), ToQString(failed->message));
}

} // namespace kiv
