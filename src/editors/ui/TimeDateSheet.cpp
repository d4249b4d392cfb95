#include "editors/ui/TimeDateSheet.h"

#include "app/QtText.h"
#include "document/QelDoc.h"
#include "editors/Texts.h"
#include "editors/ui/TimeDatePage.h"

namespace kiv {

CTimeDateSheet::CTimeDateSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent)
    : CPropertySheet(ToQString(editors::texts::kTimeDateCaption), dialogs, parent) {
    setObjectName("timeDateSheet");
    page_ = new CTimeDatePage(doc, doc.Clock());
    AddPage(page_);
}

void CTimeDateSheet::ApplyTo(CQelDoc& doc) const {
    page_->Model().ApplyTo(doc, doc.Clock().Now());
}

bool RunTimeDateCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    doc.AdvanceClock();
    CTimeDateSheet sheet(doc, dialogs, parent);
    return RunSheet(sheet, doc);
}

} // namespace kiv
