#pragma once
// The "Selezione PBX" command and the installer that attaches it to the main
// frame's action "actionSelectPbx".

#include <string>
#include <vector>

class QWidget;

namespace kiv {

class CQelApp;
class CQelDoc;
class CShellDialogs;

// Opens "Selezione PBX" on the index of the document's product family (found
// in `folders`, the start folder first) and loads the chosen model. True when
// the document changed.
bool RunSelectPbxCommand(CQelDoc& doc, CShellDialogs& dialogs,
                         const std::vector<std::string>& folders, QWidget* parent);

void InstallPbxCommands(CQelApp& app);

} // namespace kiv
