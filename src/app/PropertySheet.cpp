#include "app/PropertySheet.h"

#include "app/Help.h"
#include "app/PropertyPage.h"
#include "app/ShellDialogs.h"
#include "app/Texts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kiv {

CPropertySheet::CPropertySheet(const QString& caption, CShellDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(&dialogs) {
    setWindowTitle(caption);
    setModal(true);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("sheetTabs");
    // Every tab stays in sight: the sheet grows to show all their titles.
    tabs_->setUsesScrollButtons(false);
    // A screen reader names the row of tabs by the sheet's caption.
    tabs_->setAccessibleName(caption);

    auto* buttons = buttons_ = new QDialogButtonBox(this);
    ok_ = buttons->addButton(ui::Ui(ui::kSheetOk), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(ui::Ui(ui::kSheetCancel), QDialogButtonBox::RejectRole);
    help_ = buttons->addButton(ui::Ui(ui::kSheetHelp), QDialogButtonBox::HelpRole);
    ok_->setObjectName("sheetOk");
    cancel_->setObjectName("sheetCancel");
    help_->setObjectName("sheetHelp");
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &CPropertySheet::ShowHelp);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &CPropertySheet::ShowHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    connect(tabs_, &QTabWidget::currentChanged, this, &CPropertySheet::OnTabChanged);
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    page->sheet_ = this;
    pages_.push_back(page);
    switching_ = true;
    tabs_->addTab(page, page->Title());
    switching_ = false;
    if (pages_.size() == 1) {
        shown_ = 0;
        page->OnSetActive();
        OnPageShown(0);
    }
}

void CPropertySheet::SetWizardMode() {
    wizard_ = true;
    tabs_->tabBar()->hide();
    // Back, Next and Finish take the place of OK; Cancel and Help stay.
    // The box shows every button it holds: OK leaves it.
    buttons_->removeButton(ok_);
    ok_->hide();
    ok_->setDefault(false);
    back_ = new QPushButton(ui::Ui(ui::kSheetBack), this);
    next_ = new QPushButton(ui::Ui(ui::kSheetNext), this);
    finish_ = new QPushButton(ui::Ui(ui::kSheetFinish), this);
    back_->setObjectName("sheetBack");
    next_->setObjectName("sheetNext");
    finish_->setObjectName("sheetFinish");
    for (QPushButton* button : {back_, next_, finish_}) {
        button->setAutoDefault(false);
        buttons_->addButton(button, QDialogButtonBox::ActionRole);
    }
    next_->setDefault(true);
    connect(back_, &QPushButton::clicked, this, &CPropertySheet::WizardBack);
    connect(next_, &QPushButton::clicked, this, &CPropertySheet::WizardNext);
    connect(finish_, &QPushButton::clicked, this, &CPropertySheet::WizardFinish);
    SetWizardButtons(false, true, false);
}

void CPropertySheet::SetWizardButtons(bool back, bool next, bool finish) {
    if (!wizard_) return;
    back_->setEnabled(back);
    next_->setEnabled(next);
    finish_->setEnabled(finish);
    // Enter presses Finish on the last step, Next elsewhere.
    finish_->setDefault(finish && !next);
    next_->setDefault(next);
}

void CPropertySheet::ShowStep(int index) {
    switching_ = true;
    tabs_->setCurrentIndex(index);
    switching_ = false;
    shown_ = index;
    if (CPropertyPage* page = Page(index)) {
        page->OnSetActive();
        OnPageShown(index);
    }
}

void CPropertySheet::WizardBack() {
    if (!wizard_ || !back_->isEnabled()) return;
    CPropertyPage* page = ActivePage();
    if (!page || ActiveIndex() == 0 || !page->OnWizardBack()) return;
    ShowStep(ActiveIndex() - 1);
}

void CPropertySheet::WizardNext() {
    if (!wizard_ || !next_->isEnabled()) return;
    CPropertyPage* page = ActivePage();
    if (!page || ActiveIndex() + 1 >= PageCount() || !page->OnWizardNext()) return;
    ShowStep(ActiveIndex() + 1);
}

void CPropertySheet::WizardFinish() {
    if (!wizard_ || !finish_->isEnabled()) return;
    if (CPropertyPage* page = ActivePage(); page && !page->OnWizardFinish()) return;
    for (CPropertyPage* page : pages_)
        page->OnOK();
    QDialog::accept();
}

void CPropertySheet::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange && tabs_)
        tabs_->setAccessibleName(windowTitle());
}

MessageSink& CPropertySheet::Sink() const {
    return dialogs_->Sink();
}

CPropertyPage* CPropertySheet::Page(int index) const {
    return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}

CPropertyPage* CPropertySheet::ActivePage() const {
    return Page(ActiveIndex());
}

int CPropertySheet::ActiveIndex() const {
    return tabs_->currentIndex();
}

bool CPropertySheet::SetActivePage(int index) {
    if (!Page(index)) return false;
    if (index == ActiveIndex()) return true;
    tabs_->setCurrentIndex(index); // runs OnTabChanged
    return ActiveIndex() == index;
}

bool CPropertySheet::SetActivePage(CPropertyPage* page) {
    for (int i = 0; i < PageCount(); ++i)
        if (pages_[i] == page) return SetActivePage(i);
    return false;
}

void CPropertySheet::OnTabChanged(int index) {
    if (switching_) return;
    // The tab bar has already moved: go back to the page being left while it
    // is checked, so that a failing field is visible when it gets the focus.
    const int leaving = shown_;
    if (CPropertyPage* old = Page(leaving); old && leaving != index) {
        switching_ = true;
        tabs_->setCurrentIndex(leaving);
        switching_ = false;
        if (!old->OnKillActive()) return;
        switching_ = true;
        tabs_->setCurrentIndex(index);
        switching_ = false;
    }
    shown_ = index;
    if (CPropertyPage* page = Page(index)) {
        page->OnSetActive();
        OnPageShown(index);
    }
}

void CPropertySheet::accept() {
    // A wizard closes with Accepted only through Finish (Enter presses the
    // default button, which is Next or Finish).
    if (wizard_) {
        if (finish_->isEnabled() && !next_->isEnabled())
            WizardFinish();
        else
            WizardNext();
        return;
    }
    if (CPropertyPage* page = ActivePage(); page && !page->OnKillActive()) return;
    for (CPropertyPage* page : pages_)
        page->OnOK();
    QDialog::accept();
}

void CPropertySheet::reject() {
    for (CPropertyPage* page : pages_)
        page->OnCancel();
    QDialog::reject();
}

QString CPropertySheet::CurrentHelpTopic() const {
    QString topic;
    if (CPropertyPage* page = ActivePage()) topic = page->HelpTopicOf(QApplication::focusWidget());
    return topic.isEmpty() ? helpTopic_ : topic;
}

void CPropertySheet::ShowHelp() {
    kiv::ShowHelp(CurrentHelpTopic(), Sink());
}

} // namespace kiv
