#pragma once
// "Parametri" of "Parametri Sistema": the longest recording (with a warning
// on every change the user makes), automatic volume control, the default
// language and the order of the name directory.

#include "app/PropertyPage.h"
#include "editors/SysParEdit.h"

class QButtonGroup;
class QCheckBox;

namespace kiv {

class CQelDoc;
class CSpinEdit;

class CSysParPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CSysParPage(const CQelDoc& doc, QWidget* parent = nullptr);

    bool OnKillActive() override;
    const editors::CSysParEdit& Model() const { return edit_; }

  private:
    editors::CSysParEdit edit_;
    CSpinEdit* recordTime_;
    QCheckBox* autoVolume_;
    QButtonGroup* language_;
    QButtonGroup* nameOrder_;
};

} // namespace kiv
