#include "wizard/ui/WizSheet.h"

#include "app/MainFrame.h"
#include "app/Profile.h"
#include "app/QelApp.h"
#include "app/QtText.h"
#include "document/QelDoc.h"
#include "wizard/Texts.h"
#include "wizard/ui/WelcomeDlg.h"
#include "wizard/ui/WizListMboxPage.h"
#include "wizard/ui/WizNotifPage.h"
#include "wizard/ui/WizPages.h"
#include "wizard/ui/WizSuperPage.h"

#include <QPushButton>

namespace kiv {

namespace {

// The help topics of the sections named in the steps' titles.
const char* HelpTopic(int step) {
    switch (step) {
    case wizard::kStepExtensions:
    case wizard::kStepSupervision:
        return "parametri_pbx";
    case wizard::kStepMailboxes:
        return "lista_caselle";
    case wizard::kStepNotification:
        return "parametri_notifica";
    case wizard::kStepProtocol1:
    case wizard::kStepProtocol2:
        return "protocollo";
    case wizard::kStepPages:
        return "gestione_pagine";
    default:
        return "wizard";
    }
}

} // namespace

CWizSheet::CWizSheet(const CQelDoc& doc, CShellDialogs& dialogs, QSettings* profile,
                     QWidget* parent)
    : CPropertySheet(ToQString(wizard::WizStepTitle(1)), dialogs, parent), edit_(doc) {
    setObjectName("wizSheet");
    SetWizardMode();
    ext_ = new CWizExtPage(doc);
    super_ = new CWizSuperPage(doc);
    list_ = new CWizListMboxPage(doc, edit_.tables, profile);
    notif_ = new CWizNotifPage(doc);
    prot_[0] = new CWizProtPage(edit_, 0);
    prot_[1] = new CWizProtPage(edit_, 1);
    pages_ = new CWizAutoAttenPage(edit_);
    finish_ = new CWizFinishPage;
    for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{
             ext_, super_, list_, notif_, prot_[0], prot_[1], pages_, finish_})
        AddPage(page);
    for (int step = 1; step <= PageCount(); ++step)
        Step(step)->SetHelpTopic(QString::fromLatin1(HelpTopic(step)));
}

CWizSheet::~CWizSheet() = default;

wizard::WizStepInput CWizSheet::StepInput() const {
    wizard::WizStepInput input;
    input.extDigits = ext_->ExtDigitsValue();
    input.operatorKey = ext_->OperatorKeyValue();
    const auto& list = list_->Model();
    input.mailboxes.assign(list.mailboxes.begin(), list.mailboxes.begin() + list.Count());
    return input;
}

void CWizSheet::OnPageShown(int index) {
    CPropertyPage* page = Page(index);
    if (page == ext_) {
        ext_->Enter(list_->Model().Count());
    } else if (page == list_) {
        list_->Enter(ext_->ExtDigitsValue(), ext_->OperatorKeyValue());
    } else if (page == prot_[0] || page == prot_[1]) {
        static_cast<CWizProtPage*>(page)->Enter(StepInput());
    } else if (page == pages_) {
        pages_->Enter(StepInput());
    }
    const bool first = index == 0;
    const bool last = index + 1 == wizard::kWizSteps;
    SetWizardButtons(!first, !last, last);
    setWindowTitle(ToQString(wizard::WizStepTitle(index + 1)));
}

void CWizSheet::ApplyTo(CQelDoc& doc) const {
    ext_->Model().ApplyTo(doc);
    super_->ApplyTo(doc);
    // The mailboxes, and the target bytes of every key and in-band entry;
    // then the later steps write what they edit in full.
    list_->Model().ApplyTo(doc);
    notif_->Model().ApplyTo(doc);
    edit_.ApplyTo(doc);
}

bool RunWizardCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent, QSettings* profile) {
    CWelcomeDlg welcome(parent);
    if (dialogs.Exec(welcome) != QDialog::Accepted) return false;
    CWizSheet sheet(doc, dialogs, profile, parent);
    return RunSheet(sheet, doc);
}

void InstallWizardCommands(CQelApp& app) {
    app.StartupHooks().frameCreated.push_back([](CQelApp& a) {
        CMainFrame* f = a.Frame();
        f->SetCommand("actionWizard", [f] {
            if (RunWizardCommand(f->Doc(), f->Dialogs(), f, &f->Profile().Settings()))
                f->DocumentChanged();
        });
    });
}

} // namespace kiv
