#include "editors/ui/MaskEdit.h"

#include "app/QtText.h"
#include "editors/ui/FieldText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>

namespace kiv {

CMaskEdit::CMaskEdit(editors::CMaskEngine engine, QWidget* parent)
    : QLineEdit(parent), engine_(std::move(engine)) {
    // Cut, paste and dropped text would go around the mask.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
}

void CMaskEdit::SetText(const QString& text) {
    engine_.SetText(FieldText(text));
    setText(text);
    setCursorPosition(0);
}

void CMaskEdit::SetMaskActive(bool active) {
    engine_.SetMaskActive(active);
}

void CMaskEdit::ShowEngine() {
    const QString shown = ToQString(engine_.Text());
    if (shown != text()) setText(shown);
    setCursorPosition(engine_.Caret());
}

void CMaskEdit::keyPressEvent(QKeyEvent* event) {
    if (!engine_.MaskActive()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Whatever edits the text other than typing and Backspace is left out.
    if (event == QKeySequence::Paste || event == QKeySequence::Cut || event == QKeySequence::Undo ||
        event == QKeySequence::Redo || event == QKeySequence::Delete ||
        event == QKeySequence::DeleteEndOfWord || event == QKeySequence::DeleteStartOfWord ||
        event == QKeySequence::DeleteEndOfLine || event == QKeySequence::DeleteCompleteLine ||
        event->key() == Qt::Key_Insert || event->key() == Qt::Key_Delete) {
        event->accept();
        return;
    }
    if (const std::string shown = FieldText(text()); shown != engine_.Text())
        engine_.ReplaceText(shown);
    engine_.SetCaret(hasSelectedText() ? selectionStart() : cursorPosition(),
                     static_cast<int>(selectedText().size()));
    editors::KeyResult result = editors::KeyResult::Ignored;
    if (event->key() == Qt::Key_Backspace) {
        result = engine_.Backspace();
    } else if (const QString typed = event->text();
               !typed.isEmpty() && typed.front() >= QChar(0x20) && typed.front() != QChar(0x7F) &&
               !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        for (const char c : FieldText(typed)) {
            result = engine_.Type(c);
            if (result != editors::KeyResult::Accepted) break;
        }
    } else {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (result == editors::KeyResult::Beep) QApplication::beep();
    ShowEngine();
}

void CMaskEdit::mouseReleaseEvent(QMouseEvent* event) {
    // A middle click pastes the selection of X11 around the keys: while the
    // mask is on it does nothing, as Ctrl+V does.
    if (engine_.MaskActive() && event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CMaskEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (engine_.MaskActive())
        event->ignore();
    else
        QLineEdit::inputMethodEvent(event);
}

} // namespace kiv
