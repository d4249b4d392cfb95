#pragma once
// The wizard's notification step: the first lamp code, the lamp-off code,
// the outside-line code, the ring interval and retries and when the lamp is
// lit. The second lamp code, the time window and the ring length are not
// shown and keep their values. Next checks the shown fields in the page's
// order.

#include "app/PropertyPage.h"
#include "editors/NotificationEdit.h"
#include "editors/ui/NotificationPage.h"

class QButtonGroup;

namespace kiv {

class CQelDoc;

class CWizNotifPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CWizNotifPage(const CQelDoc& doc, QWidget* parent = nullptr);

    bool OnKillActive() override;
    const editors::CNotificationEdit& Model() const { return edit_; }

  private:
    editors::CNotificationEdit edit_;
    NotifFields fields_;
    QButtonGroup* ledMode_;
};

} // namespace kiv
