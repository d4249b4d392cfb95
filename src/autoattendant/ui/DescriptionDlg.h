#pragma once
// "Descrizione": one field, "Nome", of at most 40 characters. OK takes the
// text as typed.

#include <QDialog>

class QLineEdit;

namespace kiv {

class MessageSink;

class CDescriptionDlg : public QDialog {
    Q_OBJECT
  public:
    CDescriptionDlg(const QString& text, MessageSink& sink, QWidget* parent = nullptr);

    QString Text() const;
    QLineEdit* Field() const { return field_; }

  private:
    QLineEdit* field_;
};

} // namespace kiv
