#pragma once
// The wizard's twins that are their editor's page with small differences:
// the extension step (no fax, an instruction, the check without the fax), the
// page step (the page editor over the wizard's page model: entering takes the
// earlier steps' values and keeps a copy, Back puts the copy back, Next runs
// the leave check) and the last step's text.

#include "app/PropertyPage.h"
#include "autoattendant/ui/AutoAttenPage.h"
#include "autoattendant/ui/ProtocolPage.h"
#include "editors/ui/Extension1.h"

namespace kiv {

namespace wizard {
class CWizEdit;
struct WizStepInput;
} // namespace wizard

class CWizExtPage : public CExtension1 {
    Q_OBJECT
  public:
    explicit CWizExtPage(const CQelDoc& doc, QWidget* parent = nullptr);
    // Entering the step: "N. Cifre Interni" is locked while the mailbox
    // step's list holds mailboxes, so that they keep the digit count they
    // were made with, and free again once that list is empty.
    void Enter(int mailboxCount);
    // The values that passed the last Next ("N. Cifre Interni", "Tasto
    // Operatore").
    int ExtDigitsValue() const;
    int OperatorKeyValue() const;
};

class CWizAutoAttenPage : public CAutoAttenPage {
    Q_OBJECT
  public:
    explicit CWizAutoAttenPage(wizard::CWizEdit& edit, QWidget* parent = nullptr);

    void Enter(const wizard::WizStepInput& input);
    bool OnWizardNext() override;
    bool OnWizardBack() override;

  private:
    wizard::CWizEdit& wiz_;
};

// Steps 5 and 6: the protocol page over the wizard's model of events 0-9
// with the timing values (under an instruction), or of events 10-19.
// Entering takes the shared in-band table and the earlier steps' values and
// keeps a copy; Back puts the copy back; Next runs the leave check and hands
// the events on.
class CWizProtPage : public CProtocolPage {
    Q_OBJECT
  public:
    // `which`: 0 for events 0-9, 1 for events 10-19.
    CWizProtPage(wizard::CWizEdit& edit, int which, QWidget* parent = nullptr);

    void Enter(const wizard::WizStepInput& input);
    bool OnWizardNext() override;
    bool OnWizardBack() override;

  private:
    wizard::CWizEdit& wiz_;
    int which_;
};

class CWizFinishPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CWizFinishPage(QWidget* parent = nullptr);
};

} // namespace kiv
