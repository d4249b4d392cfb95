// The guide inside the program: every topic the windows name has its page in
// the build's help folder, the guide's contents, index and search, and the
// window that shows them. With KIV_SCREENSHOT_DIR set the window is saved as
// pictures there.
#include "AppTestSupport.h"

#include "app/Help.h"
#include "app/HelpIndex.h"
#include "app/HelpViewer.h"
#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>

namespace kiv::test {
namespace {

namespace fs = std::filesystem;

// The topics the sources name, each with a file that names it: the help
// calls, the transfer windows' topics, the auto-attendant's topic table and
// the wizard's steps.
std::map<std::string, std::string> TopicsInSources() {
    // Each pattern with a word it needs, so that a file without it is not searched.
    const std::vector<std::pair<std::string, std::regex>> calls = {
        {"SetHelpTopic", std::regex(R"re(SetHelpTopic\("([a-z0-9_]+)"\))re")},
        {"ShowHelp", std::regex(R"re(ShowHelp\("([a-z0-9_]+)")re")},
        {"CTransferDlg", std::regex(R"re(CTransferDlg(?:\s+\w+)?\([^;]*?"([a-z0-9_]+)")re")},
        {"Caption,", std::regex(R"re(Caption,\s*"([a-z0-9_]+)")re")},
        {"InstallHelpKey", std::regex(R"re(InstallHelpKey\(\w+,\s*"([a-z0-9_]+)")re")},
    };
    const std::regex table(R"re(constexpr const char\* k\w+ = "([a-z0-9_]+)")re");
    const std::regex stepTopic(R"re(return "([a-z0-9_]+)")re");
    std::map<std::string, std::string> topics;
    const fs::path src = fs::path(KIV_SOURCE_DIR) / "src";
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const fs::path& path = entry.path();
        if (path.extension() != ".cpp" && path.extension() != ".h") continue;
        std::ifstream in(path);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        const std::string rel = fs::relative(path, src).generic_string();
        std::vector<const std::regex*> patterns;
        for (const auto& [word, call] : calls)
            if (text.find(word) != std::string::npos) patterns.push_back(&call);
        if (rel == "autoattendant/ui/HelpTopics.h") patterns.push_back(&table);
        std::string body = text;
        if (rel == "wizard/ui/WizSheet.cpp") {
            const auto from = text.find("HelpTopic(int step)");
            body = text.substr(from, text.find("\n}\n", from) - from);
            patterns = {&stepTopic};
        }
        for (const std::regex* pattern : patterns)
            for (std::sregex_iterator it(body.begin(), body.end(), *pattern), end; it != end; ++it)
                topics.emplace((*it)[1].str(), rel);
    }
    return topics;
}

class HelpTest : public AppTest {
  protected:
    void TearDown() override {
        SetHelpOpener({});
        AppTest::TearDown();
    }
    void Save(QWidget& widget, const char* name) {
        const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
        if (dir.isEmpty()) return;
        QDir().mkpath(dir);
        EXPECT_TRUE(widget.grab().save(QDir(dir).filePath(name)));
    }
    // A small guide written here, so that its contents and search results
    // are known by heart.
    QString SmallGuide() {
        const QString folder = WorkPath("guide");
        QDir().mkpath(folder);
        const auto write = [&](const char* name, const char* html) {
            QFile file(QDir(folder).filePath(name));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(html);
        };
        write("index.html",
              "<html><head><title>Guida</title></head><body><h1>Guida</h1>"
              "<p>Prima di tutto <a href=\"porte.html\">le porte</a>.</p>"
              "<h2>Per cominciare</h2><ul><li><a href=\"porte.html\">Le porte</a></li></ul>"
              "<h2>Schede</h2><ul><li><a href=\"caselle.html\">Le caselle</a></li>"
              "<li><a href=\"porte.html#usb\">Adattatori</a></li></ul></body></html>");
        write("porte.html", "<html><head><title>Porte dell&#x27;unità</title></head><body>"
                            "<h1>Porte dell'unità</h1><p>Collegare l'unità.</p>"
                            "<h2>Adattatori USB</h2><p>Un adattatore USB.</p></body></html>");
        write("caselle.html", "<html><head><title>Caselle</title></head><body><h1>Caselle</h1>"
                              "<p>Ogni casella dell'UNITA, ogni casella.</p>"
                              "<h3>Numero</h3><p>Da 1 a 8 cifre.</p></body></html>");
        return folder;
    }
};

TEST_F(HelpTest, EveryTopicTheWindowsNameHasItsPageInTheBuild) {
    const QString folder = HelpFolder();
    ASSERT_FALSE(folder.isEmpty()) << "no help folder beside the test program";
    const auto topics = TopicsInSources();
    EXPECT_GE(topics.size(), 50u); // the scan found the topics at all
    for (const auto& [topic, where] : topics)
        EXPECT_FALSE(HelpPagePath(QString::fromStdString(topic)).isEmpty())
            << topic << " (named in src/" << where << ") has no page in " << folder.toStdString();
    // The build's folder holds every page of the sources, and nothing else.
    const QDir source(QString(KIV_SOURCE_DIR) + "/data/help");
    const QStringList pages = source.entryList({"*.html"}, QDir::Files, QDir::Name);
    EXPECT_EQ(QDir(folder).entryList({"*.html"}, QDir::Files, QDir::Name), pages);
    EXPECT_TRUE(pages.contains("index.html"));
    EXPECT_TRUE(HelpPagePath("no_such_topic").isEmpty());
}

TEST_F(HelpTest, ContentsIndexAndSearch) {
    CHelpIndex index;
    EXPECT_FALSE(index.Load(WorkPath("nothing")));
    ASSERT_TRUE(index.Load(SmallGuide()));

    std::vector<std::pair<QString, QString>> contents;
    for (const auto& entry : index.Contents())
        contents.emplace_back(entry.title, entry.topic);
    EXPECT_EQ(contents, (std::vector<std::pair<QString, QString>>{{"Per cominciare", ""},
                                                                  {"Le porte", "porte"},
                                                                  {"Schede", ""},
                                                                  {"Le caselle", "caselle"},
                                                                  {"Adattatori", "porte"}}));
    QStringList keywords;
    for (const auto& keyword : index.Keywords())
        keywords << keyword.text + " > " + keyword.topic;
    EXPECT_EQ(keywords,
              (QStringList{"Adattatori USB (Porte dell'unità) > porte", "Caselle > caselle",
                           "Numero (Caselle) > caselle", "Porte dell'unità > porte"}));

    const auto topics = [&](const QString& query) {
        QStringList found;
        for (const auto& hit : index.Search(query))
            found << hit.topic;
        return found;
    };
    // Accents and case do not matter, in the words asked for as in the
    // pages; a word in the title weighs more than two in the text.
    EXPECT_EQ(topics("unita"), (QStringList{"porte", "caselle"}));
    EXPECT_EQ(topics("Casella unità"), QStringList{"caselle"});
    EXPECT_EQ(topics("adattatore"), QStringList{"porte"});
    EXPECT_TRUE(topics("modem").isEmpty());
    EXPECT_TRUE(topics("  ").isEmpty());
}

TEST_F(HelpTest, TheWindowOpensAtTheTopicAndSearches) {
    ASSERT_FALSE(HelpFolder().isEmpty());
    CHelpViewer* viewer = OpenHelpViewer("porta");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "Guida di KIV");
    EXPECT_EQ(viewer->CurrentTopic(), "porta");
    EXPECT_TRUE(viewer->Browser()->toPlainText().contains("Selezione Porta COM"));
    // One window: the next topic replaces the page in it.
    EXPECT_EQ(OpenHelpViewer("lista_caselle"), viewer);
    EXPECT_EQ(viewer->CurrentTopic(), "lista_caselle");
    Save(*viewer, "help_lista_caselle.png");
    OpenHelpViewer("parametri_pbx");
    Save(*viewer, "help_parametri_pbx.png");

    // The contents open a page with a click.
    QTreeWidgetItem* first = viewer->ContentsTree()->topLevelItem(0)->child(0);
    ASSERT_NE(first, nullptr);
    emit viewer->ContentsTree()->itemClicked(first, 0);
    EXPECT_EQ(viewer->CurrentTopic(), "primi_passi");
    // The index narrows to what is typed; Enter opens the first entry left.
    viewer->Tabs()->setCurrentIndex(1);
    QTest::keyClicks(viewer->IndexFilter(), "Selezione Porta");
    QTest::keyClick(viewer->IndexFilter(), Qt::Key_Return);
    EXPECT_EQ(viewer->CurrentTopic(), "porta");
    // A search lists the pages and opens the best one.
    viewer->Search("Time-out Comunicazione");
    ASSERT_GT(viewer->SearchResults()->count(), 0);
    EXPECT_EQ(viewer->Tabs()->currentIndex(), 2);
    QStringList found;
    for (int row = 0; row < viewer->SearchResults()->count(); ++row)
        found << viewer->SearchResults()->item(row)->text();
    EXPECT_TRUE(found.contains("Risoluzione dei problemi")) << found.join(", ").toStdString();
    EXPECT_EQ(viewer->CurrentTopic(),
              viewer->SearchResults()->item(0)->data(Qt::UserRole).toString());
    Save(*viewer, "help_search.png");
    viewer->Search("parolachenonce");
    ASSERT_EQ(viewer->SearchResults()->count(), 1);
    EXPECT_EQ(viewer->SearchResults()->item(0)->text(), "Nessuna pagina contiene queste parole.");
    delete viewer;

    // From a modal dialog the window belongs to it (so the dialog does not
    // block it) and goes with it.
    auto* dialog = new QDialog;
    dialog->setModal(true);
    dialog->show();
    QApplication::processEvents();
    viewer = OpenHelpViewer("password");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->parentWidget(), dialog);
    QPointer<CHelpViewer> watched(viewer);
    delete dialog;
    EXPECT_TRUE(watched.isNull());
}

TEST_F(HelpTest, MenuAndF1OpenTheirTopics) {
    QStringList opened;
    SetHelpOpener([&](const QString& topic) { opened << topic; });
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    app->Frame()->Action("actionHelpTopics")->trigger();
    EXPECT_EQ(opened, QStringList{"index"});
    // A topic without a page still says so.
    ShowHelp("no_such_topic", sink);
    EXPECT_EQ(opened.size(), 1);
    ASSERT_FALSE(sink.messages.empty());
    EXPECT_EQ(sink.messages.back().text,
              "Per questa finestra non \xe8 ancora disponibile una pagina di aiuto.");
}

} // namespace
} // namespace kiv::test
