#pragma once
// A modal property sheet: a row of tabs, one CPropertyPage each, and the
// buttons OK, Annulla and Aiuto (no Apply). Leaving a page (another tab or
// OK) runs its leave check first; a failed check keeps the page. OK then
// calls every page's OnOK and closes; Cancel calls OnCancel and closes.
//
// The sheet carries the shell's dialogs: its pages run nested dialogs (file
// dialogs, sub-sheets, message lists) and show messages through them, so
// tests answer every one of them in advance.
//
// In wizard mode the tabs are hidden and the pages are steps walked in order
// with Back, Next and Finish: Next runs the page's OnWizardNext (its leave
// check) and moves on only when it passes, Back runs OnWizardBack and moves
// back without a check, Finish runs OnWizardFinish, every page's OnOK and
// closes with Accepted. Each page enables the buttons it wants when it becomes
// active (SetWizardButtons). Cancel closes with Rejected from any step.
//
// The usual editor command: copy the document's members into the pages, run
// the sheet, and only when it returns Accepted copy the values back (RunSheet).

#include "app/ShellDialogs.h"

#include <QDialog>
#include <QString>
#include <vector>

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace kiv {

class CPropertyPage;
class MessageSink;

class CPropertySheet : public QDialog {
    Q_OBJECT
  public:
    CPropertySheet(const QString& caption, CShellDialogs& dialogs, QWidget* parent = nullptr);

    // Adds a page as the next tab; the sheet owns it.
    void AddPage(CPropertyPage* page);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    CPropertyPage* Page(int index) const;
    CPropertyPage* ActivePage() const;
    int ActiveIndex() const;
    // Moves to another tab, after the present page's leave check; false when
    // the check kept the present page.
    bool SetActivePage(int index);
    bool SetActivePage(CPropertyPage* page);

    // The shell's dialogs, and their message interface.
    CShellDialogs& Dialogs() const { return *dialogs_; }
    MessageSink& Sink() const;

    // Help topic used when the active page has none.
    void SetHelpTopic(const QString& topic) { helpTopic_ = topic; }
    // The topic that help opens now: the focused control's, else the active
    // page's, else the sheet's.
    QString CurrentHelpTopic() const;

    // Turns the sheet into a wizard; call before the first AddPage.
    void SetWizardMode();
    bool IsWizard() const { return wizard_; }
    void SetWizardButtons(bool back, bool next, bool finish);
    // The wizard's buttons; null for an ordinary sheet.
    QPushButton* BackButton() const { return back_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* FinishButton() const { return finish_; }

    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* HelpButton() const { return help_; }
    QTabWidget* Tabs() const { return tabs_; }

  public slots:
    void accept() override;
    void reject() override;
    void ShowHelp();
    // The wizard's buttons, as if pressed (ignored when disabled).
    void WizardBack();
    void WizardNext();
    void WizardFinish();

  protected:
    void changeEvent(QEvent* event) override;
    // Called after a page became the active one and ran its OnSetActive.
    virtual void OnPageShown(int /*index*/) {}

  private:
    void OnTabChanged(int index);
    // Wizard: shows the page at `index` without the leave check of the page
    // being left (the caller ran what that step asks for).
    void ShowStep(int index);

    CShellDialogs* dialogs_;
    QString helpTopic_;
    QTabWidget* tabs_ = nullptr;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* help_;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* finish_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    bool wizard_ = false;
    std::vector<CPropertyPage*> pages_;
    int shown_ = -1; // the page whose OnSetActive ran last
    bool switching_ = false;
};

// Runs an editor sheet through its dialogs; on OK its values go back into the
// document (`sheet.ApplyTo(doc)`) and the document is marked modified. True
// when the document changed, so that the caller refreshes its views; Cancel
// leaves the document as it was. (`Doc` is CQelDoc; a template parameter so
// that this header needs none of the document's headers.)
template <class Sheet, class Doc> bool RunSheet(Sheet& sheet, Doc& doc) {
    if (sheet.Dialogs().Exec(sheet) != QDialog::Accepted) return false;
    sheet.ApplyTo(doc);
    doc.modified = true;
    return true;
}

} // namespace kiv
