#pragma once
// The message list of the two message dialogs: one row per message ("Data", "Ora",
// "Lungh.", "Stato") and beside it the lengths and counts of the messages shown.

#include "unit/stats/Statistics.h"

#include <QWidget>

#include <span>

class QLineEdit;
class QTreeWidget;

namespace kiv {

class CMsgListPanel : public QWidget {
    Q_OBJECT
  public:
    explicit CMsgListPanel(QWidget* parent = nullptr);

    // Shows these messages and their totals.
    void Show(std::span<const UnitMessage> messages);

    QTreeWidget* List() const { return list_; }
    QLineEdit* NewLength() const { return newLength_; }
    QLineEdit* ArchivedLength() const { return archivedLength_; }
    QLineEdit* NewCount() const { return newCount_; }
    QLineEdit* ArchivedCount() const { return archivedCount_; }
    QLineEdit* TotalCount() const { return totalCount_; }

  private:
    void ShowTotals(const MessageTotalTexts& totals);

    QTreeWidget* list_;
    QLineEdit* newLength_;
    QLineEdit* archivedLength_;
    QLineEdit* newCount_;
    QLineEdit* archivedCount_;
    QLineEdit* totalCount_;
};

} // namespace kiv
