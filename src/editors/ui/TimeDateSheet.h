#pragma once
// "Ora, Data e Orario Settimanale": the unit's clock, the operating mode and
// (through "&Orari") the weekly schedule, breaks and holidays.

#include "app/PropertySheet.h"

namespace kiv {

class CQelDoc;
class CTimeDatePage;

class CTimeDateSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CTimeDateSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent = nullptr);

    CTimeDatePage* TimeDatePage() const { return page_; }
    // The clock, its weekday, the mode and the tables; the clock's reference
    // becomes the present time.
    void ApplyTo(CQelDoc& doc) const;

  private:
    CTimeDatePage* page_;
};

// "Da&ta e Ora": the document's clock is advanced to the present, then the
// sheet runs on a copy; only its OK changes the document (and sets the
// clock's reference to the moment of the OK). True when the document changed.
bool RunTimeDateCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent);

} // namespace kiv
