#include "editors/SuperEdit.h"

#include "document/QelDoc.h"

namespace kiv::editors {

namespace {

// Button position <-> stored mode; the two middle entries swap places.
constexpr int kModeOfButton[3] = {0, 2, 1};

} // namespace

int TransferModeButton(int mode) {
    for (int b = 0; b < 3; ++b)
        if (kModeOfButton[b] == mode) return b;
    return -1;
}

int TransferModeOfButton(int button) {
    return button >= 0 && button < 3 ? kModeOfButton[button] : -1;
}

CSuperEdit::CSuperEdit(const CQelDoc& doc)
    : supervisionType(doc.supervisionType), answerSignal(doc.answerSignal),
      busySignal(doc.busySignal), dndSignal(doc.dndSignal),
      transferModeOperator(doc.transferModeOperator), transferModeOther(doc.transferModeOther),
      noAnswerWait(std::to_string(doc.noAnswerWait)),
      voiceSensitivity(std::to_string(doc.voiceSensitivity)) {}

void CSuperEdit::SetSupervisionChoice(int choice) {
    // A stored "by key" value other than 1 stays as it was while the choice is key.
    if (choice == SupervisionChoice()) return;
    supervisionType = choice != 0 ? 1 : 0;
    if (supervisionType == 0) {
        answerSignal.clear();
        busySignal.clear();
        dndSignal.clear();
    }
}

std::optional<TransferField> CSuperEdit::CheckNoAnswerWait(int minimum) const {
    if (!IsNumberIn(noAnswerWait, minimum, kMaxNoAnswerWait, EmptyField::ReadsZero))
        return TransferField::NoAnswerWait;
    return std::nullopt;
}

std::optional<TransferField> CSuperEdit::CheckVoiceSensitivity() const {
    if (!IsNumberIn(voiceSensitivity, kMinVoiceSensitivity, kMaxVoiceSensitivity))
        return TransferField::VoiceSensitivity;
    return std::nullopt;
}

FieldCheck<TransferField> CSuperEdit::Check() const {
    // Under tone supervision the signals are disabled: whatever they hold
    // goes back unchecked.
    if (SignalsEnabled() && !OnlyChars(answerSignal, chars::kDtmf, kSignalMaxLength))
        return InputError(TransferField::AnswerSignal);
    if (SignalsEnabled() && !OnlyChars(busySignal, chars::kDtmf, kSignalMaxLength))
        return InputError(TransferField::BusySignal);
    if (SignalsEnabled() && !OnlyChars(dndSignal, chars::kDtmf, kSignalMaxLength))
        return InputError(TransferField::DndSignal);
    if (auto field = CheckNoAnswerWait(0)) return InputError(field);
    return InputError(CheckVoiceSensitivity());
}

void CSuperEdit::ApplyTo(CQelDoc& doc) const {
    doc.supervisionType = supervisionType;
    doc.answerSignal = answerSignal;
    doc.busySignal = busySignal;
    doc.dndSignal = dndSignal;
    doc.transferModeOperator = transferModeOperator;
    doc.transferModeOther = transferModeOther;
    doc.noAnswerWait = noAnswerWait.empty() ? 0 : LeadingNumber(noAnswerWait);
    doc.voiceSensitivity = LeadingNumber(voiceSensitivity);
}

} // namespace kiv::editors
