#include "editors/ui/DayBreakSheet.h"

#include "app/QtText.h"
#include "editors/Texts.h"
#include "editors/ui/DayBreakPage.h"
#include "editors/ui/DayMultiBreakPage.h"
#include "editors/ui/HolPage.h"

namespace kiv {

CDayBreakSheet::CDayBreakSheet(const editors::ScheduleTables& tables, CShellDialogs& dialogs,
                               QWidget* parent)
    : CPropertySheet(ToQString(editors::texts::kAutoCaption), dialogs, parent), tables_(tables) {
    setObjectName("dayBreakSheet");
    SetHelpTopic("orari");
    weekly_ = new CDayBreakPage(tables_);
    breaks_ = new CDayMultiBreakPage(tables_);
    holidays_ = new CHolPage(tables_);
    AddPage(weekly_);
    AddPage(breaks_);
    AddPage(holidays_);
}

} // namespace kiv
