#pragma once
// "Parametri PBX": the tabs "Interni", "Trasferta Chiamate", "Supervisione"
// and "Toni Chiamata", each on a copy taken from the document; ApplyTo hands
// all four back.

#include "app/PropertySheet.h"

namespace kiv {

class CCallTranPage;
class CExtension1;
class CQelDoc;
class CSuperPage;
class CTonesPage;

class CPBXParameterSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CPBXParameterSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent = nullptr);

    CExtension1* ExtensionPage() const { return extension_; }
    CCallTranPage* CallTranPage() const { return callTran_; }
    CSuperPage* SuperPage() const { return super_; }
    CTonesPage* TonesPage() const { return tones_; }

    void ApplyTo(CQelDoc& doc) const;

  private:
    CExtension1* extension_;
    CCallTranPage* callTran_;
    CSuperPage* super_;
    CTonesPage* tones_;
};

} // namespace kiv
