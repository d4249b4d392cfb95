// "Esporta CSV..." and "Importa CSV..." of "Lista Caselle" as the user drives them.
#include "EditorGuiSupport.h"

#include "editors/Texts.h"
#include "editors/ui/CsvErrorsDlg.h"
#include "editors/ui/ListMboxPage.h"
#include "editors/ui/ListMboxSheet.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <fstream>

namespace kiv::test {
namespace {

namespace t = editors::texts;

// The file dialogs answer with the names the test sets.
class CFileShell : public CScriptedShell {
  public:
    using CScriptedShell::CScriptedShell;
    std::optional<QString> OpenFileName(QWidget*, const QString&, const QString&,
                                        const QString&) override {
        return openName;
    }
    std::optional<QString> SaveFileName(QWidget*, const QString&, const QString&,
                                        const QString&) override {
        return saveName;
    }
    std::optional<QString> openName;
    std::optional<QString> saveName;
};

const std::string kHeader = "number,type,attendant,password,internal_notification,authorised,"
                            "phone,phone_enabled,pager,pager_enabled,do_not_disturb,date_time,"
                            "language\r\n";

std::string ReadAll(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
void WriteAll(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

TEST(ListMboxCsvTest, ExportThenImportThroughTheButtons) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RecordingSink sink;
    CFileShell shell{sink};
    auto doc = MakeDoc(0, {"101", "102"});
    CListMboxSheet sheet(*doc, shell, nullptr);
    QTreeWidget* list = sheet.ListPage()->List();

    shell.saveName = dir.filePath("out"); // the extension is added
    Find<QPushButton>(sheet, "mboxExportCsv")->click();
    EXPECT_EQ(ReadAll(dir.filePath("out.csv")), kHeader + "101,0,0,6071,0,0,,0,,0,0,1,0\r\n"
                                                          "102,0,0,6071,0,0,,0,,0,0,1,0\r\n");

    // Three faulty rows: each named with its line, column and fault in the
    // window of refusals, the list unchanged.
    WriteAll(dir.filePath("bad.csv"), kHeader + "101,1,0,6071,1,0,,0,,0,1,1,0\r\n"
                                                "150,0,0,6071,0,0,5,0,,0,0,1,0\r\n"
                                                "160,0,0,6071,0,0,,0,,0,0,1,7\r\n");
    shell.openName = dir.filePath("bad.csv");
    std::vector<QStringList> shown;
    shell.handlers.push_back([&shown](QDialog& dlg) {
        auto* errors = dlg.findChild<QTreeWidget*>("csvErrorsList");
        for (int r = 0; errors && r < errors->topLevelItemCount(); ++r)
            shown.push_back({errors->topLevelItem(r)->text(0), errors->topLevelItem(r)->text(1),
                             errors->topLevelItem(r)->text(2)});
        return int(QDialog::Accepted);
    });
    Find<QPushButton>(sheet, "mboxImportCsv")->click();
    EXPECT_EQ(shell.opened, std::vector<QString>{"csvErrorsDlg"});
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], (QStringList{"2", "internal_notification",
                                     QString::fromLatin1(t::kVirtualNoLocalNotify)}));
    EXPECT_EQ(shown[1][1], "phone");
    EXPECT_TRUE(shown[1][2].contains(QString::fromUtf8("autorizzata")))
        << shown[1][2].toStdString();
    EXPECT_EQ(shown[2][1], "language");
    EXPECT_TRUE(sink.Texts().empty());
    EXPECT_EQ(list->topLevelItemCount(), 2);

    // A good file: one mailbox replaced, one added, in the list only.
    WriteAll(dir.filePath("good.csv"), kHeader + "102,0,1,6071,0,0,,0,,0,0,1,0\r\n"
                                                 "150,0,0,6071,0,0,,0,,0,0,1,0\r\n");
    shell.openName = dir.filePath("good.csv");
    Find<QPushButton>(sheet, "mboxImportCsv")->click();
    EXPECT_TRUE(sink.Texts().empty());
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(2)->text(0), "150");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "Si");
    EXPECT_EQ(doc->mboxCount, 2);
}

TEST(ListMboxCsvTest, ManyRefusalsScrollInAWindowThatFitsTheScreen) {
    std::vector<editors::CsvRowError> errors;
    for (int line = 2; line < 122; ++line)
        errors.push_back({line, "phone",
                          "valore \"12!\": il carattere \"!\" non \xE8 ammesso "
                          "(ammessi 1234567890PpAaBbCcDd*#Qq)"});
    CCsvErrorsDlg dlg(errors);
    dlg.show();
    QApplication::processEvents();
    const QRect room = dlg.screen()->availableGeometry();
    EXPECT_LE(dlg.frameGeometry().height(), room.height());
    EXPECT_LE(dlg.frameGeometry().width(), room.width());
    ASSERT_EQ(dlg.List()->topLevelItemCount(), 120);
    EXPECT_GT(dlg.List()->verticalScrollBar()->maximum(), 0); // the list scrolls
    // The OK button lies inside the window, so it is always in reach.
    auto* ok = Find<QPushButton>(dlg, "csvErrorsOk");
    ASSERT_TRUE(ok);
    EXPECT_TRUE(dlg.rect().contains(QRect(ok->mapTo(&dlg, QPoint(0, 0)), ok->size())));
    EXPECT_EQ(dlg.List()->topLevelItem(119)->text(0), "121");
    EXPECT_TRUE(dlg.List()->topLevelItem(0)->text(2).startsWith(QString::fromUtf8("valore")));
    const QString keep = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    if (!keep.isEmpty()) {
        EXPECT_TRUE(dlg.grab().save(keep + "/csv-refusals.png"));
    }
    ok->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

} // namespace
} // namespace kiv::test
