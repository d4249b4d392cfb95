#pragma once
// "Toni Chiamata" of "Parametri PBX": the on and off times of the PBX's busy
// and disconnect tones and the DTMF code that signals a disconnect.

#include "app/PropertyPage.h"
#include "editors/TonesEdit.h"

class QLineEdit;

namespace kiv {

class CQelDoc;
class CSpinEdit;

class CTonesPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CTonesPage(const CQelDoc& doc, QWidget* parent = nullptr);

    bool OnKillActive() override;
    const editors::CTonesEdit& Model() const { return edit_; }

  private:
    CSpinEdit* Time(editors::TransferField field) const;

    editors::CTonesEdit edit_;
    CSpinEdit* busyOn_;
    CSpinEdit* busyOff_;
    CSpinEdit* disconnectOn_;
    CSpinEdit* disconnectOff_;
    QLineEdit* disconnectCode_;
};

} // namespace kiv
