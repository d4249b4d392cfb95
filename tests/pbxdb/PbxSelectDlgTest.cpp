// "Selezione PBX": the index read with Qt XML, the dialog and the command
// that loads the chosen model, run on databases in temporary folders.

#include "pbxdb/ui/PbxSelectDlg.h"
#include "app/ShellDialogs.h"
#include "document/DocCommands.h"
#include "document/QelFile.h"
#include "document/Texts.h"
#include "pbxdb/ui/PbxCommands.h"
#include "pbxdb/ui/PbxIndexReader.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace kiv::test {
namespace {

namespace fs = std::filesystem;

// Runs each dialog through the test's handler instead of a modal loop.
class CHandledShell : public CShellDialogs {
  public:
    using CShellDialogs::CShellDialogs;
    int Exec(QDialog& dialog) override {
        ++runs;
        dialog.show();
        return handler ? handler(dialog) : QDialog::Rejected;
    }
    std::function<int(QDialog&)> handler;
    int runs = 0;
};

QStringList Items(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    return items;
}

QAbstractButton* Button(QDialog& dlg, const char* name) {
    auto* button = dlg.findChild<QAbstractButton*>(QString::fromLatin1(name));
    EXPECT_NE(button, nullptr) << name;
    return button;
}

// Selects the row-th item (or nothing for -1), clicks OK, and returns the
// dialog's result.
int SelectAndOk(QDialog& dialog, int row) {
    auto& dlg = static_cast<CPbxSelectDlg&>(dialog);
    if (row >= 0) dlg.List()->setCurrentRow(row);
    QTest::mouseClick(Button(dlg, "okButton"), Qt::LeftButton);
    return dlg.result();
}

class PbxSelectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        NewConfiguration(doc, 2);
        doc.title = "Impianto.ri8";
        folders = {start.String()};
    }

    void Write(const fs::path& relative, const std::string& bytes) {
        const fs::path path = start / "PBX Data Base" / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // A model file of a product type, marked by its extDigits.
    void WriteModel(const std::string& relative, int productType, int extDigits) {
        CQelDoc model;
        NewConfiguration(model, productType);
        model.extDigits = extDigits;
        Write(relative, StoreConfiguration(model));
    }
    bool Run() { return RunSelectPbxCommand(doc, shell, folders, nullptr); }

    CTempDir start{"pbxdb-gui"};
    std::vector<std::string> folders;
    CQelDoc doc;
    RecordingSink sink;
    CHandledShell shell{sink};
};

TEST_F(PbxSelectTest, ListsTheFamilyOfTheProductTypeSortedAndLoadsTheChoice) {
    Write("ri8/PBX.xml", R"(<?xml version="1.0"?>
<Database>
  <PBXs>
    <PBX PBXType="Zeta Office" DigitsInExtension="3" FileName="zeta.ri8"/>
    <PBX PBXType="Gamma" DigitsInExtension="2" FileName="gamma1.ri8"/>
    <PBX PBXType="alfa" DigitsInExtension="4" FileName="alfa.ri8"/>
    <PBX PBXType="Gamma" DigitsInExtension="2" FileName="gamma2.ri8"/>
  </PBXs>
</Database>)");
    Write("ri2/PBX.xml", R"(<D><PBXs><PBX PBXType="Solo ri2" DigitsInExtension="2"
        FileName="x.ri2"/></PBXs></D>)");
    WriteModel("ri8/gamma1.ri8", 2, 2);
    WriteModel("ri8/gamma2.ri8", 2, 4);

    QStringList shown;
    shell.handler = [&](QDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Selezione PBX");
        shown = Items(*static_cast<CPbxSelectDlg&>(dlg).List());
        return SelectAndOk(dlg, 2); // the second "Gamma" of the list
    };
    EXPECT_TRUE(Run());
    EXPECT_EQ(shown, QStringList({"alfa (4 digits)", "Gamma (2 digits)", "Gamma (2 digits)",
                                  "Zeta Office (3 digits)"}));
    // Equal texts: the first model in index order is loaded.
    EXPECT_EQ(doc.extDigits, 2);
    EXPECT_EQ(doc.title, "Gamma");
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PbxSelectTest, DoubleClickChoosesAndANameWithParenthesisIsShortened) {
    Write("ri8/PBX.xml", R"x(<r><PBXs><PBX PBXType="Serie X(v2)" DigitsInExtension="4"
        FileName="x.ri8"/></PBXs></r>)x");
    WriteModel("ri8/x.ri8", 2, 4);
    shell.handler = [&](QDialog& dlg) {
        QListWidget* list = static_cast<CPbxSelectDlg&>(dlg).List();
        const QRect rect = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        return dlg.result();
    };
    ASSERT_TRUE(Run());
    EXPECT_EQ(doc.title, "Serie ");
    EXPECT_EQ(doc.extDigits, 4);
}

TEST_F(PbxSelectTest, OkWithNothingSelectedOrCancelLoadsNothing) {
    Write("ri8/PBX.xml", R"(<r><PBXs><PBX PBXType="A" DigitsInExtension="3"
        FileName="a.ri8"/></PBXs></r>)");
    WriteModel("ri8/a.ri8", 2, 6);
    shell.handler = [](QDialog& dlg) { return SelectAndOk(dlg, -1); };
    EXPECT_FALSE(Run());
    shell.handler = [](QDialog& dlg) {
        static_cast<CPbxSelectDlg&>(dlg).List()->setCurrentRow(0);
        QTest::mouseClick(Button(dlg, "cancelButton"), Qt::LeftButton);
        return dlg.result();
    };
    EXPECT_FALSE(Run());
    EXPECT_EQ(shell.runs, 2);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(doc.extDigits, 3);
    EXPECT_EQ(doc.title, "Impianto.ri8");
}

TEST_F(PbxSelectTest, ATraversalFileNameIsRefused) {
    // A readable configuration outside the family folder.
    WriteModel("fuori.ri8", 2, 6);
    Write("ri8/PBX.xml", R"(<r><PBXs><PBX PBXType="Trappola" DigitsInExtension="3"
        FileName="../fuori.ri8"/></PBXs></r>)");
    shell.handler = [](QDialog& dlg) { return SelectAndOk(dlg, 0); };
    EXPECT_FALSE(Run());
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kFileIncompatible});
    EXPECT_EQ(doc.extDigits, 3);
    EXPECT_EQ(doc.title, "Impianto.ri8");
}

// The sample database made at build time beside the programs: found when the
// start folder has none, every family listed, and each model a file that
// loads as its family's product type.
TEST_F(PbxSelectTest, TheShippedDatabaseWorksFromTheProgramFolder) {
    folders.push_back(KIV_BUILD_DIR "/bin");
    for (int type = 0; type < 4; ++type) {
        NewConfiguration(doc, type);
        QStringList shown;
        shell.handler = [&](QDialog& dlg) {
            QListWidget* list = static_cast<CPbxSelectDlg&>(dlg).List();
            shown = Items(*list);
            const auto found =
                list->findItems("Centralino Generico 24 interni (3 digits)", Qt::MatchExactly);
            if (!found.isEmpty()) list->setCurrentItem(found.front());
            QTest::mouseClick(Button(dlg, "okButton"), Qt::LeftButton);
            return dlg.result();
        };
        EXPECT_TRUE(Run()) << type;
        EXPECT_EQ(shown.size(), type == 3 ? 2 : 3) << type;
        EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end())) << type;
        EXPECT_EQ(doc.productType, type);
        EXPECT_EQ(doc.extDigits, 3);
        EXPECT_EQ(doc.faxExt, "229");
        EXPECT_EQ(doc.title, "Centralino Generico 24 interni");
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST(PbxIndexReader, OnlyPbxElementsUnderPbxsBelowTheDocumentElement) {
    const auto entries = ParsePbxIndex(R"(<Any>
        <PBX PBXType="Fuori" DigitsInExtension="1" FileName="f.ri8"/>
        <Other><PBXs><PBX PBXType="Profondo" DigitsInExtension="1" FileName="p.ri8"/></PBXs></Other>
        <PBXs>
          <PBX PBXType="Uno" DigitsInExtension="3" FileName="uno.ri8"><PBX PBXType="Figlio"/></PBX>
          <Altro PBXType="No"/>
          <PBX PBXType="Due &amp; Tre" FileName="due.ri8"/>
        </PBXs>
        <PBXs><PBX PBXType="Quattro" DigitsInExtension="4" FileName="q.ri8"/></PBXs>
      </Any>)");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].pbxType, "Uno");
    EXPECT_EQ(entries[0].digitsInExtension, "3");
    EXPECT_EQ(entries[0].fileName, "uno.ri8");
    EXPECT_EQ(entries[1].pbxType, "Due & Tre");
    EXPECT_EQ(entries[1].digitsInExtension, "");
    EXPECT_EQ(entries[2].pbxType, "Quattro");

    EXPECT_TRUE(
        ParsePbxIndex(R"(<r><PBX PBXType="A" DigitsInExtension="3" FileName="a"/></r>)").empty());
    EXPECT_TRUE(ParsePbxIndex("<r><PBXs><PBX PBXType=\"A\"></PBXs>").empty());
    EXPECT_TRUE(ParsePbxIndex("").empty());
}

TEST_F(PbxSelectTest, MissingOrMalformedIndexListsNothingWithoutAMessage) {
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) Write("ri8/PBX.xml", "<r><PBXs><PBX PBXType=\"A\" FileName=\"a.ri8\">");
        int count = -1;
        shell.handler = [&](QDialog& dlg) {
            count = static_cast<CPbxSelectDlg&>(dlg).List()->count();
            return SelectAndOk(dlg, 0);
        };
        EXPECT_FALSE(Run());
        EXPECT_EQ(count, 0) << pass;
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PbxSelectTest, ControlsAreNamedByTheirCaptions) {
    Write("ri8/PBX.xml", R"(<r><PBXs><PBX PBXType="Centralino Generico 8 interni"
        DigitsInExtension="2" FileName="a.ri8"/><PBX PBXType="Centralino Base"
        DigitsInExtension="3" FileName="b.ri8"/></PBXs></r>)");
    shell.handler = [&](QDialog& dlg) {
        auto& select = static_cast<CPbxSelectDlg&>(dlg);
        EXPECT_EQ(select.List()->accessibleName(), "Selezione PBX");
        EXPECT_EQ(Button(dlg, "okButton")->text(), "&OK");
        EXPECT_EQ(Button(dlg, "cancelButton")->text(), "&Annulla");
        select.List()->setCurrentRow(1);
        const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            EXPECT_TRUE(dlg.grab().save(QDir(dir).filePath("selezione_pbx.png")));
        }
        return QDialog::Rejected;
    };
    EXPECT_FALSE(Run());
}

} // namespace
} // namespace kiv::test

// One QApplication for the whole run.
int main(int argc, char** argv) {
    // Test discovery runs without the test environment: stay offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
