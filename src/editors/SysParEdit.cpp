#include "editors/SysParEdit.h"

#include "document/QelDoc.h"
#include "editors/Texts.h"

namespace kiv::editors {

CSysParEdit::CSysParEdit(const CQelDoc& doc)
    : recordTime(std::to_string(doc.maxRecordTime)), autoVolume(doc.autoVolume != 0),
      defaultLanguage(doc.defaultLanguage), nameOrder(doc.nameOrder) {}

std::string CSysParEdit::OnRecordTimeChanged(std::string_view text) {
    recordTime = text;
    if (!filled_) {
        filled_ = true;
        return {};
    }
    return texts::kRecordTimeWarning;
}

FieldCheck<SysParField> CSysParEdit::Check() const {
    if (!kRecordTimeRule.Accepts(recordTime))
        return FieldError<SysParField>{SysParField::MaxRecordTime, texts::kInputError};
    return std::nullopt;
}

void CSysParEdit::ApplyTo(CQelDoc& doc) const {
    doc.maxRecordTime = LeadingNumber(recordTime);
    doc.autoVolume = autoVolume ? 1 : 0;
    doc.defaultLanguage = defaultLanguage;
    doc.nameOrder = nameOrder;
}

} // namespace kiv::editors
