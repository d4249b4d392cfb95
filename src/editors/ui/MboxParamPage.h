#pragma once
// "Parametri" of "Lista Caselle": the message-retrieval key during a
// greeting, the operator key beside it (read only) and how many days
// messages are kept.

#include "app/PropertyPage.h"
#include "editors/MboxParamEdit.h"

class QLineEdit;

namespace kiv {

class CQelDoc;
class CSpinEdit;

class CMboxParamPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CMboxParamPage(const CQelDoc& doc, QWidget* parent = nullptr);

    bool OnKillActive() override;
    const editors::CMboxParamEdit& Model() const { return edit_; }

  private:
    editors::CMboxParamEdit edit_;
    CSpinEdit* archiveDays_;
    CSpinEdit* listenKey_;
    QLineEdit* operatorKey_;
};

} // namespace kiv
