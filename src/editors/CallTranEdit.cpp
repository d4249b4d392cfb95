#include "editors/CallTranEdit.h"

#include "document/QelDoc.h"

namespace kiv::editors {

namespace {

bool IsTransferCode(const std::string& code) {
    return !code.empty() && OnlyChars(code, chars::kTransferCode, kTransferCodeMaxLength);
}

} // namespace

CCallTranEdit::CCallTranEdit(const CQelDoc& doc)
    : transferCode(doc.transferCode), recallOnBusy(doc.recallOnBusy),
      recallOnNoAnswer(doc.recallOnNoAnswer), flash1(std::to_string(doc.flash1)),
      flash2(doc.flash2) {}

std::optional<TransferField> CCallTranEdit::CheckFlashRange() const {
    if (!IsNumberIn(flash1, 0, kMaxFlash)) return TransferField::Flash1;
    return std::nullopt;
}

std::optional<TransferField> CCallTranEdit::CheckCodes() const {
    if (!IsTransferCode(transferCode)) return TransferField::TransferCode;
    if (!IsTransferCode(recallOnBusy)) return TransferField::RecallOnBusy;
    if (!IsTransferCode(recallOnNoAnswer)) return TransferField::RecallOnNoAnswer;
    return std::nullopt;
}

std::optional<TransferField> CCallTranEdit::CheckFlashStep() const {
    if (!kFlashRule.Accepts(flash1)) return TransferField::Flash1;
    return std::nullopt;
}

FieldCheck<TransferField> CCallTranEdit::Check() const {
    if (auto field = CheckFlashRange()) return InputError(field);
    if (auto field = CheckCodes()) return InputError(field);
    return InputError(CheckFlashStep());
}

void CCallTranEdit::ApplyTo(CQelDoc& doc) const {
    doc.transferCode = transferCode;
    doc.recallOnBusy = recallOnBusy;
    doc.recallOnNoAnswer = recallOnNoAnswer;
    doc.flash1 = LeadingNumber(flash1);
    doc.flash2 = flash2;
}

} // namespace kiv::editors
