// The report's commands in the running program: the section items and their
// check mark, "&Stampa..." into a PDF printer, the preview's pages and the
// page setup kept for the next print.

#include "AppTestSupport.h"

#include "app/MainFrame.h"
#include "document/QelDoc.h"
#include "report/Report.h"
#include "report/Texts.h"
#include "report/ui/PrintCommands.h"

#include <QAction>
#include <QFile>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kiv::test {
namespace {

int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray data = file.readAll();
    int count = 0;
    for (qsizetype at = data.indexOf("/Type /Page"); at >= 0;
         at = data.indexOf("/Type /Page", at + 1))
        if (data.mid(at, 12) != "/Type /Pages") ++count;
    return count;
}

class PrintCommandsTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        prepare = [](CQelApp& app) { InstallReportCommands(app); };
    }
};

TEST_F(PrintCommandsTest, SectionItemsCarryTheCheckMarkAndSetThePageCount) {
    auto app = Start();
    ASSERT_TRUE(app);
    CMainFrame* frame = app->Frame();
    frame->UpdateCommands();
    EXPECT_TRUE(frame->Action("actionPrintAll")->isChecked());
    frame->Action("actionPrintSchedule")->trigger();
    frame->UpdateCommands();
    EXPECT_EQ(app->Doc().printSection, report::kSchedule);
    EXPECT_EQ(app->Doc().printPageCount, 2);
    EXPECT_TRUE(frame->Action("actionPrintSchedule")->isChecked());
    EXPECT_FALSE(frame->Action("actionPrintAll")->isChecked());
    frame->Action("actionPrintMessages")->trigger();
    frame->UpdateCommands();
    EXPECT_EQ(app->Doc().printSection, report::kMessages);
    EXPECT_EQ(app->Doc().printPageCount, 1);
    EXPECT_TRUE(frame->Action("actionPrintMessages")->isChecked());
}

TEST_F(PrintCommandsTest, PrintPreviewAndSetupShareOnePrinter) {
    auto app = Start();
    ASSERT_TRUE(app);
    CMainFrame* frame = app->Frame();
    const QString printed = WorkPath("printed.pdf");
    const QString previewed = WorkPath("previewed.pdf");
    QPageLayout::Orientation seenOrientation = QPageLayout::Portrait;
    dialogs.onExec = [&](QDialog& dialog) {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(&dialog)) {
            setup->printer()->setPageOrientation(QPageLayout::Landscape);
            return static_cast<int>(QDialog::Accepted);
        }
        if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
            seenOrientation = print->printer()->pageLayout().orientation();
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(printed);
            return static_cast<int>(QDialog::Accepted);
        }
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog)) {
            QPrinter pdf(QPrinter::HighResolution);
            pdf.setOutputFormat(QPrinter::PdfFormat);
            pdf.setOutputFileName(previewed);
            emit preview->paintRequested(&pdf);
            return static_cast<int>(QDialog::Rejected);
        }
        return static_cast<int>(QDialog::Rejected);
    };

    frame->Action("actionFilePrintSetup")->trigger();
    // "Tutto": ten pages for a configuration with nothing programmed.
    frame->Action("actionPrintAll")->trigger();
    frame->Action("actionFilePrint")->trigger();
    EXPECT_EQ(seenOrientation, QPageLayout::Landscape);
    EXPECT_EQ(app->Doc().printPageCount, 10);
    EXPECT_EQ(PdfPages(printed), 10);

    frame->Action("actionPrintPbx")->trigger();
    frame->Action("actionFilePrintPreview")->trigger();
    EXPECT_EQ(PdfPages(previewed), 2);
    EXPECT_EQ(dialogs.execCalls,
              (std::vector<QString>{"pageSetupDlg", "printDlg", "printPreviewDlg"}));
}

TEST_F(PrintCommandsTest, APrintThatCannotStartSaysSo) {
    auto app = Start();
    ASSERT_TRUE(app);
    CMainFrame* frame = app->Frame();
    // A PDF in a folder that does not exist, and a printer that does not.
    const QString missing = WorkPath("no such folder/printed.pdf");
    int attempt = 0;
    dialogs.onExec = [&](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        if (!print) return static_cast<int>(QDialog::Rejected);
        if (attempt++ == 0) {
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(missing);
        } else {
            print->printer()->setOutputFormat(QPrinter::NativeFormat);
            print->printer()->setPrinterName("kiv-no-such-printer");
        }
        return static_cast<int>(QDialog::Accepted);
    };
    auto* commands = app->FindPart<CPrintCommands>();
    ASSERT_TRUE(commands);
    for (int i = 0; i < 2; ++i) {
        sink.messages.clear();
        EXPECT_FALSE(commands->Print(app->Doc(), dialogs, frame)) << i;
        EXPECT_EQ(sink.Texts(), std::vector<std::string>{report::kPrintFailed}) << i;
    }
    EXPECT_FALSE(QFile::exists(missing));
}

} // namespace
} // namespace kiv::test
