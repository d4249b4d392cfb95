// The main frame's menus, bars, status panel and line monitor.
#include "AppTestSupport.h"

#include "app/Help.h"
#include "app/MainFrame.h"
#include "app/QelView.h"
#include "document/QelDoc.h"

#include <QAction>
#include <QFile>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace kiv::test {
namespace {

class MainFrameTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        app = Start();
        ASSERT_TRUE(app);
        frame = app->Frame();
        doc = &app->Doc();
    }
    QStringList MenuTexts(const QString& menuName) const {
        QStringList out;
        for (QAction* a : frame->findChild<QMenu*>(menuName)->actions())
            if (!a->isSeparator() && a->isVisible()) out << a->text();
        return out;
    }
    std::unique_ptr<CQelApp> app;
    CMainFrame* frame = nullptr;
    CQelDoc* doc = nullptr;
};

TEST_F(MainFrameTest, StatusPanelShowsTheProductTypeAndRewritesTheTitleExtension) {
    doc->SetProductType(2);
    doc->title = "x.qel";
    frame->DocumentChanged();
    using T = CQelView::PanelText;
    const std::vector<T> expected = {
        {QPoint(20, 210), "Stato Dispositivo"}, {QPoint(20, 230), "Tipo Dispositivo:"},
        {QPoint(140, 230), "RZ 8 Mbx"},         {QPoint(20, 250), "Comunicazione:"},
        {QPoint(140, 250), "Off Line"},
    };
    EXPECT_EQ(frame->View()->PanelTexts(), expected);
    EXPECT_EQ(doc->title, "x.ri8");
    EXPECT_EQ(frame->windowTitle(), "x.ri8 - KIV");

    // Painting applies the same rewrite.
    doc->SetProductType(1);
    frame->View()->grab();
    EXPECT_EQ(doc->title, "x.dax");
    EXPECT_EQ(frame->windowTitle(), "x.dax - KIV");

    doc->productType = 7;
    EXPECT_EQ(frame->View()->PanelTexts()[2].text, "Sconosciuto");
}

TEST_F(MainFrameTest, TitleRewriteOnlyForARealExtension) {
    EXPECT_EQ(CQelView::TitleWithProductExtension("x.qel", 3), "x.ri2");
    EXPECT_EQ(CQelView::TitleWithProductExtension("Panasonic KX", 2), "Panasonic KX");
    EXPECT_EQ(CQelView::TitleWithProductExtension("a.b", 2), "a.b");
    EXPECT_EQ(CQelView::TitleWithProductExtension("x.qel", 9), "x.qel");
    EXPECT_EQ(CQelView::TitleWithProductExtension(".qel", 1), ".dax");
}

TEST_F(MainFrameTest, MenusActionsAndTheIdlePrompt) {
    // The recent-file placeholder shows while the list is empty.
    EXPECT_EQ(MenuTexts("menuFile"),
              (QStringList{"&Nuovo", "&Apri", "&Salva", "Salva &come...", "Apri &Default",
                           "Stampa Impostazioni", "&Stampa...", "Ante&prima Stampa",
                           "I&mposta Stampante...", "File Recente", "E&sci"}));
    EXPECT_EQ(frame->Action("actionFileNew")->shortcut(), QKeySequence("Ctrl+N"));
    for (QAction* action : frame->findChildren<QAction*>()) {
        if (!action->isSeparator() && !action->text().isEmpty()) {
            EXPECT_FALSE(action->objectName().isEmpty()) << action->text().toStdString();
        }
    }

    EXPECT_EQ(frame->statusBar()->currentMessage(), "Per l'Aiuto, premere F1");
    frame->statusBar()->showMessage("x");
    frame->statusBar()->clearMessage();
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Per l'Aiuto, premere F1");
}

TEST_F(MainFrameTest, CommandsOfLaterPartsAreDisabledUntilAttached) {
    for (const char* name : {"actionReadParameters", "actionPbxParameters", "actionFilePrint",
                             "actionWizard", "actionPassword", "actionSelectPbx"})
        EXPECT_FALSE(frame->Action(name)->isEnabled()) << name;
    EXPECT_FALSE(frame->findChild<QPushButton*>("buttonSelectPbx")->isEnabled());
    for (const char* name :
         {"actionFileNew", "actionFileOpen", "actionOptions", "actionAbout", "actionLineMonitor"})
        EXPECT_TRUE(frame->Action(name)->isEnabled()) << name;

    // Triggering a disabled command does nothing.
    frame->Action("actionSendParameters")->trigger();

    int runs = 0;
    frame->SetCommand("actionSelectPbx", [&] { ++runs; });
    EXPECT_TRUE(frame->findChild<QPushButton*>("buttonSelectPbx")->isEnabled());
    QTest::mouseClick(frame->findChild<QPushButton*>("buttonSelectPbx"), Qt::LeftButton);
    EXPECT_EQ(runs, 1);
}

TEST_F(MainFrameTest, SystemInitializationIsRefusedForVersions740To759) {
    // The command as an installer attaches it: it runs, and knows nothing of versions. The
    // refusal is the frame's, so no installer can leave it out.
    QAction* init = frame->Action("actionSystemInit");
    EXPECT_FALSE(frame->HasCommand("actionSystemInit"));
    frame->SetCommand("actionSystemInit", [] {});
    EXPECT_TRUE(frame->HasCommand("actionSystemInit"));
    doc->unitVersion = "745";
    frame->UpdateCommands();
    EXPECT_FALSE(init->isEnabled());
    doc->unitVersion = "739";
    frame->UpdateCommands();
    EXPECT_TRUE(init->isEnabled());
    // An installer's own condition still counts.
    frame->SetCommand(
        "actionSystemInit", [] {}, [] { return false; });
    EXPECT_FALSE(init->isEnabled());
    EXPECT_TRUE(SystemInitAllowed("760"));
    EXPECT_FALSE(SystemInitAllowed("740"));
    EXPECT_FALSE(SystemInitAllowed("759"));
    EXPECT_TRUE(SystemInitAllowed(""));
}

TEST_F(MainFrameTest, ToolbarsAndTheirContextMenu) {
    EXPECT_EQ(frame->ToolBar(CMainFrame::MainBar)->windowTitle(), "Principale");
    EXPECT_EQ(frame->ToolBar(CMainFrame::MainBar)->actions().size(), 3);
    EXPECT_EQ(frame->ToolBar(CMainFrame::CommBar)->actions().size(), 4);
    EXPECT_EQ(frame->ToolBar(CMainFrame::ParametersBar)->actions().size(), 9);
    EXPECT_EQ(frame->ToolBar(CMainFrame::MainBar)->iconSize(), QSize(18, 16));
    EXPECT_FALSE(frame->Action("actionFileOpen")->icon().isNull());

    std::unique_ptr<QMenu> menu(frame->createPopupMenu());
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << a->text();
    EXPECT_EQ(texts, (QStringList{"Principale", "Comunicazione", "Parametri"}));
    menu->actions()[1]->trigger();
    EXPECT_TRUE(frame->ToolBar(CMainFrame::CommBar)->isHidden());
}

TEST_F(MainFrameTest, AboutAndHelp) {
    frame->Action("actionAbout")->trigger();
    EXPECT_EQ(dialogs.execCalls, std::vector<QString>{"aboutDlg"});
    QStringList opened;
    SetHelpOpener([&](const QString& topic) { opened << topic; });
    frame->Action("actionHelpTopics")->trigger();
    SetHelpOpener({});
    EXPECT_EQ(opened, QStringList{"index"});
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(MainFrameTest, LineMonitorThatIsMissingIsReported) {
    frame->SetMonitorProgram(WorkPath("no-tarvel"));
    frame->OnLineMonitor();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Impossibile trovare il programma Monitor Linea (tarvel).");
    EXPECT_TRUE(frame->Action("actionLineMonitor")->isEnabled());
}

TEST_F(MainFrameTest, LineMonitorGetsThePortAndIsStoppedAtClose) {
    // A stand-in monitor that records its argument and then waits.
    const QString script = WorkPath("tarvel");
    const QString argFile = WorkPath("args.txt");
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QString("#!/bin/sh\necho \"$@\" > '%1'\nexec sleep 30\n").arg(argFile).toUtf8());
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    frame->SetMonitorProgram(script);
    doc->portIndex = 2;
    frame->OnLineMonitor();
    ASSERT_TRUE(frame->MonitorProcess());
    EXPECT_EQ(frame->MonitorProcess()->state(), QProcess::Running);
    EXPECT_FALSE(frame->Action("actionLineMonitor")->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile(argFile).size() > 0; }, 5000));
    QFile args(argFile);
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(args.readAll().trimmed(), "3");

    EXPECT_TRUE(frame->close());
    EXPECT_EQ(frame->MonitorProcess()->state(), QProcess::NotRunning);
}

TEST_F(MainFrameTest, LineMonitorIsEnabledAgainWhenItEnds) {
    const QString script = WorkPath("tarvel");
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nexit 0\n");
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    frame->SetMonitorProgram(script);
    frame->OnLineMonitor();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return frame->Action("actionLineMonitor")->isEnabled(); }, 5000));
}

} // namespace
} // namespace kiv::test
