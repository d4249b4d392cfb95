#include "editors/ui/ListMboxSheet.h"

#include "app/QtText.h"
#include "editors/Texts.h"
#include "editors/ui/MboxParamPage.h"

namespace kiv {

CListMboxSheet::CListMboxSheet(const CQelDoc& doc, CShellDialogs& dialogs, QSettings* profile,
                               QWidget* parent)
    : CPropertySheet(ToQString(editors::texts::kListMboxCaption), dialogs, parent) {
    setObjectName("listMboxSheet");
    list_ = new CListMboxPage(doc, profile);
    param_ = new CMboxParamPage(doc);
    AddPage(list_);
    AddPage(param_);
}

void CListMboxSheet::ApplyTo(CQelDoc& doc) const {
    list_->Model().ApplyTo(doc);
    param_->Model().ApplyTo(doc);
}

} // namespace kiv
