#include "editors/ui/NotificationSheet.h"

#include "app/QtText.h"
#include "editors/Texts.h"
#include "editors/ui/NotificationPage.h"

namespace kiv {

CNotificationSheet::CNotificationSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent)
    : CPropertySheet(ToQString(editors::texts::kNotificationCaption), dialogs, parent) {
    setObjectName("notificationSheet");
    page_ = new CNotificationPage(doc);
    AddPage(page_);
}

void CNotificationSheet::ApplyTo(CQelDoc& doc) const {
    page_->Model().ApplyTo(doc);
}

} // namespace kiv
