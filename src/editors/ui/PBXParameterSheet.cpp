#include "editors/ui/PBXParameterSheet.h"

#include "app/QtText.h"
#include "editors/Texts.h"
#include "editors/ui/CallTranPage.h"
#include "editors/ui/Extension1.h"
#include "editors/ui/SuperPage.h"
#include "editors/ui/TonesPage.h"

namespace kiv {

CPBXParameterSheet::CPBXParameterSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent)
    : CPropertySheet(ToQString(editors::texts::kPbxCaption), dialogs, parent) {
    setObjectName("pbxParameterSheet");
    extension_ = new CExtension1(doc);
    callTran_ = new CCallTranPage(doc);
    super_ = new CSuperPage(doc);
    tones_ = new CTonesPage(doc);
    AddPage(extension_);
    AddPage(callTran_);
    AddPage(super_);
    AddPage(tones_);
}

void CPBXParameterSheet::ApplyTo(CQelDoc& doc) const {
    extension_->Model().ApplyTo(doc);
    callTran_->Model().ApplyTo(doc);
    super_->Model().ApplyTo(doc);
    tones_->Model().ApplyTo(doc);
}

} // namespace kiv
