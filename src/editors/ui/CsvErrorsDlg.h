#pragma once
// The rows a mailbox CSV import refused: one line per fault with its line,
// its column and what is wrong, in a list that scrolls inside a window sized
// to fit the screen, however many rows were refused.

#include "editors/MboxCsv.h"

#include <QDialog>

#include <vector>

class QTreeWidget;

namespace kiv {

class CCsvErrorsDlg : public QDialog {
    Q_OBJECT
  public:
    CCsvErrorsDlg(const std::vector<editors::CsvRowError>& errors, QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }

  private:
    QTreeWidget* list_;
};

} // namespace kiv
