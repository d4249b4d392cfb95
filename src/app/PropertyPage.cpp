#include "app/PropertyPage.h"

#include "app/Help.h"
#include "app/PropertySheet.h"
#include "app/QtText.h"
#include "document/MessageSink.h"
#include "document/Texts.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace kiv {

CPropertyPage::CPropertyPage(const QString& title, QWidget* parent)
    : QWidget(parent), title_(title) {}

namespace {

// The dynamic property that holds a control's help topic.
constexpr const char* kHelpTopicProperty = "kivHelpTopic";

} // namespace

void CPropertyPage::SetControlHelp(QWidget* control, const QString& topic) {
    if (!control) return;
    control->setProperty(kHelpTopicProperty, topic);
    control->installEventFilter(this);
    // A spin box's text field gets the right click itself.
    if (QLineEdit* inner = TextFieldOf(control); inner && inner != control)
        inner->installEventFilter(this);
    // A list gets it on its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
        area->viewport()->installEventFilter(this);
}

QString CPropertyPage::HelpTopicOf(const QWidget* widget) const {
    for (const QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        const QString topic = w->property(kHelpTopicProperty).toString();
        if (!topic.isEmpty()) return topic;
    }
    return helpTopic_;
}

QMenu* CPropertyPage::CreateContextMenu(QWidget* control) {
    return CreateHelpContextMenu(control,
                                 [this, topic = HelpTopicOf(control)] { ShowHelp(topic, Sink()); });
}

bool CPropertyPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu && sheet_) {
        auto* control = qobject_cast<QWidget*>(watched);
        // The inner field of a spin box, and a list's viewport, answer for
        // their control.
        if (control && control->property(kHelpTopicProperty).isNull() && control->parentWidget() &&
            !control->parentWidget()->property(kHelpTopicProperty).isNull())
            control = control->parentWidget();
        if (control && !control->property(kHelpTopicProperty).isNull()) {
            QMenu* menu = CreateContextMenu(control);
            menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
            delete menu;
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

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
