#pragma once
// Help pages: each dialog names a topic; the page <topic>.html is looked for
// in the "help" folder beside the program (or in the installed data folder,
// ../share/kiv/help) and shown in the guide's window. A topic without a page
// shows a short note.

#include <QString>
#include <functional>

class QLineEdit;
class QMenu;
class QWidget;

namespace kiv {

class MessageSink;

// The guide's folder, or an empty text when none is installed.
QString HelpFolder();

// Path of the page of a topic, or an empty text when there is none.
QString HelpPagePath(const QString& topic);

// Opens the page of a topic, or tells the user that there is none yet.
void ShowHelp(const QString& topic, MessageSink& sink);

// What opens a page that exists: by default the guide's window, which is
// kept while it is open and parented to the modal dialog that asked (so the
// user can scroll it while that dialog waits). Tests record the topics.
using HelpOpener = std::function<void(const QString& topic)>;
void SetHelpOpener(HelpOpener opener);

// F1 anywhere in a window without a help button of its own opens its topic
// (a missing page is reported in a message box over the window).
void InstallHelpKey(QWidget* window, const QString& topic);

// Opens the guide's window at a topic (the contents when the topic is empty
// or unknown); null when no guide is installed.
class CHelpViewer;
CHelpViewer* OpenHelpViewer(const QString& topic);

// The text field a control edits in: itself, or the field inside a spin box
// or an editable list; null for other controls.
QLineEdit* TextFieldOf(QWidget* control);

// The context menu of a control that has help: its text field's edit
// entries, then
// "Aiuto" (object name "contextHelp"), which calls `show`. The caller owns
// the menu.
QMenu* CreateHelpContextMenu(QWidget* control, std::function<void()> show);

} // namespace kiv
