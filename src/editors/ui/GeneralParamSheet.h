#pragma once
// "Parametri Sistema": the system parameters, on a copy taken from the document.

#include "app/PropertySheet.h"

namespace kiv {

class CQelDoc;
class CSysParPage;

class CGeneralParamSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CGeneralParamSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent = nullptr);

    CSysParPage* SysParPage() const { return page_; }
    void ApplyTo(CQelDoc& doc) const;

  private:
    CSysParPage* page_;
};

} // namespace kiv
