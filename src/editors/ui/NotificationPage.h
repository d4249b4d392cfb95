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

class CNotificationPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CNotificationPage(const CQelDoc& doc, QWidget* parent = nullptr);

    bool OnKillActive() override;
    const editors::CNotificationEdit& Model() const { return edit_; }

  private:
    editors::CNotificationEdit edit_;
    QLineEdit* led1Code_;
    QLineEdit* led2Code_;
    QLineEdit* ledOffCode_;
    CSpinEdit* ringInterval_;
    CSpinEdit* ringAttempts_;
    QLineEdit* start_;
    QLineEdit* end_;
    QLineEdit* lineSeizeCode_;
    QButtonGroup* ledMode_;
    QButtonGroup* ringDuration_;
};

} // namespace kiv
