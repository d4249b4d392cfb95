#pragma once
// "Parametri Notifica": the PBX codes that switch the message lamps, the
// ring notification's interval, retries and length, when the lamp is lit,
// the hours in which external notification may call, and the code that
// seizes an outside line.

#include "app/PropertyPage.h"
#include "editors/NotificationEdit.h"

class QButtonGroup;
class QLineEdit;

namespace kiv {

class CQelDoc;
class CSpinEdit;

// The text fields of this tab and of the wizard's notification step, made
// from the model's values and named for tests. The wizard's step has no
// second lamp code and no time window: those stay null there.
struct NotifFields {
    NotifFields(const editors::CNotificationEdit& edit, bool withAll, QWidget* page);
    // The fields' texts into the model (the fields that exist).
    void ReadInto(editors::CNotificationEdit& edit) const;
    // The field a failed check names.
    QWidget* Field(editors::NotifField field) const;

    QLineEdit* led1Code;
    QLineEdit* led2Code = nullptr;
    QLineEdit* ledOffCode;
    CSpinEdit* ringInterval;
    CSpinEdit* ringAttempts;
    QLineEdit* start = nullptr;
    QLineEdit* end = nullptr;
    QLineEdit* lineSeizeCode;
};

class CNotificationPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CNotificationPage(const CQelDoc& doc, QWidget* parent = nullptr);

    bool OnKillActive() override;
    const editors::CNotificationEdit& Model() const { return edit_; }

  private:
    editors::CNotificationEdit edit_;
    NotifFields fields_;
    QButtonGroup* ledMode_;
    QButtonGroup* ringDuration_;
};

} // namespace kiv
