#pragma once
// CSpinEdit: a short text field with up / down arrows. Unlike QSpinBox it
// keeps whatever the user typed (a letter, an empty field, a number out of
// range), so that the page's leave check can refuse it with the field
// focused; the arrows step the number the text starts with, within the range.

#include <QAbstractSpinBox>

namespace kiv {

class CSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
  public:
    CSpinEdit(int minimum, int maximum, int maxLength, QWidget* parent = nullptr);

    void SetText(const QString& text);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void TextChanged(const QString& text);

  protected:
    StepEnabled stepEnabled() const override;

  private:
    int Value() const;

    int minimum_;
    int maximum_;
};

} // namespace kiv
