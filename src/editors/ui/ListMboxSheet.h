#pragma once
// "Lista Caselle": the mailbox list and the parameters all mailboxes share.
// Both pages work on copies taken from the document; ApplyTo hands them back.

#include "app/PropertySheet.h"
#include "editors/ui/ListMboxPage.h"

class QSettings;

namespace kiv {

class CMboxParamPage;
class CQelDoc;

class CListMboxSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CListMboxSheet(const CQelDoc& doc, CShellDialogs& dialogs, QSettings* profile,
                   QWidget* parent = nullptr);

    CListMboxPage* ListPage() const { return list_; }
    CMboxParamPage* ParamPage() const { return param_; }

    // The mailboxes with their count, the supervisor, the targets of the
    // auto-attendant keys and in-band entries, and the mailbox parameters.
    void ApplyTo(CQelDoc& doc) const;

  private:
    CListMboxPage* list_;
    CMboxParamPage* param_;
};

} // namespace kiv
