#pragma once
// One tab of a property sheet. An editor page loads its widgets from the
// values it was given, checks them when it is left (OnKillActive) and stores
// them back on OK (OnOK). A failed check calls FailField, which puts the
// caret in the field, selects its text and shows the message.

#include <QString>
#include <QWidget>

class QMenu;

namespace kiv {

class CPropertySheet;
class CShellDialogs;
class MessageSink;

class CPropertyPage : public QWidget {
    Q_OBJECT
  public:
    explicit CPropertyPage(const QString& title, QWidget* parent = nullptr);

    QString Title() const { return title_; }
    // The help topic of the page (see Help.h); empty uses the sheet's.
    QString HelpTopic() const { return helpTopic_; }
    void SetHelpTopic(const QString& topic) { helpTopic_ = topic; }
    // Per-control help: while `control` (or a field inside it) has the focus,
    // F1 opens `topic` instead of the page's, and so does the "Aiuto" entry
    // of the control's context menu.
    void SetControlHelp(QWidget* control, const QString& topic);
    // The topic help opens for a widget: the nearest one named on the way from
    // the widget up to the page, else the page's.
    QString HelpTopicOf(const QWidget* widget) const;
    // The context menu of a control: a text field's own edit entries, then
    // "Aiuto" (object name "contextHelp"), which opens the control's topic.
    // The caller owns the menu.
    QMenu* CreateContextMenu(QWidget* control);

    // Called each time the page becomes the visible tab.
    virtual void OnSetActive() {}
    // The leave check: runs when the page is left by OK or by another tab.
    // Returning false keeps the page (after FailField showed why).
    virtual bool OnKillActive() { return true; }
    // Stores the widgets' values, once the sheet was closed with OK.
    virtual void OnOK() {}
    virtual void OnCancel() {}

    // Wizard mode (see CPropertySheet::SetWizardMode). Next runs the leave
    // check unless a page says otherwise; Back and Finish leave without it.
    // Returning false keeps the page.
    virtual bool OnWizardNext() { return OnKillActive(); }
    virtual bool OnWizardBack() { return true; }
    virtual bool OnWizardFinish() { return true; }

    CPropertySheet* Sheet() const { return sheet_; }
    // The sheet's message interface and dialogs (a page must have been added
    // to a sheet): nested dialogs run through Dialogs().Exec, file dialogs
    // through Dialogs().OpenFileName ...
    MessageSink& Sink() const;
    CShellDialogs& Dialogs() const;

    // Fails the check on `field`: focus, whole text selected, then the
    // message ("Errore inserimento" unless told otherwise). Always returns
    // false, so that a check can end with `return FailField(edit);`.
    bool FailField(QWidget* field);
    bool FailField(QWidget* field, const QString& message);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class CPropertySheet;
    QString title_;
    QString helpTopic_;
    CPropertySheet* sheet_ = nullptr;
};

// Puts the focus in a field and selects all its text (line edits, spin
// boxes, editable combo boxes, text edits).
void FocusAndSelectAll(QWidget* field);

} // namespace kiv
