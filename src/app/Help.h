#pragma once
// Help pages: each dialog names a topic; the page <topic>.html is looked for
// in the "help" folder beside the program (or in the installed data folder)
// and opened in the browser. A topic without a page shows a short note.

#include <QString>
#include <functional>

class QLineEdit;
class QMenu;
class QWidget;

namespace kiv {

class MessageSink;

// Path of the page of a topic, or an empty text when there is none.
QString HelpPagePath(const QString& topic);

// Opens the page of a topic, or tells the user that there is none yet.
void ShowHelp(const QString& topic, MessageSink& sink);

// The text field a control edits in: itself, or the field inside a spin box
// or an editable list; null for other controls.
QLineEdit* TextFieldOf(QWidget* control);

// The context menu of a control that has help: its text field's edit
// entries, then
// "Aiuto" (object name "contextHelp"), which calls `show`. The caller owns
// the menu.
QMenu* CreateHelpContextMenu(QWidget* control, std::function<void()> show);

} // namespace kiv
