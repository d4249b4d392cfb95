#pragma once
// The editors' installer: attaches the editor sheets to their menu commands
// once the main frame exists.

namespace kiv {

class CQelApp;

void InstallEditorCommands(CQelApp& app);

} // namespace kiv
