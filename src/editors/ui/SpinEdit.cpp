#include "editors/ui/SpinEdit.h"

#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "editors/FieldCheck.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

namespace kiv {

CSpinEdit::CSpinEdit(int minimum, int maximum, int maxLength, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum), limit_(maxLength) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        limit_.Shown(static_cast<int>(text.size()));
        // A stored text longer than the limit widens the field to show it.
        if (text.size() > limit_.Limit()) updateGeometry();
        emit TextChanged(text);
    });
}

CSpinEdit::CSpinEdit(const editors::NumberRule& rule, int maxLength, QWidget* parent)
    : CSpinEdit(rule.lo, rule.hi, maxLength, parent) {
    SetStep(rule.step);
}

void CSpinEdit::SetText(const QString& text) {
    lineEdit()->setText(text);
}

int CSpinEdit::Value() const {
    std::string cp1252;
    FromQString(text(), cp1252);
    return editors::LeadingNumber(cp1252);
}

void CSpinEdit::SetStep(int step) {
    step_ = std::max(step, 1);
}

int CSpinEdit::Stepped(int value, int steps) const {
    // Each click goes to the next multiple of the step in its direction; the
    // arithmetic is wide so that a huge typed number cannot overflow.
    const long long step = step_;
    const auto floorDiv = [](long long a, long long b) { return a / b - (a % b < 0 ? 1 : 0); };
    long long v = value;
    for (; steps > 0; --steps)
        v = (floorDiv(v, step) + 1) * step;
    for (; steps < 0; ++steps)
        v = -(floorDiv(-v, step) + 1) * step;
    return static_cast<int>(std::clamp<long long>(v, minimum_, maximum_));
}

void CSpinEdit::stepBy(int steps) {
    SetText(QString::number(Stepped(Value(), steps)));
    selectAll();
}

void CSpinEdit::focusInEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusInEvent(event);
    emit FocusGained();
}

void CSpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    emit FocusLost();
}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    const int value = Value();
    StepEnabled enabled = StepNone;
    if (value < maximum_) enabled |= StepUpEnabled;
    if (value > minimum_) enabled |= StepDownEnabled;
    return enabled;
}

// Any text is kept as typed (the leave check judges it), within the typing
// limit; a field of digits takes no other character.
QValidator::State CSpinEdit::validate(QString& input, int&) const {
    if (digitsOnly_ && !input.isEmpty() &&
        !QRegularExpression("^[0-9]*$").match(input).hasMatch() && lineEdit()->isUndoAvailable())
        return QValidator::Invalid;
    return TypedChangeStands(*lineEdit(), limit_, input) ? QValidator::Acceptable
                                                         : QValidator::Invalid;
}

void CSpinEdit::fixup(QString&) const {}

QSize CSpinEdit::sizeHint() const {
    return minimumSizeHint();
}

// Room for the longest text the field takes (or holds), the frame and the
// arrows.
QSize CSpinEdit::minimumSizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(font());
    const int shown = std::max(limit_.Limit(), static_cast<int>(text().size()));
    const int chars = std::max(2, std::min(shown, 6));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize content(metrics.horizontalAdvance(QString(chars, '0')) + 6,
                        lineEdit()->minimumSizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

} // namespace kiv
