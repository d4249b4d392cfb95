#pragma once
// The report's commands on the main frame: the "Stampa Impostazioni" items
// (the section to print, checked on the current one), "&Stampa...",
// "Ante&prima Stampa" and "I&mposta Stampante...". One printer is kept for the
// program's life, so that the page setup holds for the next print.

#include "app/QelApp.h"

#include <memory>

class QPrinter;
class QWidget;

namespace kiv {

class CQelDoc;
class CShellDialogs;

class CPrintCommands : public CAppPart {
  public:
    CPrintCommands();
    ~CPrintCommands() override;

    // Each returns whether its dialog was accepted (and the pages printed).
    bool Print(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent);
    bool Preview(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent);
    bool PageSetup(CShellDialogs& dialogs, QWidget* parent);

    QPrinter& Printer();

  private:
    std::unique_ptr<QPrinter> printer_;
};

void InstallReportCommands(CQelApp& app);

} // namespace kiv
