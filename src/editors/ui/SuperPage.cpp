#include "editors/ui/SuperPage.h"

#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/RadioBox.h"
#include "editors/ui/SpinEdit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kiv {

namespace {

QGroupBox* ModeBox(const char* caption, int mode, QButtonGroup*& group, const char* objectPrefix,
                   QWidget* parent) {
    const char* buttons[3];
    for (int b = 0; b < 3; ++b)
        buttons[b] = names::Name(names::kTransferMode, editors::TransferModeOfButton(b));
    return RadioBox(caption, buttons, editors::TransferModeButton(mode), group, objectPrefix,
                    parent);
}

} // namespace

QGroupBox* TransferModesBox(editors::CSuperEdit& edit, QButtonGroup*& modeOperator,
                            QButtonGroup*& modeOther, QWidget* page) {
    namespace t = editors::texts;
    auto* modeBox = new QGroupBox(ToQString(t::kTransferModes), page);
    auto* modeRow = new QHBoxLayout(modeBox);
    modeRow->addWidget(ModeBox(t::kOperator, edit.transferModeOperator, modeOperator,
                               "transferModeOperator", modeBox));
    modeRow->addWidget(
        ModeBox(t::kOtherExt, edit.transferModeOther, modeOther, "transferModeOther", modeBox));
    QObject::connect(modeOperator, &QButtonGroup::idClicked, page, [&edit](int id) {
        edit.transferModeOperator = editors::TransferModeOfButton(id);
    });
    QObject::connect(modeOther, &QButtonGroup::idClicked, page, [&edit](int id) {
        edit.transferModeOther = editors::TransferModeOfButton(id);
    });
    return modeBox;
}

void MakeWaitAndSensitivity(const editors::CSuperEdit& edit, CSpinEdit*& noAnswerWait,
                            CSpinEdit*& voiceSensitivity, QWidget* page) {
    // The wait's arrows start at 0; the wizard's check alone asks for 1 to 99.
    noAnswerWait = new CSpinEdit(0, editors::kMaxNoAnswerWait, 3, page);
    noAnswerWait->setObjectName("noAnswerWait");
    noAnswerWait->SetText(ToQString(edit.noAnswerWait));
    voiceSensitivity =
        new CSpinEdit(editors::kMinVoiceSensitivity, editors::kMaxVoiceSensitivity, 2, page);
    voiceSensitivity->setObjectName("voiceSensitivity");
    voiceSensitivity->SetText(ToQString(edit.voiceSensitivity));
}

CSuperPage::CSuperPage(const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kSuperTab), parent), edit_(doc) {
    namespace t = editors::texts;
    SetHelpTopic("supervisione");

    auto* typeBox = new QGroupBox(ToQString(t::kSupervisionType), this);
    type_ = new QComboBox(typeBox);
    type_->setObjectName("supervisionType");
    type_->setAccessibleName(ToQString(t::kSupervisionType));
    for (const char* name : names::kSupervisionType)
        type_->addItem(ToQString(name));
    type_->setCurrentIndex(edit_.SupervisionChoice());
    (new QVBoxLayout(typeBox))->addWidget(type_);

    auto* signalBox = new QGroupBox(ToQString(t::kDtmfFromPbx), this);
    auto* signalGrid = new QGridLayout(signalBox);
    const auto signal = [&](const std::string& text, const char* caption, const char* name) {
        auto* edit = new QLineEdit(ToQString(text), signalBox);
        edit->setObjectName(name);
        LimitTyping(edit, editors::kSignalMaxLength);
        auto* label = new QLabel(ToQString(caption), signalBox);
        label->setBuddy(edit);
        const int row = signalGrid->rowCount();
        signalGrid->addWidget(label, row, 0);
        signalGrid->addWidget(edit, row, 1);
        return edit;
    };
    answerSignal_ = signal(edit_.answerSignal, t::kAnswerSignal, "answerSignal");
    busySignal_ = signal(edit_.busySignal, t::kBusySignal, "busySignal");
    dndSignal_ = signal(edit_.dndSignal, t::kDndSignal, "dndSignal");

    QGroupBox* modeBox = TransferModesBox(edit_, modeOperator_, modeOther_, this);
    MakeWaitAndSensitivity(edit_, noAnswerWait_, voiceSensitivity_, this);
    auto* waitLabel = new QLabel(ToQString(t::kNoAnswerWait), this);
    waitLabel->setBuddy(noAnswerWait_);
    auto* voiceLabel = new QLabel(ToQString(t::kVoiceSensitivity), this);
    voiceLabel->setBuddy(voiceSensitivity_);
    auto* numbers = new QGridLayout;
    numbers->addWidget(waitLabel, 0, 0);
    numbers->addWidget(noAnswerWait_, 0, 1);
    numbers->addWidget(new QLabel(ToQString(t::kSeconds), this), 0, 2);
    numbers->addWidget(voiceLabel, 1, 0);
    numbers->addWidget(voiceSensitivity_, 1, 1);
    numbers->setColumnStretch(3, 1);

    connect(type_, &QComboBox::activated, this, [this](int index) {
        ReadSignals();
        edit_.SetSupervisionChoice(index);
        ShowSignals();
    });

    auto* left = new QVBoxLayout;
    left->addWidget(typeBox);
    left->addWidget(signalBox);
    left->addStretch();
    auto* upper = new QHBoxLayout;
    upper->addLayout(left);
    upper->addWidget(modeBox, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper);
    layout->addLayout(numbers);
    layout->addStretch();
    ShowSignals();
}

void CSuperPage::ReadSignals() {
    edit_.answerSignal = FieldText(answerSignal_->text());
    edit_.busySignal = FieldText(busySignal_->text());
    edit_.dndSignal = FieldText(dndSignal_->text());
}

void CSuperPage::ShowSignals() {
    const bool on = edit_.SignalsEnabled();
    for (auto [field, text] : {std::pair{answerSignal_, &edit_.answerSignal},
                               {busySignal_, &edit_.busySignal},
                               {dndSignal_, &edit_.dndSignal}}) {
        if (FieldText(field->text()) != *text) field->setText(ToQString(*text));
        field->setEnabled(on);
    }
}

bool CSuperPage::OnKillActive() {
    ReadSignals();
    edit_.noAnswerWait = FieldText(noAnswerWait_->text());
    edit_.voiceSensitivity = FieldText(voiceSensitivity_->text());
    const auto failed = edit_.Check();
    if (!failed) return true;
    using editors::TransferField;
    QWidget* field = voiceSensitivity_;
    switch (failed->field) {
    case TransferField::AnswerSignal:
        field = answerSignal_;
        break;
    case TransferField::BusySignal:
        field = busySignal_;
        break;
    case TransferField::DndSignal:
        field = dndSignal_;
        break;
    case TransferField::NoAnswerWait:
        field = noAnswerWait_;
        break;
    default:
        break;
    }
    return FailField(field, ToQString(failed->message));
}

} // namespace kiv
