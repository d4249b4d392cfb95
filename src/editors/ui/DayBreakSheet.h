#pragma once
// "Auto": the weekly working hours, the automatic breaks and the holidays, on
// copies of the tables the outer page holds. OK leaves the edited tables in
// Tables() for the outer page to take; Cancel leaves them unused.

#include "app/PropertySheet.h"
#include "editors/ScheduleEdit.h"

namespace kiv {

class CDayBreakPage;
class CDayMultiBreakPage;
class CHolPage;

class CDayBreakSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CDayBreakSheet(const editors::ScheduleTables& tables, CShellDialogs& dialogs,
                   QWidget* parent = nullptr);

    const editors::ScheduleTables& Tables() const { return tables_; }
    CDayBreakPage* WeeklyPage() const { return weekly_; }
    CDayMultiBreakPage* BreakPage() const { return breaks_; }
    CHolPage* HolidayPage() const { return holidays_; }

  private:
    editors::ScheduleTables tables_;
    CDayBreakPage* weekly_;
    CDayMultiBreakPage* breaks_;
    CHolPage* holidays_;
};

} // namespace kiv
