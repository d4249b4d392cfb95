#include "editors/ui/TonesPage.h"

#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "editors/CallTranEdit.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/SpinEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace kiv {

using editors::TransferField;

CTonesPage::CTonesPage(const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kTonesTab), parent), edit_(doc) {
    namespace t = editors::texts;
    SetHelpTopic("toni_chiamata");

    // A group of two times ("Tempo-On" above "Tempo-Off"), each followed by "msec".
    const auto toneBox = [this](const char* caption, TransferField onField, const char* onCaption,
                                const char* onName, TransferField offField, const char* offCaption,
                                const char* offName, CSpinEdit*& on, CSpinEdit*& off) {
        auto* box = new QGroupBox(ToQString(caption), this);
        auto* grid = new QGridLayout(box);
        int row = 0;
        for (auto [field, text, name, spin] : {std::tuple{onField, onCaption, onName, &on},
                                               std::tuple{offField, offCaption, offName, &off}}) {
            *spin = new CSpinEdit(editors::kToneTimeRule, 4, box);
            (*spin)->setObjectName(name);
            (*spin)->SetText(ToQString(edit_.Time(field)));
            auto* label = new QLabel(ToQString(text), box);
            label->setBuddy(*spin);
            grid->addWidget(label, row, 0);
            grid->addWidget(*spin, row, 1);
            grid->addWidget(new QLabel(ToQString(t::kMsec), box), row, 2);
            ++row;
        }
        grid->setColumnStretch(3, 1);
        return box;
    };
    QGroupBox* busy =
        toneBox(t::kBusyTone, TransferField::BusyToneOn, t::kBusyToneOn, "busyToneOn",
                TransferField::BusyToneOff, t::kBusyToneOff, "busyToneOff", busyOn_, busyOff_);
    QGroupBox* disconnect =
        toneBox(t::kDisconnectTone, TransferField::DisconnectToneOn, t::kDisconnectToneOn,
                "disconnectToneOn", TransferField::DisconnectToneOff, t::kDisconnectToneOff,
                "disconnectToneOff", disconnectOn_, disconnectOff_);

    disconnectCode_ = new QLineEdit(ToQString(edit_.disconnectCode), this);
    disconnectCode_->setObjectName("disconnectCode");
    LimitTyping(disconnectCode_, editors::kDisconnectCodeMaxLength);
    disconnectCode_->setMaximumWidth(disconnectCode_->fontMetrics().horizontalAdvance("00000000"));
    auto* codeLabel = new QLabel(ToQString(t::kDisconnectCode), this);
    codeLabel->setBuddy(disconnectCode_);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(codeLabel);
    codeRow->addWidget(disconnectCode_);
    codeRow->addStretch();

    // The four times one under the other: every caption as wide as the widest.
    int captionWidth = 0;
    for (QGroupBox* box : {busy, disconnect})
        for (QLabel* label : box->findChildren<QLabel*>())
            if (label->buddy()) captionWidth = std::max(captionWidth, label->sizeHint().width());
    for (QGroupBox* box : {busy, disconnect})
        for (QLabel* label : box->findChildren<QLabel*>())
            if (label->buddy()) label->setMinimumWidth(captionWidth);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(busy);
    layout->addWidget(disconnect);
    layout->addLayout(codeRow);
    layout->addStretch();
}

CSpinEdit* CTonesPage::Time(TransferField field) const {
    switch (field) {
    case TransferField::BusyToneOn:
        return busyOn_;
    case TransferField::BusyToneOff:
        return busyOff_;
    case TransferField::DisconnectToneOn:
        return disconnectOn_;
    default:
        return disconnectOff_;
    }
}

bool CTonesPage::OnKillActive() {
    for (TransferField field : {TransferField::BusyToneOn, TransferField::BusyToneOff,
                                TransferField::DisconnectToneOn, TransferField::DisconnectToneOff})
        edit_.Time(field) = FieldText(Time(field)->text());
    edit_.disconnectCode = FieldText(disconnectCode_->text());
    const auto failed = edit_.Check();
    if (!failed) return true;
    QWidget* field = failed->field == TransferField::DisconnectCode
                         ? static_cast<QWidget*>(disconnectCode_)
                         : Time(failed->field);
    return FailField(field, ToQString(failed->message));
}

} // namespace kiv
