#pragma once
// Shared pieces of the editor sheets' tests: a shell whose dialogs are run by
// handlers the test queues, a document with some mailboxes, and finders.

#include "app/ShellDialogs.h"
#include "document/MessageSink.h"
#include "document/QelDoc.h"

#include <QDialog>
#include <QWidget>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace kiv::test {

// Each dialog that a command runs is shown and handed to the next queued
// handler, whose answer Exec returns; with no handler left it is cancelled.
class CScriptedShell : public CShellDialogs {
  public:
    using Handler = std::function<int(QDialog&)>;
    using CShellDialogs::CShellDialogs;
    int Exec(QDialog& dialog) override;

    std::deque<Handler> handlers;
    std::vector<QString> opened; // object names of the dialogs run, in order
};

// OK / Annulla of a property sheet, as a click; returns the sheet's result
// (Rejected while a leave check keeps it open).
int PressOk(QDialog& sheet);
int PressCancel(QDialog& sheet);

// A document of a product type (0 "RZ 128 Mbx" ... 3 "RZ 2 Mbx") holding
// the mailboxes given, slots 0, 1, 2 ... in that order.
std::unique_ptr<CQelDoc> MakeDoc(int productType, const std::vector<std::string>& numbers,
                                 int extDigits = 3);

template <class W> W* Find(const QObject& parent, const char* name) {
    W* widget = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Shows a window and makes it the active one, so that focus can be checked.
void ShowActive(QWidget& window);

} // namespace kiv::test
