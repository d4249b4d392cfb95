#pragma once
// "Pagina Inziale": the rings before answer of each line and the initial page
// of each line in each time mode.

#include "app/PropertyPage.h"
#include "autoattendant/ScriptPages.h"

#include <array>

namespace kiv {

class CSpinEdit;

class COpenScriptPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit COpenScriptPage(autoatt::COpenScriptEdit& edit, QWidget* parent = nullptr);

    bool OnKillActive() override;
    CSpinEdit* Rings(int line) const { return rings_.at(static_cast<std::size_t>(line)); }
    CSpinEdit* InitialPage(int line, int mode) const {
        return cells_.at(static_cast<std::size_t>(line)).at(static_cast<std::size_t>(mode));
    }

  private:
    autoatt::COpenScriptEdit& edit_;
    std::array<CSpinEdit*, autoatt::kLines> rings_{};
    std::array<std::array<CSpinEdit*, autoatt::kModes>, autoatt::kLines> cells_{};
};

} // namespace kiv
