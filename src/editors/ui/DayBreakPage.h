#pragma once
// "Orario Settimanale": the working period "Da" / "A" of each weekday. Left
// with a period that ends before it starts (or is no time), the weekday's
// "Da" gets the focus and "Errore inserimento" is shown.

#include "app/PropertyPage.h"
#include "editors/ScheduleEdit.h"

#include <array>

namespace kiv {

class CTimeEdit;

class CDayBreakPage : public CPropertyPage {
    Q_OBJECT
  public:
    // `tables` is the sheet's copy; OK stores the working hours into it.
    explicit CDayBreakPage(editors::ScheduleTables& tables, QWidget* parent = nullptr);

    bool OnKillActive() override;
    void OnOK() override;

    CTimeEdit* From(int weekday) const { return fields_[static_cast<std::size_t>(weekday)]; }
    CTimeEdit* To(int weekday) const { return fields_[static_cast<std::size_t>(weekday + 7)]; }

  private:
    std::array<std::string, 14> Shown() const;

    editors::ScheduleTables& tables_;
    std::array<CTimeEdit*, 14> fields_{};
};

} // namespace kiv
