#pragma once
// The range panel of the wizard's mailbox pages: the hint, "Da", "A" and
// "Notifica Interna", with a "Crea &Intervallo" button when the page asks for
// one. Creating runs CMboxList::CreateRange (its range check and dry run) with
// the panel's texts; the page shows a refusal on the field it names.

#include "editors/MboxList.h"

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kiv {

class CMboxRangePanel : public QGroupBox {
    Q_OBJECT
  public:
    // `notifyPreset`: the "Notifica Interna" entry the panel starts and
    // resets to. `withCreateButton`: the button sits at the end of the row.
    CMboxRangePanel(int notifyPreset, bool withCreateButton, QWidget* parent = nullptr);

    // The range of the two fields into `list`, with the chosen notification;
    // a refusal leaves `list` as it was.
    editors::FieldCheck<editors::RangeField> CreateIn(editors::CMboxList& list) const;
    // Both fields empty: the range check accepts it and nothing is created.
    bool IsEmpty() const;
    // Empties both fields and puts the notification back to its preset.
    void Reset();

    QLineEdit* Field(editors::RangeField field) const;
    QLineEdit* From() const { return from_; }
    QLineEdit* To() const { return to_; }
    QComboBox* Notify() const { return notify_; }
    // Null when the panel has none.
    QPushButton* CreateButton() const { return create_; }

  private:
    int notifyPreset_;
    QLineEdit* from_;
    QLineEdit* to_;
    QComboBox* notify_;
    QPushButton* create_ = nullptr;
};

} // namespace kiv
