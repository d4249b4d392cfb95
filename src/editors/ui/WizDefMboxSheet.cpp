#include "editors/ui/WizDefMboxSheet.h"

#include "app/QtText.h"
#include "editors/Texts.h"
#include "editors/ui/MboxRangePanel.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace kiv {

namespace {

// Mailboxes opened here start without local notification ("Nessuna").
constexpr int kRangeNotifyPreset = 0;

} // namespace

CWizDefMboxPage::CWizDefMboxPage(editors::CMboxList& list, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kListTab), parent), list_(list) {
    SetHelpTopic("crea_intervallo");
    range_ = new CMboxRangePanel(kRangeNotifyPreset, false, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range_);
    layout->addStretch();
}

void CWizDefMboxPage::Enter(int extDigits) {
    list_.extDigits = extDigits;
}

bool CWizDefMboxPage::CreateRange() {
    if (const auto failed = range_->CreateIn(list_))
        return FailField(range_->Field(failed->field), ToQString(failed->message));
    return true;
}

bool CWizDefMboxPage::OnWizardNext() {
    return CreateRange();
}

bool CWizDefMboxPage::OnWizardFinish() {
    return CreateRange();
}

CWizDefMboxSheet::CWizDefMboxSheet(const editors::CMboxList& list, int extDigits,
                                   CShellDialogs& dialogs, QWidget* parent)
    : CPropertySheet(ToQString(editors::texts::kDefMboxCaption), dialogs, parent), list_(list),
      extDigits_(extDigits) {
    setObjectName("wizDefMboxSheet");
    SetWizardMode();
    page_ = new CWizDefMboxPage(list_);
    AddPage(page_);
}

void CWizDefMboxSheet::OnPageShown(int /*index*/) {
    page_->Enter(extDigits_);
    // The only step: Finish closes it.
    SetWizardButtons(false, false, true);
}

} // namespace kiv
