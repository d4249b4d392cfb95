// The PBX index model and the loading of a chosen model, without Qt.

#include "pbxdb/PbxIndex.h"
#include "document/DocCommands.h"
#include "document/QelFile.h"
#include "document/Texts.h"
#include "pbxdb/PbxSelect.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace kiv::test {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(PbxIndex, FamilyFolderOfEachProductType) {
    EXPECT_EQ(PbxFamilyFolder(0), "qel");
    EXPECT_EQ(PbxFamilyFolder(1), "dax");
    EXPECT_EQ(PbxFamilyFolder(2), "ri8");
    EXPECT_EQ(PbxFamilyFolder(3), "ri2");
    EXPECT_EQ(PbxFamilyFolder(4), "");
    EXPECT_EQ(PbxIndexPath("/s/PBX Data Base", 2), "/s/PBX Data Base/ri8/PBX.xml");
}

TEST(PbxIndex, DisplayTextAndModelName) {
    EXPECT_EQ(PbxDisplayText({"Centralino A", "3", "a.ri8"}), "Centralino A (3 digits)");
    EXPECT_EQ(PbxModelName("Centralino A (3 digits)"), "Centralino A");
    // A name holding "(" is cut where its own "(" begins, less one character.
    EXPECT_EQ(PbxModelName(PbxDisplayText({"Serie X(v2)", "4", "x.ri8"})), "Serie ");
    EXPECT_EQ(PbxModelName(PbxDisplayText({"(Nuovo) Centralino", "2", "n.ri8"})), "");
}

TEST(PbxIndex, SortedWhateverTheIndexOrderAndDuplicatesChooseTheFirst) {
    const CPbxIndex index(2, {{"beta", "3", "b.ri8"},
                              {"Gamma", "2", "g1.ri8"},
                              {"alfa", "4", "a.ri8"},
                              {"Gamma", "2", "g2.ri8"},
                              {"Delta", "3", "d.ri8"}});
    const std::vector<std::string> expected{"alfa (4 digits)", "beta (3 digits)",
                                            "Delta (3 digits)", "Gamma (2 digits)",
                                            "Gamma (2 digits)"};
    EXPECT_EQ(index.SortedTexts(), expected);

    const auto gamma = index.Choose("Gamma (2 digits)");
    ASSERT_TRUE(gamma);
    EXPECT_EQ(gamma->RelativeFile(), "ri8/g1.ri8");
    EXPECT_EQ(gamma->modelName, "Gamma");
    const auto delta = index.Choose("Delta (3 digits)");
    ASSERT_TRUE(delta);
    EXPECT_EQ(delta->RelativeFile(), "ri8/d.ri8");
    EXPECT_FALSE(index.Choose("Omega (3 digits)"));
}

TEST(PbxIndex, FileNamesThatLeaveTheFamilyFolderAreUnsafe) {
    EXPECT_TRUE(IsPbxFileNameSafe("Centralino 8.ri8"));
    EXPECT_TRUE(IsPbxFileNameSafe("..hidden.ri8"));
    for (const char* name :
         {"", ".", "..", "../ri2/x.ri2", "/etc/passwd", "sub/x.ri8", "..\\x.ri8", "C:\\x.ri8"})
        EXPECT_FALSE(IsPbxFileNameSafe(name)) << name;
}

// A database in a temporary start folder: a model file for "RZ 8 Mbx" whose
// configuration differs from a new one in a few members.
class PbxLoadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = (dir / "PBX Data Base").string();
        CQelDoc model;
        NewConfiguration(model, 2);
        model.extDigits = 4;
        model.transferCode = "&7";
        modelBytes = StoreConfiguration(model);
        WriteFile(dir / "PBX Data Base" / "ri8" / "Modello.ri8", modelBytes);
        WriteFile(dir / "PBX Data Base" / "ri8" / "PBX.xml", "<x/>");
        NewConfiguration(doc, 2);
        doc.title = "Impianto.ri8";
        doc.pathName = "/somewhere/Impianto.ri8";
        doc.modified = true;
    }

    CTempDir dir{"pbxdb-load"};
    std::string root;
    std::string modelBytes;
    CQelDoc doc;
    RecordingSink sink;
};

TEST_F(PbxLoadTest, ChosenModelLoadsWithItsNameAsTitle) {
    ASSERT_TRUE(LoadPbxModel(doc, root, {"ri8", "Modello.ri8", "Modello"}, sink));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(doc.extDigits, 4);
    EXPECT_EQ(doc.transferCode, "&7");
    EXPECT_EQ(doc.title, "Modello");
    EXPECT_EQ(doc.pathName, "/somewhere/Impianto.ri8");
    EXPECT_TRUE(doc.modified);
    doc.neverSaved = false;
    ASSERT_TRUE(LoadPbxModel(doc, root, {"ri8", "Modello.ri8", "../Sala 2.1"}, sink));
    EXPECT_EQ(doc.title, "../Sala 2.1");
    EXPECT_FALSE(SaveTarget(doc).has_value()); // the first save asks for a name
}

TEST(PbxModelTitle, TheOfferedNameHasNoFolderAndReopensAsTheProductType) {
    EXPECT_EQ(SaveAsInitialName("../Sala 2.1", 2), "Sala 2.1.ri8");
    EXPECT_EQ(SaveAsInitialName("..\\..\\PBX/Alfa", 1), "Alfa.dax");
    EXPECT_EQ(SaveAsInitialName("Alfa.RI2", 3), "Alfa.RI2");
    EXPECT_EQ(SaveAsInitialName("Alfa 10.qel", 1), "Alfa 10.qel");
    EXPECT_EQ(SaveAsInitialName("Alfa.qelx", 0), "Alfa.qelx.qel");
    EXPECT_EQ(SaveAsInitialName("Alfa/..", 3), "Untitled.ri2");
    EXPECT_EQ(SaveAsInitialName("", 0), "Untitled.qel");
}

TEST_F(PbxLoadTest, MissingOrEscapingFilesAreRefusedAndChangeNothing) {
    // A real configuration file one level up: a traversal name must not reach it.
    WriteFile(dir / "PBX Data Base" / "Fuori.ri8", modelBytes);
    for (const char* name : {"Manca.ri8", "../Fuori.ri8", "", ".."}) {
        RecordingSink refused;
        EXPECT_FALSE(LoadPbxModel(doc, root, {"ri8", name, "Fuori"}, refused)) << name;
        EXPECT_EQ(refused.Texts(), std::vector<std::string>{texts::kFileIncompatible}) << name;
        EXPECT_EQ(doc.extDigits, 3) << name;
        EXPECT_EQ(doc.title, "Impianto.ri8") << name;
    }
    // An absolute path is refused as well, even to a readable model file.
    const std::string absolute = (dir / "PBX Data Base" / "ri8" / "Modello.ri8").string();
    EXPECT_FALSE(LoadPbxModel(doc, root, {"ri8", absolute, "Modello"}, sink));
    EXPECT_EQ(doc.extDigits, 3);
}

TEST_F(PbxLoadTest, RefusedConfigurationLeavesTheDocumentAlone) {
    // An operator key out of range: the load refuses the file with its own message.
    CQelDoc broken;
    NewConfiguration(broken, 2);
    broken.operatorKey = 12;
    WriteFile(dir / "PBX Data Base" / "ri8" / "Rotto.ri8", StoreConfiguration(broken));
    doc.extDigits = 5;
    EXPECT_FALSE(LoadPbxModel(doc, root, {"ri8", "Rotto.ri8", "Rotto"}, sink));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kFileIncompatible});
    EXPECT_EQ(doc.extDigits, 5);
    EXPECT_EQ(doc.title, "Impianto.ri8");
}

TEST(PbxDatabase, StartFolderFirstThenTheProgramFolder) {
    CTempDir start{"pbxdb-start"};
    CTempDir program{"pbxdb-program"};
    WriteFile(program / "PBX Data Base" / "ri2" / "PBX.xml", "<x/>");
    WriteFile(start / "PBX Data Base" / "ri8" / "PBX.xml", "<x/>");
    const std::vector<std::string> folders{start.String(), program.String()};
    EXPECT_EQ(FindPbxDatabase(folders, 2), JoinPath(start.String(), "PBX Data Base"));
    EXPECT_EQ(FindPbxDatabase(folders, 3), JoinPath(program.String(), "PBX Data Base"));
    // No folder has the family: the start folder's (missing) index.
    EXPECT_EQ(FindPbxDatabase(folders, 0), JoinPath(start.String(), "PBX Data Base"));
}

} // namespace
} // namespace kiv::test
