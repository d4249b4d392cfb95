#pragma once
// "Orario Festività": the holiday list in the order entered, "&Aggiungi"
// (through "Aggiungi alla Lista Festività") and "&Rimuovi" (every selected
// row). At most 50 holidays; OK rebuilds the table from the list.

#include "app/PropertyPage.h"
#include "editors/ScheduleEdit.h"

class QPushButton;
class QTreeWidget;

namespace kiv {

class CHolPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CHolPage(editors::ScheduleTables& tables, QWidget* parent = nullptr);

    void OnOK() override;

    QTreeWidget* List() const { return list_; }
    const editors::CHolidayList& Holidays() const { return holidays_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Fill();
    void Add();
    void Remove();
    void SizeColumns();

    editors::ScheduleTables& tables_;
    editors::CHolidayList holidays_;
    QTreeWidget* list_;
    QPushButton* add_;
    QPushButton* remove_;
};

} // namespace kiv
