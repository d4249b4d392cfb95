#pragma once
// "Registrazione Pagine": the recording file of each of the 39 pages, with
// its state icon. The first button chooses a file for the selected rows
// through the sheet's file dialog; "Chiaro" empties their names.

#include "app/PropertyPage.h"
#include "autoattendant/PageSheetEdit.h"

class QPushButton;
class QTreeWidget;

namespace kiv {

class CRecordingListPage : public CPropertyPage {
    Q_OBJECT
  public:
    CRecordingListPage(autoatt::CRecordingListEdit& edit, const QString& title,
                       QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }
    QPushButton* ChooseButton() const { return choose_; }
    QPushButton* ClearButton() const { return clear_; }

  private:
    std::vector<int> Selected() const;
    void Fill();
    void Choose();

    autoatt::CRecordingListEdit& edit_;
    QTreeWidget* list_;
    QPushButton* choose_;
    QPushButton* clear_;
};

} // namespace kiv
