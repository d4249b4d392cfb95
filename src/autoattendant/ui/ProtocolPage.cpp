#include "autoattendant/ui/ProtocolPage.h"

#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "autoattendant/Texts.h"
#include "autoattendant/ui/HelpTopics.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/SpinEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kiv {

namespace t = autoatt::texts;

namespace {

// The tab's title: "Pagina 1" for events 0-9 ... "Pagina 4" for 30-39.
QString TabTitle(const autoatt::CProtocolEdit& edit) {
    return ToQString(t::kProtocolTabs[edit.FirstEvent() / autoatt::kProtocolRows]);
}

// A timing field with its caption in front and the unit after it.
CSpinEdit* AddTiming(QWidget* page, QGridLayout* grid, int row, const char* caption,
                     const editors::NumberRule& rule, int maxLength, const char* name) {
    auto* field = new CSpinEdit(rule, maxLength, page);
    field->setObjectName(name);
    auto* label = new QLabel(ToQString(caption), page);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(ToQString(t::kMilliseconds), page), row, 2);
    return field;
}

} // namespace

CProtocolPage::CProtocolPage(autoatt::CProtocolEdit& edit, QWidget* parent)
    : CPropertyPage(TabTitle(edit), parent), edit_(edit) {
    SetHelpTopic("protocollo_inband");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ToQString(t::kEventHead), this), 0, 0);
    grid->addWidget(new QLabel(ToQString(t::kCodeHead), this), 0, 1);
    grid->addWidget(new QLabel(ToQString(t::kOperationHead), this), 0, 2);
    grid->addWidget(new QLabel(ToQString(t::kDestinationHead), this), 0, 3);
    QStringList labels;
    for (const std::string& label : autoatt::CProtocolEdit::OperationLabels())
        labels << ToQString(label);
    for (int r = 0; r < autoatt::kProtocolRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const QString event = QString::number(edit_.FirstEvent() + r);
        const QString rowName = ToQString(t::kEventHead) + " " + event + " ";

        auto* code = new QLineEdit(this);
        code->setObjectName(QString("code%1").arg(r));
        LimitTyping(code, autoatt::kInBandCodeChars);
        code->setMinimumWidth(code->fontMetrics().horizontalAdvance(QString(21, '0')) + 12);
        code->setAccessibleName(rowName + ToQString(t::kCodeHead));

        // The operations in code order: the list position is the code.
        auto* op = new QComboBox(this);
        op->setObjectName(QString("operation%1").arg(r));
        op->addItems(labels);
        op->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        op->setAccessibleName(rowName + ToQString(t::kOperationHead));

        auto* dest = new QLineEdit(this);
        dest->setObjectName(QString("destination%1").arg(r));
        LimitTyping(dest, autoatt::kInBandDestinationChars);
        dest->setFixedWidth(dest->fontMetrics().horizontalAdvance("00000") + 12);
        dest->setAccessibleName(rowName + ToQString(t::kDestinationHead));

        SetControlHelp(code, autoatt::help::kProtocolCode);
        SetControlHelp(op, autoatt::help::kProtocolOperation);
        SetControlHelp(dest, autoatt::help::kProtocolDestination);
        codes_[i] = code;
        ops_[i] = op;
        dests_[i] = dest;
        grid->addWidget(new QLabel(event, this), r + 1, 0, Qt::AlignCenter);
        grid->addWidget(code, r + 1, 1);
        grid->addWidget(op, r + 1, 2);
        grid->addWidget(dest, r + 1, 3);

        connect(code, &QLineEdit::textEdited, this,
                [this, r](const QString& text) { edit_.SetCode(r, FieldText(text)); });
        connect(op, &QComboBox::activated, this, [this, r](int index) {
            edit_.ChooseOp(r, index);
            RedrawDestination(r);
        });
        connect(dest, &QLineEdit::textEdited, this,
                [this, r](const QString& text) { edit_.SetDestination(r, FieldText(text)); });
    }
    grid->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    if (edit_.HasTiming()) {
        auto* timing = new QGridLayout;
        firstDtmf_ = AddTiming(this, timing, 0, t::kFirstDtmfField, autoatt::kFirstDtmfRule, 4,
                               "firstDtmfTimeout");
        interDtmf_ = AddTiming(this, timing, 1, t::kInterDtmfField, autoatt::kInterDtmfRule, 3,
                               "interDtmfDelay");
        timing->setColumnStretch(3, 1);
        SetControlHelp(firstDtmf_, autoatt::help::kFirstDtmf);
        SetControlHelp(interDtmf_, autoatt::help::kInterDtmf);
        connect(firstDtmf_, &CSpinEdit::TextChanged, this, [this](const QString& text) {
            if (!drawing_) edit_.SetFirstDtmfText(FieldText(text));
        });
        connect(interDtmf_, &CSpinEdit::TextChanged, this, [this](const QString& text) {
            if (!drawing_) edit_.SetInterDtmfText(FieldText(text));
        });
        layout->addSpacing(8);
        layout->addLayout(timing);
    }
    layout->addStretch(1);
    Redraw();
}

void CProtocolPage::Redraw() {
    drawing_ = true;
    for (int r = 0; r < autoatt::kProtocolRows; ++r) {
        const auto& row = edit_.rows[static_cast<std::size_t>(r)];
        codes_[static_cast<std::size_t>(r)]->setText(ToQString(row.code));
        // A stored operation outside the list selects nothing (-1).
        ops_[static_cast<std::size_t>(r)]->setCurrentIndex(row.chosen);
        RedrawDestination(r);
    }
    if (firstDtmf_) {
        firstDtmf_->SetText(ToQString(edit_.firstDtmfText));
        interDtmf_->SetText(ToQString(edit_.interDtmfText));
    }
    drawing_ = false;
}

void CProtocolPage::RedrawDestination(int row) {
    const auto& form = edit_.rows.at(static_cast<std::size_t>(row));
    QLineEdit* dest = dests_.at(static_cast<std::size_t>(row));
    dest->setText(ToQString(form.destination));
    dest->setEnabled(form.destinationEnabled);
}

QWidget* CProtocolPage::Field(const autoatt::ProtocolFieldRef& ref) const {
    using Ref = autoatt::ProtocolFieldRef;
    switch (ref.kind) {
    case Ref::Operation:
        return Operation(ref.row);
    case Ref::Code:
        return Code(ref.row);
    case Ref::Destination:
        return Destination(ref.row);
    case Ref::InterDtmf:
        return interDtmf_;
    case Ref::FirstDtmf:
        return firstDtmf_;
    }
    return nullptr;
}

bool CProtocolPage::OnKillActive() {
    const autoatt::ProtocolCheck refused = edit_.LeaveCheck();
    if (!refused) return true;
    // The rows saved before the refused one keep their values; the form still
    // shows what was typed, so nothing is redrawn.
    return FailField(Field(refused->field), ToQString(refused->message));
}

} // namespace kiv
