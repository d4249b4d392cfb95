#pragma once
// "Supervisione" of "Parametri PBX": how transfers are supervised (the three
// DTMF signals are open only for supervision by key), the transfer modes
// towards the operator and other extensions, the no-answer wait and the
// voice sensitivity.

#include "app/PropertyPage.h"
#include "editors/SuperEdit.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;

namespace kiv {

class CQelDoc;
class CSpinEdit;

// What this tab and the wizard's transfer step both show. The "Modi
// Trasferta" box: one radio box towards the operator and one towards other
// extensions, whose buttons set the model's two modes.
QGroupBox* TransferModesBox(editors::CSuperEdit& edit, QButtonGroup*& modeOperator,
                            QButtonGroup*& modeOther, QWidget* page);
// The no-answer wait and voice sensitivity fields, holding the model's values.
void MakeWaitAndSensitivity(const editors::CSuperEdit& edit, CSpinEdit*& noAnswerWait,
                            CSpinEdit*& voiceSensitivity, QWidget* page);

class CSuperPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CSuperPage(const CQelDoc& doc, QWidget* parent = nullptr);

    bool OnKillActive() override;
    const editors::CSuperEdit& Model() const { return edit_; }

  private:
    void ReadSignals();
    void ShowSignals();

    editors::CSuperEdit edit_;
    QComboBox* type_;
    QLineEdit* answerSignal_;
    QLineEdit* busySignal_;
    QLineEdit* dndSignal_;
    QButtonGroup* modeOperator_;
    QButtonGroup* modeOther_;
    CSpinEdit* noAnswerWait_;
    CSpinEdit* voiceSensitivity_;
};

} // namespace kiv
