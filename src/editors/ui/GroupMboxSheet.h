#pragma once
// "Gruppo Caselle": the mailbox groups, on a copy taken from the document.

#include "app/PropertySheet.h"

namespace kiv {

class CGroupMboxPage;
class CQelDoc;

class CGroupMboxSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CGroupMboxSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent = nullptr);

    CGroupMboxPage* GroupPage() const { return page_; }
    // The first digit and groups 0-3.
    void ApplyTo(CQelDoc& doc) const;

  private:
    CGroupMboxPage* page_;
};

} // namespace kiv
