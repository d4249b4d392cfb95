#include "app/TypingLimit.h"

#include <QLineEdit>

namespace kiv {

CTypingLimitValidator::CTypingLimitValidator(QLineEdit* edit, int limit)
    : QValidator(edit), edit_(edit), rule_(limit) {
    rule_.Shown(static_cast<int>(edit->text().size()));
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { rule_.Shown(static_cast<int>(text.size())); });
}

QValidator::State CTypingLimitValidator::validate(QString& input, int&) const {
    return TypedChangeStands(*edit_, rule_, input) ? Acceptable : Invalid;
}

bool TypedChangeStands(const QLineEdit& edit, const CTypingLimit& rule, const QString& input) {
    // QLineEdit::setText empties the undo history before it validates; a
    // typed change has put itself on the history first.
    return !edit.isUndoAvailable() || rule.Accepts(static_cast<int>(input.size()));
}

void LimitTyping(QLineEdit* edit, int limit) {
    edit->setMaxLength(32767);
    edit->setValidator(new CTypingLimitValidator(edit, limit));
}

int TypingLimitOf(const QLineEdit* edit) {
    if (const auto* limit = qobject_cast<const CTypingLimitValidator*>(edit->validator()))
        return limit->Limit();
    return edit->maxLength();
}

} // namespace kiv
