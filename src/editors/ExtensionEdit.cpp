#include "editors/ExtensionEdit.h"

#include "document/QelDoc.h"
#include "editors/Texts.h"

namespace kiv::editors {

namespace {

FieldError<ExtField> Fail(ExtField::Kind kind, int row = 0) {
    return {ExtField{kind, row}, texts::kInputError};
}

} // namespace

CExtensionEdit::CExtensionEdit(const CQelDoc& doc)
    : extDigits(std::to_string(doc.extDigits)), operatorKey(std::to_string(doc.operatorKey)),
      operatorDayExt(doc.operatorDayExt), operatorNightExt(doc.operatorNightExt),
      faxExt(doc.faxExt) {
    mboxLock_ = doc.mboxCount > 0;
    for (int r = 0; r < kRangeRows; ++r) {
        from[static_cast<std::size_t>(r)] = doc.allowedExt[static_cast<std::size_t>(r)];
        to[static_cast<std::size_t>(r)] = doc.allowedExt[static_cast<std::size_t>(kRangeRows + r)];
    }
    for (const std::string& text : doc.allowedExt)
        if (!text.empty()) rangeLock_ = true;
}

void CExtensionEdit::RangeLeft(std::string_view text) {
    if (!text.empty()) rangeLock_ = true;
}

std::string& CExtensionEdit::Range(ExtField field) {
    auto& half = field.kind == ExtField::To ? to : from;
    return half[static_cast<std::size_t>(field.row)];
}

const std::string& CExtensionEdit::Range(ExtField field) const {
    const auto& half = field.kind == ExtField::To ? to : from;
    return half[static_cast<std::size_t>(field.row)];
}

// A row is both fields empty, or two numbers of exactly `digits` digits, each
// at least the smallest such number, "Da" not above "A".
FieldCheck<ExtField> CExtensionEdit::CheckRow(int row, int digits) const {
    const std::string& lo = from[static_cast<std::size_t>(row)];
    const std::string& hi = to[static_cast<std::size_t>(row)];
    if (!OnlyChars(lo, chars::kDigits)) return Fail(ExtField::From, row);
    if (!OnlyChars(hi, chars::kDigits)) return Fail(ExtField::To, row);
    if (lo.empty() && hi.empty()) return std::nullopt;
    const auto size = static_cast<std::size_t>(digits);
    if (lo.size() != size || hi.size() != size) return Fail(ExtField::From, row);
    const int a = LeadingNumber(lo);
    const int b = LeadingNumber(hi);
    if (a > b || a < LowestNumber(digits) || b < LowestNumber(digits))
        return Fail(ExtField::From, row);
    return std::nullopt;
}

FieldCheck<ExtField> CExtensionEdit::Check(bool withFax) {
    if (!IsNumberIn(extDigits, kMinExtDigits, kMaxExtDigits)) {
        mboxLock_ = rangeLock_ = false;
        return Fail(ExtField::ExtDigits);
    }
    if (!IsNumberIn(operatorKey, 0, 9)) return Fail(ExtField::OperatorKey);
    if (!OnlyChars(operatorDayExt, chars::kDigits, kExtMaxLength)) return Fail(ExtField::DayExt);
    if (!OnlyChars(operatorNightExt, chars::kDigits, kExtMaxLength))
        return Fail(ExtField::NightExt);
    if (withFax && !OnlyChars(faxExt, chars::kDigits, kExtMaxLength)) return Fail(ExtField::FaxExt);
    // Every range field has the length the digit count gives once its row
    // passed, so no field of the ten rows is left to refuse for its length.
    const int digits = LeadingNumber(extDigits);
    for (int r = 0; r < kRangeRows; ++r)
        if (auto failed = CheckRow(r, digits)) return failed;
    return std::nullopt;
}

void CExtensionEdit::ApplyTo(CQelDoc& doc) const {
    doc.extDigits = LeadingNumber(extDigits);
    doc.operatorKey = LeadingNumber(operatorKey);
    doc.operatorDayExt = operatorDayExt;
    doc.operatorNightExt = operatorNightExt;
    doc.faxExt = faxExt;
    for (int r = 0; r < kRangeRows; ++r) {
        doc.allowedExt[static_cast<std::size_t>(r)] = from[static_cast<std::size_t>(r)];
        doc.allowedExt[static_cast<std::size_t>(kRangeRows + r)] = to[static_cast<std::size_t>(r)];
    }
}

} // namespace kiv::editors
