#pragma once
// The wizard's transfer step: the fields of "Trasferta Chiamate",
// "Supervisione" and "Toni Chiamata" that the wizard asks for, on one page,
// checked on Next in the wizard's own order (the no-answer wait 1 to 99 here).
// The supervision type, the three signals and the disconnect tone times are
// not shown and keep their values.

#include "app/PropertyPage.h"
#include "editors/CallTranEdit.h"
#include "editors/SuperEdit.h"
#include "editors/TonesEdit.h"
#include "editors/TransferFields.h"

class QButtonGroup;
class QLineEdit;

namespace kiv {

class CQelDoc;
class CSpinEdit;

class CWizSuperPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CWizSuperPage(const CQelDoc& doc, QWidget* parent = nullptr);

    bool OnKillActive() override;
    // The three tabs' values back into the document, after the check passed.
    void ApplyTo(CQelDoc& doc) const;

    CSpinEdit* NoAnswerWait() const { return noAnswerWait_; }
    QWidget* Field(editors::TransferField field) const;

  private:
    void ReadFields();

    editors::CCallTranEdit callTran_;
    editors::CSuperEdit super_;
    editors::CTonesEdit tones_;
    QButtonGroup* modeOperator_;
    QButtonGroup* modeOther_;
    QLineEdit* transferCode_;
    QLineEdit* recallOnBusy_;
    QLineEdit* recallOnNoAnswer_;
    CSpinEdit* flash1_;
    CSpinEdit* noAnswerWait_;
    CSpinEdit* voiceSensitivity_;
    CSpinEdit* busyOn_;
    CSpinEdit* busyOff_;
    QLineEdit* disconnectCode_;
};

} // namespace kiv
