// Start-up sequence, window placement, profile at exit.
#include "AppTestSupport.h"

#include "app/MainFrame.h"
#include "app/Profile.h"
#include "app/QelView.h"
#include "document/QelDoc.h"
#include "document/Texts.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTest>

namespace kiv::test {
namespace {

class StartupTest : public AppTest {
  protected:
    void WriteProfile(const QString& key, const QString& value) {
        QSettings profile(ProfileFile(), QSettings::IniFormat);
        profile.setValue(key, value);
    }
};

TEST_F(StartupTest, FirstRunPlacesTheWindowAndSavesThePlacementOnlyAtClose) {
    ASSERT_FALSE(QFile::exists(ProfileFile()));
    auto app = Start({}, 2);
    ASSERT_TRUE(app);
    CMainFrame* frame = app->Frame();
    EXPECT_TRUE(app->FirstRun());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->pos(), QPoint(6, 1));
    EXPECT_EQ(frame->size(), QSize(610, 451));
    EXPECT_FALSE(frame->PlacementRestored());

    frame->resize(700, 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->size() == QSize(700, 500); }));
    QTest::qWait(20);
    EXPECT_EQ(ProfileValue("Settings/WindowPos"), "") << "no placement saved while running";

    EXPECT_TRUE(frame->close());
    EXPECT_EQ(ProfileValue("Settings/WindowPos"), "0,1,-1,-1,-1,-1,6,1,706,501");
    EXPECT_EQ(ProfileValue("ToolTips"), "1");
}

TEST_F(StartupTest, LaterRunRestoresThePlacementAndSavesEachResize) {
    WriteProfile("Settings/WindowPos", "0,2,-1,-1,-1,-1,40,30,540,430");
    auto app = Start();
    ASSERT_TRUE(app);
    CMainFrame* frame = app->Frame();
    EXPECT_FALSE(app->FirstRun());
    EXPECT_TRUE(frame->PlacementRestored());
    EXPECT_EQ(frame->pos(), QPoint(40, 30));
    EXPECT_EQ(frame->size(), QSize(500, 400));
    EXPECT_FALSE(frame->isMinimized()) << "a saved minimized state opens normally";

    frame->resize(520, 410);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return ProfileValue("Settings/WindowPos") == "0,1,-1,-1,-1,-1,40,30,560,440"; }));
}

TEST_F(StartupTest, WindowPosWithoutExactlyTenNumbersIsIgnored) {
    WriteProfile("Settings/WindowPos", "0,1,-1,-1,-1,-1,40,30,540");
    auto app = Start();
    ASSERT_TRUE(app);
    EXPECT_FALSE(app->FirstRun());
    EXPECT_FALSE(app->Frame()->PlacementRestored());
    EXPECT_NE(app->Frame()->pos(), QPoint(40, 30));
    app->Frame()->resize(500, 420);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->Frame()->size() == QSize(500, 420); }));
    QTest::qWait(20);
    EXPECT_EQ(ProfileValue("Settings/WindowPos"), "0,1,-1,-1,-1,-1,40,30,540");
}

TEST_F(StartupTest, StepsRunInOrderAndOpenDefaultRunsWhenTheUnitWasNotRead) {
    std::vector<std::string> steps;
    dialogs.productTypes = {2};
    auto app = std::make_unique<CQelApp>(&sink, &dialogs);
    app->StartupHooks().openPort = [&](CQelApp& a) {
        steps.push_back("port");
        EXPECT_EQ(a.Frame(), nullptr);
    };
    app->StartupHooks().frameCreated.push_back([&](CQelApp& a) {
        steps.push_back("frame");
        EXPECT_FALSE(a.Frame()->isVisible());
    });
    app->StartupHooks().selectPort = [&](CQelApp& a) {
        steps.push_back("select");
        EXPECT_TRUE(a.Frame()->isVisible());
    };
    app->StartupHooks().readFromUnit = [&](CQelApp&) {
        steps.push_back("read");
        return false;
    };
    ASSERT_TRUE(app->InitInstance({}));
    EXPECT_EQ(steps, (std::vector<std::string>{"port", "frame", "select", "read"}));
    // Step 8: "Tipo Prodotto" then the default file of that type.
    EXPECT_EQ(dialogs.productTypeCalls.size(), 1u);
    CQelDoc& doc = app->Doc();
    EXPECT_EQ(doc.productType, 2);
    EXPECT_EQ(doc.slotLimit, 9);
    EXPECT_EQ(doc.title, "default.ri8");
    EXPECT_TRUE(sink.messages.empty()) << sink.Texts().front();
    EXPECT_EQ(doc.readFromUnit, 0);
    EXPECT_TRUE(doc.neverSaved);
    EXPECT_EQ(app->Frame()->windowTitle(), "default.ri8 - KIV");
}

TEST_F(StartupTest, ASuccessfulReadFromTheUnitSkipsOpenDefault) {
    auto app = std::make_unique<CQelApp>(&sink, &dialogs);
    app->StartupHooks().readFromUnit = [](CQelApp& a) {
        a.Doc().SetProductType(1);
        return true;
    };
    ASSERT_TRUE(app->InitInstance({}));
    EXPECT_TRUE(dialogs.productTypeCalls.empty());
    EXPECT_EQ(app->Doc().readFromUnit, 1);
    EXPECT_EQ(app->Doc().title, "Untitled.dax");
    const auto texts = app->Frame()->View()->PanelTexts();
    EXPECT_EQ(texts[4].text, "On Line");
}

TEST_F(StartupTest, FileArgument) {
    // A file that cannot be opened ends the program.
    EXPECT_EQ(Start({WorkPath("missing.qel")}), nullptr);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kCannotOpenInput});

    // A readable file is loaded and takes the place of the default file.
    sink.messages.clear();
    dialogs.productTypes.clear();
    const QString file = MakeConfigFile("site.ri2", 3, 1);
    auto app = Start({file});
    ASSERT_TRUE(app);
    EXPECT_EQ(app->Doc().title, "site.ri2");
    EXPECT_EQ(app->Doc().productType, 3);
    EXPECT_EQ(app->Doc().mboxCount, 1);
    EXPECT_TRUE(dialogs.productTypeCalls.empty());
    EXPECT_TRUE(app->Doc().neverSaved);
}

TEST_F(StartupTest, ARefusedFileArgumentContinuesWithTheDefault) {
    // A ".ri2" holding 3 mailboxes is refused; the start-up goes on.
    const QString file = MakeConfigFile("big.ri2", 3, 3);
    auto app = Start({file}, 0);
    ASSERT_TRUE(app);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kFileIncompatible});
    EXPECT_EQ(app->Doc().title, "default.qel");
}

TEST_F(StartupTest, FolderSettingsAreReadAtStartAndWrittenAtExit) {
    WriteProfile("File Location/VOX files", "/tmp/vox");
    {
        auto app = Start();
        ASSERT_TRUE(app);
        EXPECT_EQ(app->Doc().fileLocation[2], "/tmp/vox");
        EXPECT_EQ(app->Doc().fileLocation[1], "");
        app->Doc().fileLocation[4] = "/tmp/pagine";
    }
    EXPECT_EQ(ProfileValue("File Location/VOX files"), "/tmp/vox");
    EXPECT_EQ(ProfileValue("File Location/Script files"), "/tmp/pagine");
}

TEST_F(StartupTest, CloseQuestion) {
    auto app = Start();
    ASSERT_TRUE(app);
    CMainFrame* frame = app->Frame();
    CQelDoc& doc = app->Doc();
    frame->resize(600, 420);

    // Cancel: the program keeps running, the placement is already written.
    doc.modified = true;
    sink.answers = {MsgAnswer::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(sink.messages.back().text,
              "Volete salvare le modifiche che avete fatto in default.qel ?");
    EXPECT_EQ(sink.messages.back().buttons, MsgButtons::YesNoCancel);
    EXPECT_FALSE(ProfileValue("Settings/WindowPos").isEmpty());

    // Yes: "&Salva" runs (the first save asks for a name); cancelling that
    // name keeps the program running, since nothing was saved.
    sink.answers = {MsgAnswer::Yes};
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(dialogs.saveCalls.size(), 1u);

    // Yes again: the first-save state has ended, so the title is written
    // into the current folder and the window closes.
    sink.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(QFile::exists(WorkPath("default.qel")));
    EXPECT_FALSE(doc.modified);
}

TEST_F(StartupTest, CloseQuestionNoDiscards) {
    auto app = Start();
    ASSERT_TRUE(app);
    app->Doc().modified = true;
    sink.answers = {MsgAnswer::No};
    EXPECT_TRUE(app->Frame()->close());
    EXPECT_TRUE(dialogs.saveCalls.empty());
    EXPECT_FALSE(QFile::exists(WorkPath("default.qel")));
}

} // namespace
} // namespace kiv::test
