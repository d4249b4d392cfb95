#pragma once
// "Configurazione Barra Strumenti": which bars are shown and whether the
// bars show their tooltips.

#include "app/PropertyPage.h"

#include <array>

class QCheckBox;
class QRadioButton;

namespace kiv {

class CToolbarPage : public CPropertyPage {
    Q_OBJECT
  public:
    // `visible`: "Principale", "Comunicazione", "Parametri".
    CToolbarPage(const std::array<bool, 3>& visible, bool toolTips, QWidget* parent = nullptr);

    void OnOK() override;

    // The values, stored on OK.
    std::array<bool, 3> visible;
    bool toolTips;

    QCheckBox* BarCheck(int bar) const { return checks_[bar]; }
    QRadioButton* ShowTips() const { return show_; }
    QRadioButton* HideTips() const { return hide_; }

  private:
    std::array<QCheckBox*, 3> checks_{};
    QRadioButton* show_;
    QRadioButton* hide_;
};

} // namespace kiv
