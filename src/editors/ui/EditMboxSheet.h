#pragma once
// The sheet around "Parametri Casella": "Nuova Casella" for an added mailbox
// (number editable), "Modifica una Casella" for a changed one.

#include "app/PropertySheet.h"
#include "document/Records.h"

namespace kiv {

class CEditMboxPage;

class CEditMboxSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CEditMboxSheet(const MboxRecord& record, int extDigits, bool isNew, CShellDialogs& dialogs,
                   QWidget* parent = nullptr);

    CEditMboxPage* EditPage() const { return page_; }
    // The edited record, once the sheet was accepted.
    MboxRecord Result() const;

  private:
    CEditMboxPage* page_;
};

} // namespace kiv
