#include "autoattendant/ui/PageDiagramDlg.h"

#include "app/ShellDialogs.h"
#include "document/MessageSink.h"
#include "document/PageOps.h"
#include "document/QelDoc.h"
#include "document/Texts.h"
#include "support/NamedShell.h"
#include "support/TempDir.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPushButton>
#include <gtest/gtest.h>

#include <fstream>

namespace kiv {
namespace {

using test::CNamedShell;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class PageDiagramDlgTest : public ::testing::Test {
  protected:
    PageDiagramDlgTest() {
        doc_.title = "ufficio.qel";
        doc_.pages[0][1] = PageEntry{kPageOpGoToPage, {5, 0, 0, 0}, 1};
        doc_.pages[5][kTimeoutKey] = PageEntry{kPageOpDisconnect, {}, 0};
    }
    QString In(const char* name) const {
        return QString::fromStdString((dir_.Path() / name).string());
    }

    CQelDoc doc_;
    RecordingSink sink_;
    CNamedShell shell_{sink_};
    test::CTempDir dir_{"kiv-diagram"};
};

TEST_F(PageDiagramDlgTest, ShowsTheDrawingAndZooms) {
    CPageDiagramDlg dlg(doc_, shell_);
    ASSERT_TRUE(dlg.HasDrawing());
    auto* view = dlg.findChild<QGraphicsView*>("diagramView");
    ASSERT_TRUE(view);
    EXPECT_FALSE(view->scene()->sceneRect().isEmpty());
    EXPECT_EQ(dlg.windowTitle(), "Diagramma Pagine");

    dlg.ZoomIn();
    EXPECT_DOUBLE_EQ(dlg.Zoom(), 1.25);
    dlg.findChild<QPushButton*>("zoomOutButton")->click();
    dlg.ZoomOut();
    EXPECT_DOUBLE_EQ(dlg.Zoom(), 0.8);
    // The zoom stops at its limits instead of running away.
    for (int i = 0; i < 40; ++i)
        dlg.ZoomIn();
    EXPECT_LE(dlg.Zoom(), 8.0);
    EXPECT_GT(dlg.Zoom(), 6.0);
    for (int i = 0; i < 80; ++i)
        dlg.ZoomOut();
    EXPECT_GE(dlg.Zoom(), 0.05);
}

TEST_F(PageDiagramDlgTest, ExportWritesTheFormatTheNameAsksFor) {
    CPageDiagramDlg dlg(doc_, shell_);
    shell_.names = {In("flow"), In("flow.png"), In("flow.dot"), In("none/flow.pdf")};

    // No extension: SVG, with the extension added.
    ASSERT_TRUE(dlg.Export());
    EXPECT_EQ(shell_.proposed[0], "ufficio.svg");
    EXPECT_TRUE(shell_.filters[0].startsWith("SVG (*.svg);;PNG (*.png)"));
    EXPECT_NE(ReadFile(dir_.Path() / "flow.svg").find("<svg"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_.Path() / "flow"));

    ASSERT_TRUE(dlg.Export());
    EXPECT_EQ(ReadFile(dir_.Path() / "flow.png").substr(0, 4), "\x89PNG");
    ASSERT_TRUE(dlg.Export());
    EXPECT_EQ(ReadFile(dir_.Path() / "flow.dot").rfind("digraph", 0), 0u);
    EXPECT_TRUE(sink_.messages.empty());

    // A folder that does not exist: told, not reported as written.
    EXPECT_FALSE(dlg.Export());
    ASSERT_EQ(sink_.Texts(), std::vector<std::string>{texts::kCannotOpenOutput});
    // Cancel writes nothing and says nothing.
    EXPECT_FALSE(dlg.Export());
    EXPECT_EQ(sink_.messages.size(), 1u);
}

} // namespace
} // namespace kiv
