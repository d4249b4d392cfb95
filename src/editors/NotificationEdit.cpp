#include "editors/NotificationEdit.h"

#include "document/QelDoc.h"
#include "document/TimeText.h"
#include "editors/Texts.h"

namespace kiv::editors {

namespace {

FieldError<NotifField> Fail(NotifField field) {
    return {field, texts::kInputError};
}

bool IsLedCode(const std::string& code) {
    return OnlyChars(code, chars::kLedCode, kLedCodeMaxLength);
}

} // namespace

CNotificationEdit::CNotificationEdit(const CQelDoc& doc)
    : led1Code(doc.led1Code), led2Code(doc.led2Code), ledOffCode(doc.ledOffCode),
      lineSeizeCode(doc.lineSeizeCode), start(TimeText(doc.extNotifyStart)),
      end(TimeText(doc.extNotifyEnd)), ringInterval(std::to_string(doc.ringInterval)),
      ringAttempts(std::to_string(doc.ringAttempts)), ledMode(doc.ledMode),
      ringDuration(doc.ringDuration) {}

FieldCheck<NotifField> CNotificationEdit::CheckWindow() const {
    if (start.empty() && end.empty()) return std::nullopt;
    const auto from = LenientTime(start);
    if (!from) return Fail(NotifField::Start);
    const auto until = LenientTime(end);
    if (!until) return Fail(NotifField::End);
    if (!from->IsTimeOfDay()) return Fail(NotifField::Start);
    if (!until->IsTimeOfDay()) return Fail(NotifField::End);
    if (from->Minutes() > until->Minutes()) return Fail(NotifField::Start);
    return std::nullopt;
}

FieldCheck<NotifField> CNotificationEdit::Check() const {
    if (!IsLedCode(led1Code)) return Fail(NotifField::Led1Code);
    if (!IsLedCode(led2Code)) return Fail(NotifField::Led2Code);
    if (!IsLedCode(ledOffCode)) return Fail(NotifField::LedOffCode);
    if (!OnlyChars(lineSeizeCode, chars::kLineSeize, kLineSeizeMaxLength))
        return Fail(NotifField::LineSeizeCode);
    if (auto failed = CheckWindow()) return failed;
    if (!IsNumberIn(ringInterval, 1, kMaxRingCount)) return Fail(NotifField::RingInterval);
    if (!IsNumberIn(ringAttempts, 1, kMaxRingCount)) return Fail(NotifField::RingAttempts);
    return std::nullopt;
}

FieldCheck<NotifField> CNotificationEdit::CheckWizard() const {
    if (!IsLedCode(led1Code)) return Fail(NotifField::Led1Code);
    if (!IsLedCode(ledOffCode)) return Fail(NotifField::LedOffCode);
    if (!OnlyChars(lineSeizeCode, chars::kLineSeize, kLineSeizeMaxLength))
        return Fail(NotifField::LineSeizeCode);
    if (!IsNumberIn(ringInterval, 1, kMaxRingCount)) return Fail(NotifField::RingInterval);
    if (!IsNumberIn(ringAttempts, 1, kMaxRingCount)) return Fail(NotifField::RingAttempts);
    return std::nullopt;
}

void CNotificationEdit::ApplyTo(CQelDoc& doc) const {
    doc.led1Code = led1Code;
    doc.led2Code = led2Code;
    doc.ledOffCode = ledOffCode;
    doc.lineSeizeCode = lineSeizeCode;
    doc.extNotifyStart = LenientTimeMinutes(start);
    doc.extNotifyEnd = LenientTimeMinutes(end);
    doc.ringInterval = LeadingNumber(ringInterval);
    doc.ringAttempts = LeadingNumber(ringAttempts);
    doc.ledMode = ledMode;
    doc.ringDuration = ringDuration;
}

} // namespace kiv::editors
