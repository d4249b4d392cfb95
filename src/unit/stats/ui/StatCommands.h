#pragma once
// The statistics commands of the main window: "Statistiche &Generali" and "Lista dei
// &Messaggi", and the per-mailbox message list that the mailbox list opens. None of them
// talks to the unit: they show what the last Read Parameters left in the document.

#include <string>

class QWidget;

namespace kiv {

class CQelApp;
class CQelDoc;
class CShellDialogs;

// "Generali". The call counters come back into the document however the dialog closes; true
// when "Cancella" changed them (the document is then marked modified, as the counters are
// saved with the configuration and sent to the unit).
bool RunStatCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent);

// "Lista dei Messaggi".
void RunMsgListCommand(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent);

// "Lista Messaggi per Casella" of the mailbox with this number.
void RunMboxMsgListCommand(const CQelDoc& doc, const std::string& mailbox, CShellDialogs& dialogs,
                           QWidget* parent);

// Attaches the two menu commands to the main window.
void InstallStatCommands(CQelApp& app);

} // namespace kiv
