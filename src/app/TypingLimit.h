#pragma once
// The length limit of a text field binds what the user types, never what the
// field is given to show. QLineEdit::setMaxLength cuts a longer text when it
// is set, so a stored value shown in such a field would go back cut; a field
// limited here shows the whole text, and typing may shorten it but never make
// it longer than the limit (or than it already is, when it is longer).

#include <QValidator>

class QLineEdit;

namespace kiv {

// The rule: how long a typed change may make a text that holds `shownLength`
// characters.
class CTypingLimit {
  public:
    explicit CTypingLimit(int limit = 32767) : limit_(limit), allowed_(limit) {}

    int Limit() const { return limit_; }
    // True when a change that gives `length` characters may stand.
    bool Accepts(int length) const { return length <= limit_ || length <= allowed_; }
    // The field now holds `length` characters: a later change may not make
    // it longer than that or the limit.
    void Shown(int length) { allowed_ = length > limit_ ? length : limit_; }

  private:
    int limit_;
    int allowed_;
};

// Whether a change of `edit` to `input` stands: a text the program sets
// always does, a typed one when the rule takes its length.
bool TypedChangeStands(const QLineEdit& edit, const CTypingLimit& rule, const QString& input);

// The validator that puts the rule on a line edit.
class CTypingLimitValidator : public QValidator {
    Q_OBJECT
  public:
    CTypingLimitValidator(QLineEdit* edit, int limit);

    State validate(QString& input, int& pos) const override;
    int Limit() const { return rule_.Limit(); }

  private:
    QLineEdit* edit_;
    CTypingLimit rule_;
};

// Limits what the user types into `edit` to `limit` characters (in place of
// setMaxLength).
void LimitTyping(QLineEdit* edit, int limit);
// The typing limit of a field (its maximum length when it has none of ours).
int TypingLimitOf(const QLineEdit* edit);

} // namespace kiv
