#include "editors/ui/GeneralParamSheet.h"

#include "app/QtText.h"
#include "editors/Texts.h"
#include "editors/ui/SysParPage.h"

namespace kiv {

CGeneralParamSheet::CGeneralParamSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent)
    : CPropertySheet(ToQString(editors::texts::kSysParCaption), dialogs, parent) {
    setObjectName("generalParamSheet");
    page_ = new CSysParPage(doc);
    AddPage(page_);
}

void CGeneralParamSheet::ApplyTo(CQelDoc& doc) const {
    page_->Model().ApplyTo(doc);
}

} // namespace kiv
