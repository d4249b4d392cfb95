#include "wizard/ui/WizSuperPage.h"

#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/SpinEdit.h"
#include "editors/ui/SuperPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kiv {

using editors::TransferField;

namespace {

QLineEdit* Code(const std::string& text, int maxLength, const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(ToQString(text), parent);
    edit->setObjectName(name);
    LimitTyping(edit, maxLength);
    return edit;
}

} // namespace

CWizSuperPage::CWizSuperPage(const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kSuperTab), parent), callTran_(doc), super_(doc),
      tones_(doc) {
    namespace t = editors::texts;
    SetHelpTopic("supervisione");

    QGroupBox* modeBox = TransferModesBox(super_, modeOperator_, modeOther_, this);

    transferCode_ =
        Code(callTran_.transferCode, editors::kTransferCodeMaxLength, "transferCode", this);
    recallOnBusy_ =
        Code(callTran_.recallOnBusy, editors::kTransferCodeMaxLength, "recallOnBusy", this);
    recallOnNoAnswer_ =
        Code(callTran_.recallOnNoAnswer, editors::kTransferCodeMaxLength, "recallOnNoAnswer", this);
    flash1_ = new CSpinEdit(editors::kFlashRule, 4, this);
    flash1_->setObjectName("flash1");
    flash1_->SetText(ToQString(callTran_.flash1));
    MakeWaitAndSensitivity(super_, noAnswerWait_, voiceSensitivity_, this);
    busyOn_ = new CSpinEdit(editors::kToneTimeRule, 4, this);
    busyOn_->setObjectName("busyToneOn");
    busyOn_->SetText(ToQString(tones_.busyToneOn));
    busyOff_ = new CSpinEdit(editors::kToneTimeRule, 4, this);
    busyOff_->setObjectName("busyToneOff");
    busyOff_->SetText(ToQString(tones_.busyToneOff));
    disconnectCode_ =
        Code(tones_.disconnectCode, editors::kDisconnectCodeMaxLength, "disconnectCode", this);

    auto* grid = new QGridLayout;
    const auto row = [this, grid](const char* caption, QWidget* field, const char* unit) {
        auto* label = new QLabel(ToQString(caption), this);
        label->setBuddy(field);
        const int r = grid->rowCount();
        grid->addWidget(label, r, 0);
        grid->addWidget(field, r, 1);
        if (unit) grid->addWidget(new QLabel(ToQString(unit), this), r, 2);
    };
    row(t::kTransferCode, transferCode_, nullptr);
    row(t::kRecallOnBusy, recallOnBusy_, nullptr);
    row(t::kRecallOnNoAnswer, recallOnNoAnswer_, nullptr);
    row(t::kFlash1, flash1_, t::kMsec);
    row(t::kNoAnswerWait, noAnswerWait_, t::kSeconds);
    row(t::kVoiceSensitivity, voiceSensitivity_, nullptr);
    row(t::kBusyToneOn, busyOn_, t::kMsec);
    row(t::kBusyToneOff, busyOff_, t::kMsec);
    row(t::kDisconnectCode, disconnectCode_, nullptr);
    grid->setColumnStretch(3, 1);

    auto* hint = new QLabel(ToQString(t::kSuperWizardHint), this);
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(modeBox);
    layout->addLayout(grid);
    layout->addStretch();
}

void CWizSuperPage::ReadFields() {
    callTran_.transferCode = FieldText(transferCode_->text());
    callTran_.recallOnBusy = FieldText(recallOnBusy_->text());
    callTran_.recallOnNoAnswer = FieldText(recallOnNoAnswer_->text());
    callTran_.flash1 = FieldText(flash1_->text());
    super_.noAnswerWait = FieldText(noAnswerWait_->text());
    super_.voiceSensitivity = FieldText(voiceSensitivity_->text());
    tones_.busyToneOn = FieldText(busyOn_->text());
    tones_.busyToneOff = FieldText(busyOff_->text());
    tones_.disconnectCode = FieldText(disconnectCode_->text());
}

QWidget* CWizSuperPage::Field(TransferField field) const {
    switch (field) {
    case TransferField::Flash1:
        return flash1_;
    case TransferField::TransferCode:
        return transferCode_;
    case TransferField::RecallOnBusy:
        return recallOnBusy_;
    case TransferField::RecallOnNoAnswer:
        return recallOnNoAnswer_;
    case TransferField::NoAnswerWait:
        return noAnswerWait_;
    case TransferField::VoiceSensitivity:
        return voiceSensitivity_;
    case TransferField::BusyToneOn:
        return busyOn_;
    case TransferField::BusyToneOff:
        return busyOff_;
    case TransferField::DisconnectCode:
        return disconnectCode_;
    default:
        return nullptr;
    }
}

bool CWizSuperPage::OnKillActive() {
    ReadFields();
    const auto failed = editors::CheckWizardSuper(callTran_, super_, tones_);
    if (!failed) return true;
    return FailField(Field(failed->field), ToQString(failed->message));
}

void CWizSuperPage::ApplyTo(CQelDoc& doc) const {
    callTran_.ApplyTo(doc);
    super_.ApplyTo(doc);
    tones_.ApplyTo(doc);
}

} // namespace kiv
