// "&Nuovo", "&Apri", "Apri &Default", "&Salva", "Salva &come..." and the
// recent files, driven through the main frame with scripted dialogs.
#include "AppTestSupport.h"

#include "app/MainFrame.h"
#include "app/Profile.h"
#include "app/QelView.h"
#include "document/QelDoc.h"
#include "document/Texts.h"

#include <QDir>
#include <QFile>

namespace kiv::test {
namespace {

class FileCommandsTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        app = Start();
        ASSERT_TRUE(app);
        frame = app->Frame();
        doc = &app->Doc();
        dialogs.productTypeCalls.clear();
    }
    std::unique_ptr<CQelApp> app;
    CMainFrame* frame = nullptr;
    CQelDoc* doc = nullptr;
};

TEST_F(FileCommandsTest, NewAfterCancelInProductTypeIsA128MailboxUntitledQel) {
    doc->SetProductType(3);
    doc->readFromUnit = 1;
    dialogs.productTypes = {std::nullopt};
    frame->OnFileNew();
    EXPECT_EQ(dialogs.productTypeCalls, std::vector<int>{3}) << "opens on the current type";
    EXPECT_EQ(doc->productType, 0);
    EXPECT_EQ(doc->slotLimit, 129);
    EXPECT_EQ(doc->title, "Untitled.qel");
    EXPECT_EQ(doc->readFromUnit, 0);
    EXPECT_EQ(frame->windowTitle(), "Untitled.qel - KIV");

    dialogs.productTypes = {3};
    frame->OnFileNew();
    EXPECT_EQ(doc->title, "Untitled.ri2");
    EXPECT_EQ(doc->slotLimit, 3);
}

TEST_F(FileCommandsTest, NewAsksToSaveUnsavedWorkFirst) {
    doc->modified = true;
    doc->mboxCount = 5;
    sink.answers = {MsgAnswer::Cancel};
    frame->OnFileNew();
    EXPECT_EQ(sink.Texts().back(), "Volete salvare le modifiche che avete fatto in default.qel ?");
    EXPECT_TRUE(dialogs.productTypeCalls.empty()) << "Cancel ends the command";
    EXPECT_EQ(doc->mboxCount, 5);

    sink.answers = {MsgAnswer::No};
    dialogs.productTypes = {1};
    frame->OnFileNew();
    EXPECT_EQ(doc->mboxCount, 0);
    EXPECT_EQ(doc->title, "Untitled.dax");
    EXPECT_FALSE(doc->modified);
}

TEST_F(FileCommandsTest, OpenTakesTheProductTypeFromTheFileNotFromTheDialog) {
    MakeConfigFile("x.qel", 0, 2);
    dialogs.productTypes = {3};
    dialogs.openNames = {WorkPath("x.qel")};
    frame->OnFileOpen();
    ASSERT_EQ(dialogs.openCalls.size(), 1u);
    EXPECT_EQ(dialogs.openCalls[0].filter, "Files QEL (qel)(*.ri2)");
    EXPECT_EQ(doc->productType, 0);
    EXPECT_EQ(doc->slotLimit, 129);
    EXPECT_EQ(doc->mboxCount, 2);
    EXPECT_EQ(doc->title, "x.qel");
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(frame->RecentFiles(), QStringList{WorkPath("x.qel")});
}

TEST_F(FileCommandsTest, OpenWithoutExtensionAddsQelAndReportsAMissingFile) {
    MakeConfigFile("conf.qel", 0, 1);
    dialogs.productTypes = {2};
    dialogs.openNames = {WorkPath("conf")};
    frame->OnFileOpen();
    EXPECT_EQ(doc->title, "conf.qel");
    EXPECT_EQ(doc->productType, 0);

    dialogs.productTypes = {0};
    dialogs.openNames = {WorkPath("absent")};
    frame->OnFileOpen();
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kCannotOpenInput});
    EXPECT_EQ(doc->title, "conf.qel");

    // Cancel in the file dialog ends the command.
    dialogs.productTypes = {0};
    frame->OnFileOpen();
    EXPECT_EQ(doc->title, "conf.qel");
}

TEST_F(FileCommandsTest, ACancelledOpenChangesNothing) {
    MakeConfigFile("big.qel", 0, 50);
    dialogs.productTypes = {0};
    dialogs.openNames = {WorkPath("big.qel")};
    frame->OnFileOpen();
    ASSERT_EQ(doc->mboxCount, 50);
    doc->readFromUnit = 1;
    doc->neverSaved = false;

    // "RZ 2 Mbx" chosen, then the file dialog cancelled.
    dialogs.productTypes = {3};
    frame->OnFileOpen();
    EXPECT_EQ(dialogs.openCalls.back().filter, "Files QEL (qel)(*.ri2)");
    EXPECT_EQ(doc->productType, 0);
    EXPECT_EQ(doc->slotLimit, 129);
    EXPECT_EQ(doc->readFromUnit, 1);
    EXPECT_EQ(doc->title, "big.qel");
    EXPECT_EQ(frame->windowTitle(), "big.qel - KIV");
    EXPECT_EQ(frame->View()->PanelTexts()[2].text, "RZ 128 Mbx");

    // Chosen again, with a file that cannot be read: nothing either.
    dialogs.productTypes = {3};
    dialogs.openNames = {WorkPath("absent.ri2")};
    frame->OnFileOpen();
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kCannotOpenInput});
    EXPECT_EQ(doc->productType, 0);
    EXPECT_EQ(doc->title, "big.qel");

    // So the next save writes a file that opens again with every mailbox.
    doc->modified = true;
    ASSERT_TRUE(frame->OnFileSave());
    EXPECT_EQ(QDir(workDir.path()).entryList(QDir::Files), QStringList{"big.qel"});
    sink.messages.clear();
    dialogs.productTypes = {0};
    dialogs.openNames = {WorkPath("big.qel")};
    frame->OnFileOpen();
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(doc->mboxCount, 50);
}

TEST_F(FileCommandsTest, FileNamesOutsideTheCodePageAreKeptAsTheyAre) {
    QStringList made;
    for (const QString& name :
         {QStringLiteral(u"Città-ß-Ωmega.qel"), QStringLiteral(u"配置.qel")}) {
        SCOPED_TRACE(name.toStdString());
        MakeConfigFile(name, 0, 3);
        made << name;
        dialogs.productTypes = {0};
        dialogs.openNames = {WorkPath(name)};
        frame->OnFileOpen();
        ASSERT_EQ(doc->mboxCount, 3);
        EXPECT_EQ(frame->windowTitle(), name + " - KIV");
        EXPECT_EQ(frame->RecentFiles().front(), WorkPath(name));

        // "&Salva" writes that very file, and no other.
        doc->neverSaved = false;
        doc->mboxCount = 2;
        doc->modified = true;
        ASSERT_TRUE(frame->OnFileSave());
        EXPECT_FALSE(doc->modified);
        EXPECT_EQ(frame->windowTitle(), name + " - KIV");
        made.sort();
        EXPECT_EQ(QDir(workDir.path()).entryList(QDir::Files, QDir::Name), made);
        doc->mboxCount = 0;
        dialogs.productTypes = {0};
        dialogs.openNames = {WorkPath(name)};
        frame->OnFileOpen();
        EXPECT_EQ(doc->mboxCount, 2);
    }
    EXPECT_TRUE(sink.messages.empty());

    // The save question shows what code page 1252 can of the name.
    doc->modified = true;
    sink.answers = {MsgAnswer::Cancel};
    frame->OnFileNew();
    EXPECT_EQ(sink.Texts().back(), "Volete salvare le modifiche che avete fatto in ??.qel ?");

    // "Salva &come..." with such a name, typed without extension.
    doc->SetProductType(2);
    dialogs.saveNames = {WorkPath(QStringLiteral(u"Città-ß-Ωmega"))};
    ASSERT_TRUE(frame->OnFileSaveAs());
    EXPECT_TRUE(QFile::exists(WorkPath(QStringLiteral(u"Città-ß-Ωmega.ri8"))));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral(u"Città-ß-Ωmega.ri8 - KIV"));
    doc->modified = true;
    sink.answers = {MsgAnswer::Cancel};
    frame->OnFileNew();
    EXPECT_EQ(sink.Texts().back(),
              "Volete salvare le modifiche che avete fatto in Citt\xE0-\xDF-?mega.ri8 ?");
}

TEST_F(FileCommandsTest, OpenOffersTheSaveQuestionAndCancelKeepsTheWork) {
    doc->modified = true;
    sink.answers = {MsgAnswer::Cancel};
    frame->OnFileOpen();
    EXPECT_TRUE(dialogs.productTypeCalls.empty());
    EXPECT_TRUE(doc->modified);
}

TEST_F(FileCommandsTest, OpenDefaultCancelAtTheSaveQuestionKeepsTheWork) {
    doc->modified = true;
    doc->mboxCount = 4;
    dialogs.productTypes = {1};
    sink.answers = {MsgAnswer::Cancel};
    frame->OnFileOpenDefault();
    EXPECT_EQ(doc->mboxCount, 4);
    EXPECT_EQ(doc->productType, 0);

    dialogs.productTypes = {1};
    sink.answers = {MsgAnswer::No};
    frame->OnFileOpenDefault();
    EXPECT_EQ(doc->mboxCount, 0);
    EXPECT_EQ(doc->title, "default.dax");
    EXPECT_EQ(doc->slotLimit, 49);
}

TEST_F(FileCommandsTest, FirstSaveAsksForANameAndCancellingItEndsTheFirstSaveState) {
    // Even a configuration opened from a file asks for a name first.
    MakeConfigFile("abc.ri2", 3);
    dialogs.productTypes = {3};
    dialogs.openNames = {WorkPath("abc.ri2")};
    frame->OnFileOpen();
    ASSERT_EQ(doc->title, "abc.ri2");
    ASSERT_TRUE(doc->neverSaved);

    EXPECT_FALSE(frame->OnFileSave());
    ASSERT_EQ(dialogs.saveCalls.size(), 1u);
    EXPECT_EQ(dialogs.saveCalls[0].name, "abc.ri2");
    EXPECT_EQ(dialogs.saveCalls[0].filter, "Files QEL (qel)(*.ri2)");
    EXPECT_FALSE(doc->neverSaved);

    // The next save writes the title into the folder last used.
    QFile::remove(WorkPath("abc.ri2"));
    doc->modified = true;
    EXPECT_TRUE(frame->OnFileSave());
    EXPECT_EQ(dialogs.saveCalls.size(), 1u);
    EXPECT_TRUE(QFile::exists(WorkPath("abc.ri2")));
    EXPECT_FALSE(doc->modified);
}

TEST_F(FileCommandsTest, SaveAsNamesTheFileAndStartsInTheKivFolder) {
    QDir(workDir.path()).mkdir("kiv");
    doc->fileLocation[1] = QDir(workDir.path()).filePath("kiv").toStdString();
    doc->title = "Untitled";
    doc->SetProductType(2);
    dialogs.saveNames = {WorkPath("kiv/conf")};
    EXPECT_TRUE(frame->OnFileSaveAs());
    ASSERT_EQ(dialogs.saveCalls.size(), 1u);
    EXPECT_EQ(dialogs.saveCalls[0].folder, WorkPath("kiv"));
    EXPECT_EQ(dialogs.saveCalls[0].name, "Untitled.ri8");
    // A bare name takes the extension of the product type, so the file, the
    // caption and the next "&Salva" agree.
    EXPECT_EQ(QDir(WorkPath("kiv")).entryList(QDir::Files), QStringList{"conf.ri8"});
    EXPECT_EQ(doc->title, "conf.ri8");
    EXPECT_EQ(frame->windowTitle(), "conf.ri8 - KIV");
    EXPECT_EQ(frame->RecentFiles().front(), WorkPath("kiv/conf.ri8"));
    doc->neverSaved = false;
    doc->modified = true;
    EXPECT_TRUE(frame->OnFileSave());
    EXPECT_EQ(QDir(WorkPath("kiv")).entryList(QDir::Files), QStringList{"conf.ri8"});
    dialogs.productTypes = {0};
    dialogs.openNames = {WorkPath("kiv/conf.ri8")};
    frame->OnFileOpen();
    EXPECT_EQ(doc->productType, 2);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(FileCommandsTest, SaveIntoAFolderThatCannotBeWrittenKeepsTheModifiedFlag) {
    doc->modified = true;
    dialogs.saveNames = {WorkPath("no/such/folder/x.qel")};
    EXPECT_FALSE(frame->OnFileSaveAs());
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kCannotOpenOutput});
    EXPECT_TRUE(doc->modified);
}

TEST_F(FileCommandsTest, RecentFilesKeepFourAndPersist) {
    for (const char* name : {"a.qel", "b.qel", "c.qel", "d.qel", "e.qel"}) {
        dialogs.saveNames = {WorkPath(name)};
        ASSERT_TRUE(frame->OnFileSaveAs());
    }
    const QStringList expected = {WorkPath("e.qel"), WorkPath("d.qel"), WorkPath("c.qel"),
                                  WorkPath("b.qel")};
    EXPECT_EQ(frame->RecentFiles(), expected);
    CProfile fresh;
    EXPECT_EQ(fresh.RecentFiles(), expected);
    EXPECT_EQ(frame->findChild<QAction*>("actionRecentFile1")->text(), "&1 " + WorkPath("e.qel"));

    // Opening a recent file that has gone away reports it and drops it.
    QFile::remove(WorkPath("c.qel"));
    frame->OnOpenRecent(2);
    EXPECT_EQ(sink.Texts().back(), texts::kCannotOpenInput);
    EXPECT_EQ(frame->RecentFiles().size(), 3);
    frame->OnOpenRecent(2);
    EXPECT_EQ(doc->title, "b.qel");
}

using FileCommandLineTest = AppTest;

TEST_F(FileCommandLineTest, ANameWithoutExtensionIsTheFileOfTheProductType) {
    MakeConfigFile("conf.qel", 0, 2);
    auto app = Start({WorkPath("conf")});
    ASSERT_TRUE(app);
    CQelDoc& doc = app->Doc();
    EXPECT_EQ(doc.title, "conf.qel");
    EXPECT_EQ(app->Frame()->windowTitle(), "conf.qel - KIV");
    EXPECT_EQ(doc.mboxCount, 2);

    // When the configuration becomes an "RZ 8 Mbx" (as a read from such a
    // unit makes it), "&Salva" writes conf.ri8, not a conf.qel that would
    // reopen as "RZ 128 Mbx".
    doc.SetProductType(2);
    app->Frame()->DocumentChanged();
    EXPECT_EQ(doc.title, "conf.ri8");
    doc.neverSaved = false;
    doc.modified = true;
    ASSERT_TRUE(app->Frame()->OnFileSave());
    EXPECT_EQ(QDir(workDir.path()).entryList(QDir::Files), (QStringList{"conf.qel", "conf.ri8"}));
}

TEST_F(FileCommandLineTest, ANameOutsideTheCodePageShowsAsItIs) {
    const QString name = QStringLiteral(u"Città-ß-Ωmega.qel");
    MakeConfigFile(name, 0, 1);
    auto app = Start({WorkPath(QStringLiteral(u"Città-ß-Ωmega"))});
    ASSERT_TRUE(app);
    EXPECT_EQ(app->Frame()->windowTitle(), name + " - KIV");
    app->Doc().neverSaved = false;
    app->Doc().modified = true;
    ASSERT_TRUE(app->Frame()->OnFileSave());
    EXPECT_EQ(QDir(workDir.path()).entryList(QDir::Files), QStringList{name});
}

} // namespace
} // namespace kiv::test
