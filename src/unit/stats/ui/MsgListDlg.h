#pragma once
// "Lista dei Messaggi": the configuration's mailboxes; "Mos&tra" lists every message the unit
// reported for the mailboxes selected, with their totals.

#include "unit/stats/Statistics.h"

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace kiv {

class CMsgListPanel;
class MessageSink;

class CMsgListDlg : public QDialog {
    Q_OBJECT
  public:
    CMsgListDlg(const CQelDoc& doc, MessageSink& sink, QWidget* parent = nullptr);

    QListWidget* Mailboxes() const { return mailboxes_; }
    QPushButton* ShowButton() const { return show_; }
    CMsgListPanel* Panel() const { return panel_; }

    // "Mos&tra": the messages of the selected mailboxes.
    void ShowSelected();

  private:
    std::vector<std::string> numbers_; // of the mailbox rows
    std::vector<UnitMessage> messages_;
    QListWidget* mailboxes_;
    QPushButton* show_;
    CMsgListPanel* panel_;
};

} // namespace kiv
