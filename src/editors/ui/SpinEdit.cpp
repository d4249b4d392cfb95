#include "editors/ui/SpinEdit.h"

#include "app/QtText.h"
#include "editors/FieldCheck.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

namespace kiv {

CSpinEdit::CSpinEdit(int minimum, int maximum, int maxLength, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum) {
    lineEdit()->setMaxLength(maxLength);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, &CSpinEdit::TextChanged);
}

void CSpinEdit::SetText(const QString& text) {
    lineEdit()->setText(text);
}

int CSpinEdit::Value() const {
    std::string cp1252;
    FromQString(text(), cp1252);
    return editors::LeadingNumber(cp1252);
}

void CSpinEdit::stepBy(int steps) {
    const int value = std::clamp(Value() + steps, minimum_, maximum_);
    SetText(QString::number(value));
    selectAll();
}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    const int value = Value();
    StepEnabled enabled = StepNone;
    if (value < maximum_) enabled |= StepUpEnabled;
    if (value > minimum_) enabled |= StepDownEnabled;
    return enabled;
}

// Any text is kept as typed; the leave check judges it.
QValidator::State CSpinEdit::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

void CSpinEdit::fixup(QString&) const {}

QSize CSpinEdit::sizeHint() const {
    return minimumSizeHint();
}

// Room for the longest text the field takes, the frame and the arrows.
QSize CSpinEdit::minimumSizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(font());
    const int chars = std::max(2, std::min(lineEdit()->maxLength(), 6));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize content(metrics.horizontalAdvance(QString(chars, '0')) + 6,
                        lineEdit()->minimumSizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

} // namespace kiv
