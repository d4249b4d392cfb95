#pragma once
// The commands "Lettura Registrazioni" and "Spedizione Registrazioni": each
// runs its dialog on the configuration's page recording files, over the
// link of the unit commands. The profile's "Script" / "Delay" paces the
// bytes and is written back unchanged each time a dialog runs; a list
// changed with "Lista delle Registrazioni..." replaces the configuration's.

namespace kiv {

class CQelApp;

void RunReadRecordings(CQelApp& app);
void RunSendRecordings(CQelApp& app);

// Attaches the two commands to the main frame ("actionReadRecordings",
// "actionSendRecordings"). Installed after the unit commands.
void InstallRecordingCommands(CQelApp& app);

} // namespace kiv
