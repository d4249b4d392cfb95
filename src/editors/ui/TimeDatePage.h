#pragma once
// "Ora e Data": the unit's time, running like a clock while the page is
// open, its date (a masked field; the weekday follows a typed date), the
// operating mode,
// and "&Orari", enabled only for "Auto", which opens the inner sheet "Auto"
// on copies of the three tables and takes them back on its OK.

#include "app/PropertyPage.h"
#include "editors/ScheduleEdit.h"

class QComboBox;
class QPushButton;
class QTimeEdit;
class QTimer;

namespace kiv {

class CDateEdit;
class IClock;

class CTimeDatePage : public CPropertyPage {
    Q_OBJECT
  public:
    // `clock` is the computer's clock, which the shown time follows.
    CTimeDatePage(const CQelDoc& doc, const IClock& clock, QWidget* parent = nullptr);

    const editors::CTimeDateEdit& Model() const { return edit_; }

    QTimeEdit* TimeField() const { return time_; }
    CDateEdit* DateField() const { return date_; }
    QComboBox* ModeField() const { return mode_; }
    QPushButton* SchedulesButton() const { return schedules_; }

    // The date must be one the unit can hold: a stored one too (an
    // impossible date from a read is shown as it is and refused here).
    bool OnKillActive() override;

    // One step of the running clock (the timer's, every 10 ms); none while
    // the user is typing a time.
    void Tick();
    void OpenSchedules();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowTime();

    const IClock& clock_;
    editors::CTimeDateEdit edit_;
    QTimeEdit* time_;
    CDateEdit* date_;
    QString storedDate_; // the date as the document holds it, shown whole
    QComboBox* mode_;
    QPushButton* schedules_;
    QTimer* timer_;
    bool showing_ = false; // the clock is writing the time field
    bool typing_ = false;  // the user changed the time and has not confirmed it
};

} // namespace kiv
