#pragma once
// "Parametri Notifica Interna e Esterna": the notification parameters, on a
// copy taken from the document.

#include "app/PropertySheet.h"

namespace kiv {

class CNotificationPage;
class CQelDoc;

class CNotificationSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CNotificationSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent = nullptr);

    CNotificationPage* NotificationPage() const { return page_; }
    void ApplyTo(CQelDoc& doc) const;

  private:
    CNotificationPage* page_;
};

} // namespace kiv
