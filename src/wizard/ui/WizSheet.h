#pragma once
// CWizSheet: the integration wizard, a property sheet in wizard mode with its
// eight steps. Every step works on copies taken from the document when the
// sheet is made; the steps that need the values typed in earlier steps take
// them each time they are entered. Only ApplyTo, which the command calls
// after Finish, writes to the document.

#include "app/PropertySheet.h"
#include "wizard/WizEdit.h"

#include <array>

class QSettings;

namespace kiv {

class CQelDoc;
class CWizAutoAttenPage;
class CWizExtPage;
class CWizFinishPage;
class CWizListMboxPage;
class CWizNotifPage;
class CWizProtPage;
class CWizSuperPage;

class CWizSheet : public CPropertySheet {
    Q_OBJECT
  public:
    // `profile`: where the mailbox list keeps its column widths; may be null.
    CWizSheet(const CQelDoc& doc, CShellDialogs& dialogs, QSettings* profile,
              QWidget* parent = nullptr);
    ~CWizSheet() override;

    // Step n (1-8), as its title counts.
    CPropertyPage* Step(int step) const { return Page(step - 1); }
    int ActiveStep() const { return ActiveIndex() + 1; }
    CWizExtPage* ExtPage() const { return ext_; }
    CWizSuperPage* SuperPage() const { return super_; }
    CWizListMboxPage* ListPage() const { return list_; }
    CWizNotifPage* NotifPage() const { return notif_; }
    CWizProtPage* ProtPage(int which) const { return prot_[static_cast<std::size_t>(which)]; }
    CWizAutoAttenPage* AutoAttenPage() const { return pages_; }
    const wizard::CWizEdit& Model() const { return edit_; }

    // What steps 5 to 7 take on entering: D and the operator key from step 1,
    // the mailboxes of step 3.
    wizard::WizStepInput StepInput() const;

    // Finish: the fields of steps 1 and 2, the mailbox list, the notification
    // fields, events 0-19 with both timing values, the page table and the
    // time-outs.
    void ApplyTo(CQelDoc& doc) const;

  protected:
    void OnPageShown(int index) override;

  private:
    wizard::CWizEdit edit_;
    CWizExtPage* ext_;
    CWizSuperPage* super_;
    CWizListMboxPage* list_;
    CWizNotifPage* notif_;
    std::array<CWizProtPage*, 2> prot_{};
    CWizAutoAttenPage* pages_;
    CWizFinishPage* finish_;
};

// The command "Wizard": the welcome dialog, then the sheet; only Finish
// writes back and marks the document modified. True when the document changed.
bool RunWizardCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent, QSettings* profile);

class CQelApp;
// Attaches the command to the main frame's action "actionWizard".
void InstallWizardCommands(CQelApp& app);

} // namespace kiv
