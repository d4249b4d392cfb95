#pragma once
// "Generali": the unit's flash memory use, the calls answered on each line in service, the
// languages and the product version, as the last Read Parameters left them. "Cancella" clears
// the call counters; the caller takes them back from Calls() however the dialog was closed.

#include "unit/stats/Statistics.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kiv {

class MessageSink;

class CStatDlg : public QDialog {
    Q_OBJECT
  public:
    CStatDlg(const StatInputs& inputs, MessageSink& sink, QWidget* parent = nullptr);

    // The call counters, cleared if "Cancella" was pressed.
    const std::array<std::int32_t, 4>& Calls() const { return inputs_.calls; }

    QLineEdit* TotalTime() const { return total_; }
    QLineEdit* UsedTime() const { return used_; }
    QLineEdit* Percent() const { return percent_; }
    QLineEdit* RemainingTime() const { return remaining_; }
    QLineEdit* Languages() const { return languages_; }
    QLineEdit* Version() const { return version_; }
    QListWidget* CallsList() const { return calls_; }
    QPushButton* ClearButton() const { return clear_; }

    // "Cancella": the counters go to 0 when the list shows any line.
    void Clear();

  private:
    void FillCalls();

    StatInputs inputs_;
    QLineEdit* total_;
    QLineEdit* used_;
    QLineEdit* percent_;
    QLineEdit* remaining_;
    QLineEdit* languages_;
    QLineEdit* version_;
    QListWidget* calls_;
    QPushButton* clear_;
};

} // namespace kiv
