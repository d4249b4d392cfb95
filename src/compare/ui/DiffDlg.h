#pragma once
// The differences between the configuration and the unit: one group per
// sheet, a row per field with the configuration's value and the unit's, the
// columns sortable, a filter box that keeps the rows holding its text, and
// "&Spedisci" to go on to the send (never the default button: Enter does
// not send). A note above the list says what is compared. With no
// difference the list makes way for "Nessuna differenza".

#include "compare/ConfigDiff.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kiv {

class CDiffDlg : public QDialog {
    Q_OBJECT
  public:
    CDiffDlg(std::vector<ConfigDifference> differences, QWidget* parent = nullptr);

    // True when the dialog was closed with "&Spedisci".
    bool SendChosen() const { return sendChosen_; }
    QTreeWidget* List() const { return list_; }
    QLineEdit* Filter() const { return filter_; }
    // Rows the filter leaves visible.
    int VisibleRows() const;

  private:
    void ApplyFilter(const QString& text);

    std::vector<ConfigDifference> differences_;
    QLineEdit* filter_;
    QTreeWidget* list_;
    QLabel* none_;
    QPushButton* send_;
    bool sendChosen_ = false;
};

} // namespace kiv
