#include "wizard/ui/WizPages.h"

#include "app/QtText.h"
#include "editors/FieldCheck.h"
#include "wizard/Texts.h"
#include "wizard/WizEdit.h"

#include <QBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kiv {

CWizExtPage::CWizExtPage(const CQelDoc& doc, QWidget* parent)
    : CExtension1(WizardVariant{}, doc, parent) {}

void CWizExtPage::Enter(int mailboxCount) {
    SetMailboxesExist(mailboxCount > 0);
}

int CWizExtPage::ExtDigitsValue() const {
    return editors::LeadingNumber(Model().extDigits);
}

int CWizExtPage::OperatorKeyValue() const {
    return editors::LeadingNumber(Model().operatorKey);
}

CWizAutoAttenPage::CWizAutoAttenPage(wizard::CWizEdit& edit, QWidget* parent)
    : CAutoAttenPage(edit.pages, parent), wiz_(edit) {}

void CWizAutoAttenPage::Enter(const wizard::WizStepInput& input) {
    wiz_.EnterPageStep(input);
    Redraw();
}

bool CWizAutoAttenPage::OnWizardNext() {
    if (Refused(wiz_.LeavePageStep())) return false;
    Redraw();
    return true;
}

bool CWizAutoAttenPage::OnWizardBack() {
    wiz_.BackPageStep();
    Redraw();
    return true;
}

CWizProtPage::CWizProtPage(wizard::CWizEdit& edit, int which, QWidget* parent)
    : CProtocolPage(edit.protocol[static_cast<std::size_t>(which)], parent), wiz_(edit),
      which_(which) {
    if (which_ == 0) {
        namespace t = wizard::texts;
        auto* hint =
            new QLabel(ToQString(std::string(t::kProtocolHint1) + t::kProtocolHint2), this);
        hint->setObjectName("wizProtocolHint");
        hint->setWordWrap(true);
        if (auto* box = qobject_cast<QBoxLayout*>(layout())) box->insertWidget(0, hint);
    }
}

void CWizProtPage::Enter(const wizard::WizStepInput& input) {
    wiz_.EnterProtocolStep(which_, input);
    Redraw();
}

bool CWizProtPage::OnWizardNext() {
    const auto failed = wiz_.LeaveProtocolStep(which_);
    if (failed) return FailField(Field(failed->field), ToQString(failed->message));
    return true;
}

bool CWizProtPage::OnWizardBack() {
    wiz_.BackProtocolStep(which_);
    Redraw();
    return true;
}

CWizFinishPage::CWizFinishPage(QWidget* parent) : CPropertyPage(QString(), parent) {
    namespace t = wizard::texts;
    auto* text =
        new QLabel(ToQString(std::string("\n\n\n") + t::kFinish1 + "\n\n" + t::kFinish2), this);
    text->setObjectName("wizFinishText");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addStretch();
}

} // namespace kiv
