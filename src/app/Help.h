#pragma once
// Help pages: each dialog names a topic; the page <topic>.html is looked for
// in the "help" folder beside the program (or in the installed data folder)
// and opened in the browser. A topic without a page shows a short note.

#include <QString>

class QWidget;

namespace kiv {

class MessageSink;

// Path of the page of a topic, or an empty text when there is none.
QString HelpPagePath(const QString& topic);

// Opens the page of a topic, or tells the user that there is none yet.
void ShowHelp(const QString& topic, MessageSink& sink);

} // namespace kiv
