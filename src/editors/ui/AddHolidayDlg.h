#pragma once
// "Aggiungi alla Lista Festività": a date (day and month are used), the
// start (preset "00:00") and end (preset "23:59") and a description. OK with
// a start later than the end, or a time that is none, focuses the start and
// shows "Errore inserimento"; the dialog stays.

#include <QDate>
#include <QDialog>
#include <string>

class QDateEdit;
class QLineEdit;

namespace kiv {

class CTimeEdit;
class MessageSink;

class CAddHolidayDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAddHolidayDlg(MessageSink& sink, QWidget* parent = nullptr);

    QDate Date() const;
    std::string Start() const;
    std::string End() const;
    std::string Text() const;

    QDateEdit* DateField() const { return date_; }
    CTimeEdit* StartField() const { return start_; }
    CTimeEdit* EndField() const { return end_; }
    QLineEdit* TextField() const { return text_; }

  public slots:
    void accept() override;

  private:
    MessageSink& sink_;
    QDateEdit* date_;
    CTimeEdit* start_;
    CTimeEdit* end_;
    QLineEdit* text_;
};

} // namespace kiv
