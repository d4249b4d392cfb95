#pragma once
// What every window program of the project does to Qt at start-up, before
// its first window: Qt's own texts in Italian and the accessibility
// interfaces that Qt lacks. kiv runs it from its application object; tarvel
// calls it from its main().

class QWidget;

namespace kiv {

// Qt's own Italian translations (the standard buttons, the file dialog, the
// print dialogs ...), from Qt's translations folder or a "translations"
// folder beside the program. False when none was found (Qt then speaks
// English). Loads once per application.
bool LoadQtTranslations();

// Installs the accessibility interfaces of app/Accessible.h (once).
void InstallAccessibleInterfaces();

// Both of the above.
void PrepareQtApplication();

} // namespace kiv
