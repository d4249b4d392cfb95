#include "autoattendant/CallFlowRender.h"

#include "autoattendant/CallFlow.h"
#include "document/QelDoc.h"

#include <gtest/gtest.h>

// The font library behind the drawing keeps its caches to the end of the
// process; LeakSanitizer is told so here rather than through the environment.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace kiv::autoatt {
namespace {

TEST(CallFlowRender, FormatFromTheFileName) {
    EXPECT_EQ(DiagramFormatOfFileName("a/b.svg"), DiagramFormat::Svg);
    EXPECT_EQ(DiagramFormatOfFileName("flow.PNG"), DiagramFormat::Png);
    EXPECT_EQ(DiagramFormatOfFileName("x.y.pdf"), DiagramFormat::Pdf);
    EXPECT_EQ(DiagramFormatOfFileName("flow.dot"), DiagramFormat::Dot);
    EXPECT_EQ(DiagramFormatOfFileName("flow.jpg"), std::nullopt);
    EXPECT_EQ(DiagramFormatOfFileName("svg"), std::nullopt);
}

TEST(CallFlowRender, DrawsEachFormat) {
    CQelDoc doc;
    doc.pageText[0] = "Citt\xE0"; // cp1252 a-grave
    doc.pages[0][1] = PageEntry{kPageOpGoToPage, {5, 0, 0, 0}, 1};
    std::string out, error;

    ASSERT_TRUE(RenderCallFlow(doc, DiagramFormat::Svg, out, error)) << error;
    EXPECT_NE(out.find("<svg"), std::string::npos);
    EXPECT_NE(out.find(">Pagina 05</text>"), std::string::npos);
    EXPECT_NE(out.find(">Citt\xC3\xA0</text>"), std::string::npos);

    ASSERT_TRUE(RenderCallFlow(doc, DiagramFormat::Png, out, error)) << error;
    EXPECT_EQ(out.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));

    ASSERT_TRUE(RenderCallFlow(doc, DiagramFormat::Pdf, out, error)) << error;
    EXPECT_EQ(out.substr(0, 5), "%PDF-");

    ASSERT_TRUE(RenderCallFlow(doc, DiagramFormat::Dot, out, error)) << error;
    EXPECT_EQ(out, CallFlowDot(BuildCallFlow(doc)));
}

TEST(CallFlowRender, UnreadableTextFailsWithAReason) {
    std::string out = "stale", error;
    EXPECT_FALSE(RenderDot("digraph { a -> ", DiagramFormat::Svg, out, error));
    EXPECT_TRUE(out.empty());
    EXPECT_NE(error.find("graphviz"), std::string::npos);
    // The next drawing works after a failed one.
    EXPECT_TRUE(RenderDot("digraph { a -> b }", DiagramFormat::Svg, out, error)) << error;
}

} // namespace
} // namespace kiv::autoatt
