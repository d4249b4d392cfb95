#pragma once
// "Programmazione Pagine": the page-number field with "<<" and ">>", the
// page's description, eleven rows (key, operation list, destination) and the
// time-out. Every user action goes to the page editor's model, and the form
// is redrawn from it; a refusal focuses the field the model names.

#include "app/PropertyPage.h"
#include "autoattendant/AutoAttenEdit.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kiv {

class CSpinEdit;

class CAutoAttenPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CAutoAttenPage(autoatt::CAutoAttenEdit& edit, QWidget* parent = nullptr);

    bool OnKillActive() override;

    QLineEdit* PageNumberField() const { return pageNumber_; }
    QPushButton* PreviousButton() const { return previous_; }
    QPushButton* NextButton() const { return next_; }
    QLabel* DescriptionLabel() const { return description_; }
    QComboBox* Operation(int row) const { return ops_[static_cast<std::size_t>(row)]; }
    QLineEdit* Destination(int row) const { return dests_[static_cast<std::size_t>(row)]; }
    CSpinEdit* TimeoutField() const { return timeout_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Draws the form from the model.
    void Redraw();
    // Shows a refusal; true when there was one.
    bool Refused(const autoatt::PageCheck& check);

  private:
    void OnPageNumberEdited(const QString& text);
    void OnPageNumberLeft();
    void OnOperationChosen(int row, int index);

    autoatt::CAutoAttenEdit& edit_;
    QLineEdit* pageNumber_;
    QPushButton* previous_;
    QPushButton* next_;
    QLabel* description_;
    std::array<QComboBox*, kPageKeys> ops_{};
    std::array<QLineEdit*, kPageKeys> dests_{};
    CSpinEdit* timeout_;
    bool drawing_ = false;
    bool refusing_ = false; // a refusal's message is up
};

} // namespace kiv
