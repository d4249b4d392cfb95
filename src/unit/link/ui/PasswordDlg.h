#pragma once
// CPasswordDlg: asks for a unit password. Caption and prompt come from the
// caller; the field takes at most eight characters and OK accepts digits only.

#include "unit/link/PasswordCommand.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;

namespace kiv {

class MessageSink;

class CPasswordDlg : public QDialog {
    Q_OBJECT
  public:
    CPasswordDlg(const std::string& caption, const std::string& prompt, MessageSink& sink,
                 QWidget* parent = nullptr);

    void SetText(const std::string& text);
    std::string Text() const;
    QLineEdit* Field() const { return field_; }

    void accept() override;

  private:
    MessageSink& sink_;
    QLabel* prompt_;
    QLineEdit* field_;
};

// The password prompt of the core commands, answered with CPasswordDlg.
class CPasswordDlgPrompt : public PasswordPrompt {
  public:
    // `exec` runs the dialog (the shell's dialog runner, so tests can answer
    // it); by default the dialog's own exec().
    using Exec = std::function<int(QDialog&)>;
    CPasswordDlgPrompt(MessageSink& sink, QWidget* parent, Exec exec = {})
        : sink_(sink), parent_(parent), exec_(std::move(exec)) {}
    std::optional<std::string> Ask(const std::string& caption, const std::string& prompt,
                                   const std::string& preset) override;

  private:
    MessageSink& sink_;
    QWidget* parent_;
    Exec exec_;
};

} // namespace kiv
