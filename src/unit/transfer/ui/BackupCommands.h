#pragma once
// "Sal&vataggio", "&Ripristina" and "&Inizializzazione Sistema" inside kiv:
// each opens its window over the link of the unit commands.

namespace kiv {

class CQelApp;

// Attaches the three commands to the main frame once it exists. Needs the
// unit commands' installer to have run first (their link is used).
void InstallBackupCommands(CQelApp& app);

} // namespace kiv
