#include "editors/ui/MboxRangePanel.h"

#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "document/ValueNames.h"
#include "editors/ExtensionEdit.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kiv {

CMboxRangePanel::CMboxRangePanel(int notifyPreset, bool withCreateButton, QWidget* parent)
    : QGroupBox(parent), notifyPreset_(notifyPreset) {
    namespace t = editors::texts;
    from_ = new QLineEdit(this);
    to_ = new QLineEdit(this);
    from_->setObjectName("rangeFrom");
    to_->setObjectName("rangeTo");
    for (QLineEdit* edit : {from_, to_}) {
        LimitTyping(edit, editors::kExtMaxLength);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("00000000"));
    }
    notify_ = new QComboBox(this);
    notify_->setObjectName("rangeNotify");
    for (const char* name : names::kLocalNotify)
        notify_->addItem(ToQString(name));
    if (withCreateButton) {
        create_ = new QPushButton(ToQString(t::kCreateRange), this);
        create_->setObjectName("rangeCreate");
    }

    auto* grid = new QGridLayout(this);
    auto* hint = new QLabel(ToQString(t::kRangeHint), this);
    hint->setObjectName("rangeHint");
    hint->setWordWrap(true);
    grid->addWidget(hint, 0, 0, 1, 7);
    int column = 0;
    for (auto [caption, field] : {std::pair<const char*, QWidget*>{t::kRangeFrom, from_},
                                  {t::kRangeTo, to_},
                                  {t::kLocalNotifyLabel, notify_}}) {
        auto* label = new QLabel(ToQString(caption), this);
        label->setBuddy(field);
        grid->addWidget(label, 1, column++);
        grid->addWidget(field, 1, column++);
    }
    if (create_) grid->addWidget(create_, 1, column);
    grid->setColumnStretch(column + 1, 1);
    Reset();
}

editors::FieldCheck<editors::RangeField> CMboxRangePanel::CreateIn(editors::CMboxList& list) const {
    return list.CreateRange(FieldText(from_->text()), FieldText(to_->text()),
                            notify_->currentIndex());
}

bool CMboxRangePanel::IsEmpty() const {
    return from_->text().isEmpty() && to_->text().isEmpty();
}

void CMboxRangePanel::Reset() {
    from_->clear();
    to_->clear();
    notify_->setCurrentIndex(notifyPreset_);
}

QLineEdit* CMboxRangePanel::Field(editors::RangeField field) const {
    return field == editors::RangeField::To ? to_ : from_;
}

} // namespace kiv
