#pragma once
// "Stato Pagine": each page's number, whether it is programmed and recorded,
// and its description. "&Descrizione" (or a double click) edits the
// description of an ordinary page in the Description dialog.

#include "app/PropertyPage.h"
#include "autoattendant/PageSheetEdit.h"

class QPushButton;
class QTreeWidget;

namespace kiv {

class CInfoPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CInfoPage(autoatt::CInfoEdit& edit, QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }
    QPushButton* DescriptionButton() const { return describe_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    // On the first visit the list is laid out only when it is shown: its
    // columns are sized again then.
    void showEvent(QShowEvent* event) override;

  private:
    void Fill();
    // The columns share the width of the list's viewport.
    void SizeColumns();
    void EditDescription();

    autoatt::CInfoEdit& edit_;
    QTreeWidget* list_;
    QPushButton* describe_;
};

} // namespace kiv
