#include "report/ui/PrintCommands.h"

#include "app/MainFrame.h"
#include "app/QelApp.h"
#include "app/ShellDialogs.h"
#include "document/MessageSink.h"
#include "document/QelDoc.h"
#include "report/Report.h"
#include "report/Texts.h"
#include "report/ui/ReportRenderer.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kiv {
namespace {

LocalTime Today(const CQelDoc& doc) {
    return doc.Clock().ToLocal(doc.Clock().Now());
}

} // namespace

CPrintCommands::CPrintCommands() = default;
CPrintCommands::~CPrintCommands() = default;

QPrinter& CPrintCommands::Printer() {
    // Made on first use: looking for printers is left until one is wanted.
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool CPrintCommands::Print(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    report::PreparePrint(doc);
    QPrinter& printer = Printer();
    QPrintDialog dlg(&printer, parent);
    dlg.setObjectName("printDlg");
    dlg.setMinMax(1, doc.printPageCount);
    dlg.setFromTo(1, doc.printPageCount);
    if (dialogs.Exec(dlg) != QDialog::Accepted) return false;
    const bool range = printer.printRange() == QPrinter::PageRange;
    if (report::PrintPages(printer, doc, Today(doc), range ? printer.fromPage() : 0,
                           range ? printer.toPage() : 0))
        return true;
    // No printer, a printer that refused the job, a PDF that cannot be
    // written: the user is told, not left waiting for paper.
    dialogs.Sink().Show(report::kPrintFailed, MsgIcon::Error);
    return false;
}

bool CPrintCommands::Preview(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent) {
    report::PreparePrint(doc);
    QPrintPreviewDialog dlg(&Printer(), parent);
    dlg.setObjectName("printPreviewDlg");
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg,
                     [&doc](QPrinter* printer) { report::PrintPages(*printer, doc, Today(doc)); });
    return dialogs.Exec(dlg) == QDialog::Accepted;
}

bool CPrintCommands::PageSetup(CShellDialogs& dialogs, QWidget* parent) {
    QPageSetupDialog dlg(&Printer(), parent);
    dlg.setObjectName("pageSetupDlg");
    return dialogs.Exec(dlg) == QDialog::Accepted;
}

void InstallReportCommands(CQelApp& app) {
    CPrintCommands& commands = app.AddPart(std::make_unique<CPrintCommands>());
    app.StartupHooks().frameCreated.push_back([&commands](CQelApp& a) {
        CMainFrame* f = a.Frame();
        const struct {
            const char* action;
            int section;
        } kSections[] = {
            {"actionPrintAll", report::kAll},
            {"actionPrintPbx", report::kPbx},
            {"actionPrintSystem", report::kSystem},
            {"actionPrintInBand", report::kInBand},
            {"actionPrintAutoAttendant", report::kAutoAttendant},
            {"actionPrintSchedule", report::kSchedule},
            {"actionPrintNotification", report::kNotification},
            {"actionPrintMailboxes", report::kMailboxes},
            {"actionPrintStatistics", report::kStatistics},
            {"actionPrintMessages", report::kMessages},
        };
        for (const auto& s : kSections) {
            const int section = s.section;
            f->SetCommand(
                s.action, [f, section] { report::SelectSection(f->Doc(), section); }, {},
                [f, section] { return f->Doc().printSection == section; });
        }
        f->SetCommand("actionFilePrint",
                      [f, &commands] { commands.Print(f->Doc(), f->Dialogs(), f); });
        f->SetCommand("actionFilePrintPreview",
                      [f, &commands] { commands.Preview(f->Doc(), f->Dialogs(), f); });
        f->SetCommand("actionFilePrintSetup",
                      [f, &commands] { commands.PageSetup(f->Dialogs(), f); });
    });
}

} // namespace kiv
