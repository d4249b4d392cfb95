#pragma once
// "Ora e Data": the unit's time, running like a clock while the page is
// open, its date (the weekday follows a picked date), the operating mode,
// and "&Orari", enabled only for "Auto", which opens the inner sheet "Auto"
// on copies of the three tables and takes them back on its OK.

#include "app/PropertyPage.h"
#include "editors/ScheduleEdit.h"

class QComboBox;
class QDateEdit;
class QPushButton;
class QTimeEdit;
class QTimer;

namespace kiv {

class IClock;

class CTimeDatePage : public CPropertyPage {
    Q_OBJECT
  public:
    // `clock` is the computer's clock, which the shown time follows.
    CTimeDatePage(const CQelDoc& doc, const IClock& clock, QWidget* parent = nullptr);

    const editors::CTimeDateEdit& Model() const { return edit_; }

    QTimeEdit* TimeField() const { return time_; }
    QDateEdit* DateField() const { return date_; }
    QComboBox* ModeField() const { return mode_; }
    QPushButton* SchedulesButton() const { return schedules_; }

    // One step of the running clock (the timer's, every 10 ms).
    void Tick();
    void OpenSchedules();

  private:
    void ShowTime();

    const IClock& clock_;
    editors::CTimeDateEdit edit_;
    QTimeEdit* time_;
    QDateEdit* date_;
    QComboBox* mode_;
    QPushButton* schedules_;
    QTimer* timer_;
};

} // namespace kiv
