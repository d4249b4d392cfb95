#pragma once
// CSpinEdit: a short text field with up / down arrows. Unlike QSpinBox it
// keeps whatever the user typed (a letter, an empty field, a number out of
// range), so that the page's leave check can refuse it with the field
// focused; the arrows step the number the text starts with, within the range
// that the field's check accepts.
//
// With a step above 1 an arrow moves to the next multiple of the step in its
// direction (step 20: 130 goes to 140 up and 120 down, 120 to 140 or 100).
// The field tells its page when it gains or loses the focus.

#include "app/TypingLimit.h"
#include "editors/FieldCheck.h"

#include <QAbstractSpinBox>

namespace kiv {

class CSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
  public:
    CSpinEdit(int minimum, int maximum, int maxLength, QWidget* parent = nullptr);
    // Range and step from the rule the field's check applies.
    CSpinEdit(const editors::NumberRule& rule, int maxLength, QWidget* parent = nullptr);

    void SetText(const QString& text);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    // The arrows' step (1 unless set); values snap to its multiples.
    void SetStep(int step);
    int Step() const { return step_; }
    // The field takes typed digits only (a stored text is still shown whole).
    void SetDigitsOnly(bool digitsOnly) { digitsOnly_ = digitsOnly; }

    // The value `steps` arrow clicks make of `value` (negative: down).
    int Stepped(int value, int steps) const;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void TextChanged(const QString& text);
    void FocusGained();
    void FocusLost();

  protected:
    StepEnabled stepEnabled() const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int Value() const;

    int minimum_;
    int maximum_;
    int step_ = 1;
    // `maxLength` binds what is typed; a longer stored text is shown whole.
    CTypingLimit limit_;
    bool digitsOnly_ = false;
};

} // namespace kiv
