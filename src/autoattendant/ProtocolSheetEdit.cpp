#include "autoattendant/ProtocolSheetEdit.h"

#include "document/QelDoc.h"

namespace kiv::autoatt {

CProtocolSheetEdit::CProtocolSheetEdit(const CQelDoc& doc)
    : pages{CProtocolEdit(doc, 0), CProtocolEdit(doc, 1), CProtocolEdit(doc, 2),
            CProtocolEdit(doc, 3)} {}

ProtocolCheck CProtocolSheetEdit::SwitchTo(int page) {
    if (page < 0 || page >= kProtocolPages || page == active_) return std::nullopt;
    if (auto refused = Active().LeaveCheck()) return refused;
    active_ = page;
    return std::nullopt;
}

ProtocolCheck CProtocolSheetEdit::Ok(CQelDoc& doc) {
    if (auto refused = Active().LeaveCheck()) return refused;
    ApplyTo(doc);
    return std::nullopt;
}

void CProtocolSheetEdit::ApplyTo(CQelDoc& doc) const {
    for (const CProtocolEdit& page : pages)
        page.ApplyTo(doc);
}

} // namespace kiv::autoatt
