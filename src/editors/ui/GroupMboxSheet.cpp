#include "editors/ui/GroupMboxSheet.h"

#include "app/QtText.h"
#include "editors/Texts.h"
#include "editors/ui/GroupMboxPage.h"

namespace kiv {

CGroupMboxSheet::CGroupMboxSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent)
    : CPropertySheet(ToQString(editors::texts::kGroupCaption), dialogs, parent) {
    setObjectName("groupMboxSheet");
    page_ = new CGroupMboxPage(doc);
    AddPage(page_);
}

void CGroupMboxSheet::ApplyTo(CQelDoc& doc) const {
    page_->Model().ApplyTo(doc);
}

} // namespace kiv
