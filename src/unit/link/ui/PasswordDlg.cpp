#include "unit/link/ui/PasswordDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "document/MessageSink.h"
#include "unit/link/Texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

CPasswordDlg::CPasswordDlg(const std::string& caption, const std::string& prompt, MessageSink& sink,
                           QWidget* parent)
    : QDialog(parent), sink_(sink) {
    setWindowTitle(ToQString(caption));
    setObjectName("CPasswordDlg");
    prompt_ = new QLabel(ToQString(prompt), this);
    field_ = new QLineEdit(this);
    field_->setObjectName("password");
    field_->setMaxLength(8);
    field_->setEchoMode(QLineEdit::Password);
    field_->setAccessibleName(ToQString(prompt));
    prompt_->setBuddy(field_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("&Annulla", QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton("Ai&uto", QDialogButtonBox::HelpRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPasswordDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPasswordDlg::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp("password", sink_); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(field_);
    layout->addWidget(buttons);
    setMinimumWidth(280);
}

void CPasswordDlg::SetText(const std::string& text) {
    field_->setText(ToQString(text));
    field_->selectAll();
}

std::string CPasswordDlg::Text() const {
    std::string out;
    FromQString(field_->text(), out);
    return out;
}

void CPasswordDlg::accept() {
    for (QChar c : field_->text()) {
        if (c < QChar('0') || c > QChar('9')) {
            sink_.Show(texts::kInputError);
            field_->setFocus();
            field_->selectAll();
            return;
        }
    }
    QDialog::accept();
}

std::optional<std::string> CPasswordDlgPrompt::Ask(const std::string& caption,
                                                   const std::string& prompt,
                                                   const std::string& preset) {
    CPasswordDlg dialog(caption, prompt, sink_, parent_);
    dialog.SetText(preset);
    const int result = exec_ ? exec_(dialog) : dialog.exec();
    if (result != QDialog::Accepted) return std::nullopt;
    return dialog.Text();
}

} // namespace kiv
