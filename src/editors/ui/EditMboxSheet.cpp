#include "editors/ui/EditMboxSheet.h"

#include "app/QtText.h"
#include "editors/ui/EditMboxPage.h"

namespace kiv {

CEditMboxSheet::CEditMboxSheet(const MboxRecord& record, int extDigits, bool isNew,
                               CShellDialogs& dialogs, QWidget* parent)
    : CPropertySheet(QString(), dialogs, parent) {
    setObjectName("editMboxSheet");
    page_ = new CEditMboxPage(record, extDigits, isNew);
    setWindowTitle(ToQString(page_->Model().Caption()));
    AddPage(page_);
}

MboxRecord CEditMboxSheet::Result() const {
    return page_->Result();
}

} // namespace kiv
