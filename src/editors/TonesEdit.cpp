#include "editors/TonesEdit.h"

#include "document/QelDoc.h"
#include "editors/CallTranEdit.h"

#include <utility>

namespace kiv::editors {

CTonesEdit::CTonesEdit(const CQelDoc& doc)
    : busyToneOn(std::to_string(doc.busyToneOn)), busyToneOff(std::to_string(doc.busyToneOff)),
      disconnectToneOn(std::to_string(doc.disconnectToneOn)),
      disconnectToneOff(std::to_string(doc.disconnectToneOff)), disconnectCode(doc.disconnectCode) {
}

std::string& CTonesEdit::Time(TransferField field) {
    return const_cast<std::string&>(std::as_const(*this).Time(field));
}

const std::string& CTonesEdit::Time(TransferField field) const {
    switch (field) {
    case TransferField::BusyToneOn:
        return busyToneOn;
    case TransferField::BusyToneOff:
        return busyToneOff;
    case TransferField::DisconnectToneOn:
        return disconnectToneOn;
    default:
        return disconnectToneOff;
    }
}

std::optional<TransferField> CTonesEdit::CheckTime(TransferField field) const {
    if (!kToneTimeRule.Accepts(Time(field))) return field;
    return std::nullopt;
}

std::optional<TransferField> CTonesEdit::CheckDisconnectCode() const {
    if (!OnlyChars(disconnectCode, chars::kDtmf, kDisconnectCodeMaxLength))
        return TransferField::DisconnectCode;
    return std::nullopt;
}

FieldCheck<TransferField> CTonesEdit::Check() const {
    for (TransferField field : {TransferField::BusyToneOff, TransferField::BusyToneOn,
                                TransferField::DisconnectToneOff, TransferField::DisconnectToneOn})
        if (auto failed = CheckTime(field)) return InputError(failed);
    return InputError(CheckDisconnectCode());
}

void CTonesEdit::ApplyTo(CQelDoc& doc) const {
    doc.busyToneOn = LeadingNumber(busyToneOn);
    doc.busyToneOff = LeadingNumber(busyToneOff);
    doc.disconnectToneOn = LeadingNumber(disconnectToneOn);
    doc.disconnectToneOff = LeadingNumber(disconnectToneOff);
    doc.disconnectCode = disconnectCode;
}

} // namespace kiv::editors
