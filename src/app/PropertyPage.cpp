#include "app/PropertyPage.h"

#include "app/PropertySheet.h"
#include "app/QtText.h"
#include "document/MessageSink.h"
#include "document/Texts.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace kiv {

CPropertyPage::CPropertyPage(const QString& title, QWidget* parent)
    : QWidget(parent), title_(title) {}

MessageSink& CPropertyPage::Sink() const {
    Q_ASSERT(sheet_);
    return sheet_->Sink();
}

void FocusAndSelectAll(QWidget* field) {
    if (!field) return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
        spin->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
        if (combo->lineEdit()) combo->lineEdit()->selectAll();
    } else if (auto* text = qobject_cast<QTextEdit*>(field)) {
        text->selectAll();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->selectAll();
    }
}

CShellDialogs& CPropertyPage::Dialogs() const {
    Q_ASSERT(sheet_);
    return sheet_->Dialogs();
}

bool CPropertyPage::FailField(QWidget* field) {
    return FailField(field, ToQString(texts::kInputError));
}

bool CPropertyPage::FailField(QWidget* field, const QString& message) {
    FocusAndSelectAll(field);
    std::string text;
    FromQString(message, text);
    Sink().Show(text, MsgIcon::Warning);
    // The message box took the focus; give it back to the field.
    FocusAndSelectAll(field);
    return false;
}

} // namespace kiv
