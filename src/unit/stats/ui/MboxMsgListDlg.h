#pragma once
// "Lista Messaggi per Casella": the messages the unit reported for one mailbox, with their
// totals.

#include <QDialog>

#include <string>

class QLineEdit;

namespace kiv {

class CMsgListPanel;
class CQelDoc;
class MessageSink;

class CMboxMsgListDlg : public QDialog {
    Q_OBJECT
  public:
    CMboxMsgListDlg(const CQelDoc& doc, const std::string& mailbox, MessageSink& sink,
                    QWidget* parent = nullptr);

    QLineEdit* Number() const { return number_; }
    CMsgListPanel* Panel() const { return panel_; }

  private:
    QLineEdit* number_;
    CMsgListPanel* panel_;
};

} // namespace kiv
