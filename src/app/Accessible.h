#pragma once
// Accessibility interfaces that Qt's own ones lack, so that a screen reader
// (and a test that drives the program from outside) finds each control by
// the words the user sees:
// - a combo box is named by its caption (its buddy label, or its accessible
//   name); Qt on Linux names it by its current item ("Nessuna" instead of
//   "Casella Supervisore"). Its value stays the current item.
// - the main view's status panel is painted; its texts (the headings, the
//   product type, "On Line" / "Off Line") become static-text children.

#include <QString>

class QAccessibleInterface;
class QObject;

namespace kiv {

// The factory QAccessible asks first (QtSetup installs it).
QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object);

} // namespace kiv
