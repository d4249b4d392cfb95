#pragma once
// The commands that open "Parametri PBX" and "Parametri Notifica Interna e
// Esterna". As the other editor commands: the sheet works on a copy, and only
// OK writes it back and marks the document modified. True when the document
// changed.

class QWidget;

namespace kiv {

class CQelDoc;
class CShellDialogs;

bool RunPbxParamCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent);
bool RunNotificationCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent);

} // namespace kiv
