#pragma once
// "Compone una Stringa": the twenty dial strings in two columns, checked in
// number order when the page is left.

#include "app/PropertyPage.h"
#include "autoattendant/ScriptPages.h"

#include <array>

class QLineEdit;

namespace kiv {

class CDialStringPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDialStringPage(std::array<std::string, autoatt::kDialStrings>& strings,
                             QWidget* parent = nullptr);

    bool OnKillActive() override;
    QLineEdit* Field(int n) const { return fields_.at(static_cast<std::size_t>(n)); }

  private:
    std::array<std::string, autoatt::kDialStrings>& strings_;
    std::array<QLineEdit*, autoatt::kDialStrings> fields_{};
};

} // namespace kiv
