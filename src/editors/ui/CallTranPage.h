#pragma once
// "Trasferta Chiamate" of "Parametri PBX": the transfer and recall codes and
// the hook-flash time. The second flash time is not shown.

#include "app/PropertyPage.h"
#include "editors/CallTranEdit.h"

class QLineEdit;

namespace kiv {

class CQelDoc;
class CSpinEdit;

class CCallTranPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CCallTranPage(const CQelDoc& doc, QWidget* parent = nullptr);

    bool OnKillActive() override;
    const editors::CCallTranEdit& Model() const { return edit_; }

  private:
    editors::CCallTranEdit edit_;
    QLineEdit* transferCode_;
    QLineEdit* recallOnBusy_;
    QLineEdit* recallOnNoAnswer_;
    CSpinEdit* flash1_;
};

} // namespace kiv
