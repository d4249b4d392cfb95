#pragma once
// "Parametri Casella": the fields of one mailbox. Every user change goes to
// CMboxEdit, which applies the dependencies between the fields; the widgets
// are then set from it. Leaving the page runs CMboxEdit's checks.

#include "app/PropertyPage.h"
#include "editors/MboxEdit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace kiv {

class CEditMboxPage : public CPropertyPage {
    Q_OBJECT
  public:
    CEditMboxPage(const MboxRecord& record, int extDigits, bool isNew, QWidget* parent = nullptr);

    bool OnKillActive() override;

    const editors::CMboxEdit& Model() const { return edit_; }
    MboxRecord Result() const { return edit_.Result(); }
    // The widget that shows a field (where a failed check puts the caret).
    QWidget* FieldWidget(editors::MboxField field) const;

  private:
    void Sync();

    editors::CMboxEdit edit_;
    QLineEdit* number_;
    QComboBox* type_;
    QCheckBox* announcer_;
    QLineEdit* password_;
    QPushButton* reset_;
    QComboBox* language_;
    QComboBox* localNotify_;
    QCheckBox* allowed_;
    QCheckBox* phoneEnabled_;
    QLineEdit* phone_;
    QCheckBox* pagerEnabled_;
    QLineEdit* pager_;
    QCheckBox* dnd_;
    QCheckBox* timeStamp_;
};

} // namespace kiv
