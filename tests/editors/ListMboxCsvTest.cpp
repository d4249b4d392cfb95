// "Esporta CSV..." and "Importa CSV..." of "Lista Caselle" as the user drives them.
#include "EditorGuiSupport.h"

#include "editors/Texts.h"
#include "editors/ui/ListMboxPage.h"
#include "editors/ui/ListMboxSheet.h"

#include <QPushButton>
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

    // Three faulty rows: all named in one message, the list unchanged.
    WriteAll(dir.filePath("bad.csv"), kHeader + "101,1,0,6071,1,0,,0,,0,1,1,0\r\n"
                                                "150,0,0,6071,0,0,5,0,,0,0,1,0\r\n"
                                                "160,0,0,6071,0,0,,0,,0,0,1,7\r\n");
    shell.openName = dir.filePath("bad.csv");
    Find<QPushButton>(sheet, "mboxImportCsv")->click();
    ASSERT_EQ(sink.Texts().size(), 1u);
    EXPECT_EQ(sink.Texts()[0], std::string(t::kCsvRefused) +
                                   "\nRiga 2: " + t::kVirtualNoLocalNotify +
                                   "\nRiga 3: " + t::kInputError + "\nRiga 4: " + t::kInputError);
    EXPECT_EQ(list->topLevelItemCount(), 2);

    // A good file: one mailbox replaced, one added, in the list only.
    WriteAll(dir.filePath("good.csv"), kHeader + "102,0,1,6071,0,0,,0,,0,0,1,0\r\n"
                                                 "150,0,0,6071,0,0,,0,,0,0,1,0\r\n");
    shell.openName = dir.filePath("good.csv");
    Find<QPushButton>(sheet, "mboxImportCsv")->click();
    EXPECT_EQ(sink.Texts().size(), 1u);
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(2)->text(0), "150");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "Si");
    EXPECT_EQ(doc->mboxCount, 2);
}

} // namespace
} // namespace kiv::test
