#include "autoattendant/ui/PageDiagramDlg.h"

#include "app/ShellDialogs.h"
#include "autoattendant/CallFlowRender.h"
#include "autoattendant/Texts.h"
#include "document/MessageSink.h"
#include "document/PageOps.h"
#include "document/QelDoc.h"
#include "document/Texts.h"
#include "support/NamedShell.h"
#include "support/TempDir.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QXmlStreamReader>
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

TEST_F(PageDiagramDlgTest, AnyTextDrawsWellFormedXmlAndAFailedDrawingIsTold) {
    // Every byte a description can hold, control characters and markup included.
    std::string every;
    for (int c = 1; c < 256; ++c)
        every += static_cast<char>(c);
    doc_.pageText[0] = every;
    doc_.pageText[5] = std::string("a\0b\r\n<c>&\"", 10);
    doc_.dialStrings[2] = "9\x1B]0;x\x07";
    doc_.pages[5][3] = PageEntry{kPageOpDialString, {2, 0, 0, 0}, 1};
    std::string svg, error;
    ASSERT_TRUE(autoatt::RenderCallFlow(doc_, autoatt::DiagramFormat::Svg, svg, error)) << error;
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line "
                                 << xml.lineNumber();
    // NUL, CR and LF drawn as their symbols, the markup escaped.
    EXPECT_NE(svg.find("a\u2400b\u240D\u240A&lt;c&gt;&amp;"), std::string::npos);
    CPageDiagramDlg drawn(doc_, shell_);
    EXPECT_TRUE(drawn.HasDrawing());
    EXPECT_TRUE(sink_.messages.empty());

    // A drawing that cannot be made, or one the SVG reader cannot read, is
    // told: a message and the reason in the window, not an empty view.
    const std::vector<CPageDiagramDlg::Render> failing = {
        [](const CQelDoc&, std::string&, std::string& why) {
            why = "graphviz: out of memory";
            return false;
        },
        [](const CQelDoc&, std::string& out, std::string&) {
            out = "<svg><g>\x01</svg>";
            return true;
        }};
    for (const auto& render : failing) {
        sink_.messages.clear();
        CPageDiagramDlg dlg(doc_, shell_, nullptr, render);
        EXPECT_FALSE(dlg.HasDrawing());
        EXPECT_FALSE(dlg.findChild<QGraphicsView*>("diagramView"));
        ASSERT_TRUE(dlg.findChild<QLabel*>("diagramError"));
        EXPECT_TRUE(dlg.findChild<QLabel*>("diagramError")
                        ->text()
                        .startsWith(QString::fromUtf8(autoatt::texts::kDiagramFailed)));
        EXPECT_EQ(sink_.Texts(), std::vector<std::string>{autoatt::texts::kDiagramFailed});
        EXPECT_FALSE(dlg.findChild<QPushButton*>("exportButton")->isEnabled());
    }
}

} // namespace
} // namespace kiv
