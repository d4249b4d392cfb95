#pragma once
// "Descrizione": one field, "Nome", of at most 40 characters. OK takes the
// text as typed.

#include <QDialog>

class QLineEdit;
class QMenu;

namespace kiv {

class MessageSink;

class CDescriptionDlg : public QDialog {
    Q_OBJECT
  public:
    CDescriptionDlg(const QString& text, MessageSink& sink, QWidget* parent = nullptr);

    QString Text() const;
    QLineEdit* Field() const { return field_; }
    // The field's context menu: its edit entries and "Aiuto". The caller
    // owns it.
    QMenu* CreateContextMenu();

  private:
    void ShowHelp();

    MessageSink& sink_;
    QLineEdit* field_;
};

} // namespace kiv
