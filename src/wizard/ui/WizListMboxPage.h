#pragma once
// The wizard's mailbox step: the mailbox list over the reference tables the
// wizard's later steps share, with a range panel ("Da", "A", "Notifica
// Interna", "Crea &Intervallo") in place of "Ca&mbia..." and "&Statistiche".
// It takes D and the operator key from the wizard's first step each time it
// is entered (Enter); Next assigns slots and moves on without the number test.

#include "editors/ui/ListMboxPage.h"

#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kiv {

class CMboxRangePanel;

class CWizListMboxPage : public CListMboxPage {
    Q_OBJECT
  public:
    CWizListMboxPage(const CQelDoc& doc, std::shared_ptr<editors::MboxRefTables> tables,
                     QSettings* profile, QWidget* parent = nullptr);

    // Entering the step: the digit count and operator key typed in step 1.
    void Enter(int extDigits, int operatorKey);
    bool OnWizardNext() override;

    // "Crea &Intervallo".
    void CreateRange();

    CMboxRangePanel* Range() const { return range_; }
    QLineEdit* RangeFrom() const;
    QLineEdit* RangeTo() const;
    QComboBox* RangeNotify() const;
    QPushButton* CreateRangeButton() const;

  private:
    CMboxRangePanel* range_;
};

} // namespace kiv
