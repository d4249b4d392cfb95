#include "editors/MboxParamEdit.h"

#include "document/QelDoc.h"
#include "editors/Texts.h"

namespace kiv::editors {

CMboxParamEdit::CMboxParamEdit(const CQelDoc& doc)
    : listenKey(std::to_string(doc.listenKey)), archiveDays(std::to_string(doc.archiveDays)),
      operatorKey(doc.operatorKey) {}

int CMboxParamEdit::ListenKeyValue() const {
    return !listenKey.empty() && listenKey[0] >= '0' && listenKey[0] <= '9' ? listenKey[0] - '0'
                                                                            : 0;
}

FieldCheck<MboxParField> CMboxParamEdit::Check() const {
    if (ListenKeyValue() == operatorKey)
        return FieldError<MboxParField>{MboxParField::ListenKey, texts::kInputError};
    if (!kArchiveDaysRule.Accepts(archiveDays))
        return FieldError<MboxParField>{MboxParField::ArchiveDays, texts::kInputError};
    return std::nullopt;
}

void CMboxParamEdit::ApplyTo(CQelDoc& doc) const {
    doc.listenKey = ListenKeyValue();
    doc.archiveDays = LeadingNumber(archiveDays);
}

} // namespace kiv::editors
