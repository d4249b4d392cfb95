#pragma once
// Attaches the editor sheets to their menu commands in the main frame.

namespace kiv {

class CMainFrame;

void InstallEditorCommands(CMainFrame& frame);

} // namespace kiv
