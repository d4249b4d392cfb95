#pragma once
// "Crea Intervallo": a wizard-mode sheet of one step, CWizDefMboxPage, that
// opens a range of mailboxes in a mailbox list. The step holds only the range
// panel ("Da", "A", "Notifica Interna" preset to "Nessuna"); it takes D when
// it becomes active, and its finishing button runs the range check and the
// dry run and, when both pass, creates the range. A refusal keeps the sheet
// open with the named field focused. The sheet works on a copy of the list:
// the caller takes Result() over when the sheet returns Accepted.

#include "app/PropertyPage.h"
#include "app/PropertySheet.h"
#include "editors/MboxList.h"

namespace kiv {

class CMboxRangePanel;

class CWizDefMboxPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CWizDefMboxPage(editors::CMboxList& list, QWidget* parent = nullptr);

    // Becoming active: the digit count the range's numbers must have.
    void Enter(int extDigits);
    // Next and Finish: false, with the message shown on its field, when the
    // range is refused; both fields empty pass and create nothing.
    bool OnWizardNext() override;
    bool OnWizardFinish() override;

    CMboxRangePanel* Range() const { return range_; }

  private:
    bool CreateRange();

    editors::CMboxList& list_;
    CMboxRangePanel* range_;
};

class CWizDefMboxSheet : public CPropertySheet {
    Q_OBJECT
  public:
    // `list`: the mailboxes the range joins (copied); `extDigits`: D.
    CWizDefMboxSheet(const editors::CMboxList& list, int extDigits, CShellDialogs& dialogs,
                     QWidget* parent = nullptr);

    CWizDefMboxPage* RangePage() const { return page_; }
    // The list with the range created, once the sheet was accepted.
    const editors::CMboxList& Result() const { return list_; }

  protected:
    void OnPageShown(int index) override;

  private:
    editors::CMboxList list_;
    int extDigits_;
    CWizDefMboxPage* page_ = nullptr;
};

} // namespace kiv
