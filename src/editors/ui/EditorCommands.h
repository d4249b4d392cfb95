#pragma once
// The commands that open the mailbox, group and system parameter sheets.
// Each copies what its sheet edits out of the document, runs the sheet
// through `dialogs` (which also answers its messages) and, only when the
// sheet is closed with OK, copies the values back and marks the document
// modified. Cancel leaves the document as it was. They return true when the
// document changed, so that the caller refreshes its views.

class QSettings;
class QWidget;

namespace kiv {

class CQelDoc;
class CShellDialogs;

// "Lista Caselle". `profile` keeps the list's column widths (section
// "ListMbox"); it may be null. The mailbox editor opened by "&Aggiungi" and
// "Ca&mbia..." also runs through `dialogs`.
bool RunListMboxCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent, QSettings* profile);

// "Gruppo Caselle".
bool RunGroupMboxCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent);

// "Parametri Sistema".
bool RunGeneralParamCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent);

} // namespace kiv
