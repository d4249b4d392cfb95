#pragma once
// "Auto Pausa": the ten automatic breaks of one weekday at a time, with
// "<< Prec." and "Succ. >>" to move between Monday and Sunday. The shown
// weekday is stored before moving and when the page is left; a row that
// fails keeps the weekday in sight with its field focused.

#include "app/PropertyPage.h"
#include "editors/ScheduleEdit.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace kiv {

class CSpinEdit;
class CTimeEdit;

class CDayMultiBreakPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDayMultiBreakPage(editors::ScheduleTables& tables, QWidget* parent = nullptr);

    bool OnKillActive() override;

    int Weekday() const { return day_; }
    CTimeEdit* Start(int row) const { return rows_[static_cast<std::size_t>(row)].start; }
    CTimeEdit* End(int row) const { return rows_[static_cast<std::size_t>(row)].end; }
    CSpinEdit* Page(int row) const { return rows_[static_cast<std::size_t>(row)].page; }
    QPushButton* PrevButton() const { return prev_; }
    QPushButton* NextButton() const { return next_; }

  private:
    struct Row {
        CTimeEdit* start = nullptr;
        CTimeEdit* end = nullptr;
        CSpinEdit* page = nullptr;
    };

    void ShowDay(int day);
    // Stores the shown weekday; false (after the message) when a row fails.
    bool StoreDay();
    void Move(int step);
    void UpdatePageField(int row);
    editors::BreakRowText RowText(int row) const;

    editors::ScheduleTables& tables_;
    QLineEdit* weekday_;
    QPushButton* prev_;
    QPushButton* next_;
    std::array<Row, editors::kBreaksPerDay> rows_{};
    int day_ = 0;
};

} // namespace kiv
