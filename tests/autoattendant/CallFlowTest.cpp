#include "autoattendant/CallFlow.h"

#include "document/QelDoc.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kiv::autoatt {
namespace {

void Key(CQelDoc& doc, int page, int row, int op, std::array<std::uint8_t, 4> target = {},
         int info = 0) {
    doc.pages[page][row] = PageEntry{op, target, static_cast<std::uint8_t>(info)};
}

const FlowEdge* EdgeFrom(const CallFlow& flow, int page, int row) {
    for (const FlowEdge& edge : flow.edges)
        if (edge.fromPage == page && edge.row == row) return &edge;
    return nullptr;
}

// A configuration that opens on page 00 on every line and mode, with no key
// programmed and the operator on key 9.
CQelDoc Blank(int productType = 0) {
    CQelDoc doc;
    doc.SetProductType(productType);
    for (auto& line : doc.openingPage)
        line.fill(0);
    doc.operatorKey = 9;
    return doc;
}

TEST(CallFlow, PagesNoEntryReachesAreMarkedUnreachable) {
    CQelDoc doc = Blank();
    Key(doc, 0, 1, kPageOpGoToPage, {5, 0, 0, 0}, 1);
    Key(doc, 5, 2, kPageOpGoToPageSecondLanguage, {12, 1, 0, 0}, 2);
    // Page 07 is programmed and leads on to page 08, but nothing leads to 07.
    Key(doc, 7, 3, kPageOpGoToPage, {8, 0, 0, 0}, 1);
    Key(doc, 8, kTimeoutKey, kPageOpDisconnect);
    // A page that leads to itself is no way in.
    Key(doc, 3, 0, kPageOpGoToPage, {3, 0, 0, 0}, 1);

    const CallFlow flow = BuildCallFlow(doc);
    for (int page : {0, 5, 12})
        ASSERT_TRUE(flow.Page(page) && flow.Page(page)->reachable) << page;
    for (int page : {3, 7, 8})
        ASSERT_TRUE(flow.Page(page) && !flow.Page(page)->reachable) << page;
    // Page 12 is drawn only as a destination: it is not programmed.
    EXPECT_FALSE(flow.Page(12)->programmed);
    // Unprogrammed pages that nothing names are left out.
    EXPECT_EQ(flow.Page(1), nullptr);
    EXPECT_EQ(flow.pages.size(), 6u);
}

TEST(CallFlow, SpecialPagesAndInBandEventsAreWaysIn) {
    CQelDoc doc = Blank();
    // Page 21 (busy with mailbox) is played by the unit; its key leads to 15.
    Key(doc, 21, 1, kPageOpGoToPage, {15, 0, 0, 0}, 1);
    // In-band event 4 sends calls to page 31 (index 27), typed as "31".
    doc.inBand[4].operation = kInBandOpGoToPage;
    doc.inBand[4].codeLength = 2;
    doc.inBand[4].target = {'3', '1', 0, 0};
    doc.inBand[4].targetLength = 2;
    Key(doc, 27, 0, kPageOpGoToPage, {16, 0, 0, 0}, 1);
    // An event without a code is switched off: its page is no way in.
    doc.inBand[5].operation = kInBandOpGoToPage;
    doc.inBand[5].target = {'1', '7', 0, 0};
    Key(doc, 17, 0, kPageOpDisconnect);
    // An event naming no page ("30") is a dangling entry.
    doc.inBand[6].operation = kInBandOpGoToPage;
    doc.inBand[6].codeLength = 1;
    doc.inBand[6].target = {'3', '0', 0, 0};

    const CallFlow flow = BuildCallFlow(doc);
    for (int page : {21, 15, 27, 16})
        ASSERT_TRUE(flow.Page(page) && flow.Page(page)->reachable) << page;
    EXPECT_TRUE(flow.Page(21)->special);
    ASSERT_TRUE(flow.Page(17));
    EXPECT_FALSE(flow.Page(17)->reachable);

    std::vector<FlowEntry> inBand;
    std::copy_if(flow.entries.begin(), flow.entries.end(), std::back_inserter(inBand),
                 [](const FlowEntry& e) { return e.kind == FlowEntry::InBand; });
    ASSERT_EQ(inBand.size(), 2u);
    EXPECT_EQ(inBand[0].event, 4);
    EXPECT_EQ(inBand[0].page, 27);
    EXPECT_EQ(inBand[1].event, 6);
    EXPECT_TRUE(inBand[1].dangling);
}

TEST(CallFlow, OpeningPagesPerLineAndModeFollowTheProductsLines) {
    // "RZ 48 Mbx" answers two lines: lines 3 and 4 open nothing.
    CQelDoc doc = Blank(1);
    doc.openingPage[0] = {1, 2, 3, 4};
    doc.openingPage[1] = {1, 1, 20, 1};
    doc.openingPage[2] = {9, 9, 9, 9};
    for (int page : {1, 2, 3, 4, 20, 9})
        Key(doc, page, 0, kPageOpDisconnect);

    CallFlow flow = BuildCallFlow(doc);
    ASSERT_EQ(flow.entries.size(), 8u);
    EXPECT_EQ(flow.entries[2].line, 0);
    EXPECT_EQ(flow.entries[2].mode, 2);
    EXPECT_EQ(flow.entries[2].page, 3);
    EXPECT_EQ(flow.entries[6].line, 1);
    EXPECT_EQ(flow.entries[6].mode, 2);
    EXPECT_EQ(flow.entries[6].page, 20);
    EXPECT_FALSE(flow.Page(9)->reachable);

    // Four lines for the other types; a stored opening page outside 00-20
    // is an entry that leads nowhere.
    doc.SetProductType(2);
    doc.openingPage[3][1] = 21;
    flow = BuildCallFlow(doc);
    ASSERT_EQ(flow.entries.size(), 16u);
    EXPECT_TRUE(flow.Page(9)->reachable);
    EXPECT_TRUE(flow.entries[13].dangling);
    EXPECT_EQ(flow.entries[13].page, -1);
    EXPECT_EQ(flow.Page(21), nullptr);
}

TEST(CallFlow, DestinationsThatDoNotExistAreDangling) {
    CQelDoc doc = Blank();
    doc.extDigits = 3;
    doc.mboxCount = 2;
    doc.mailboxes[0].number = "101";
    doc.mailboxes[0].slot = 4;
    doc.mailboxes[1].number = "102";
    doc.mailboxes[1].slot = 7;
    doc.dialStrings[3] = "0P123";
    Key(doc, 0, 0, kPageOpToMailbox, {7, 0, 0, 0}, 1); // mailbox 102
    Key(doc, 0, 1, kPageOpToMailbox, {5, 0, 0, 0}, 1); // slot 5: no mailbox
    Key(doc, 0, 2, kPageOpGoToPage, {39, 0, 0, 0}, 1); // no page 39
    Key(doc, 0, 3, kPageOpToExtension, {'2', '*', 'A', 0}, 3);
    Key(doc, 0, 4, kPageOpToExtension, {'2', 'x', 0, 0}, 2); // not a dial character
    Key(doc, 0, 5, kPageOpDialString, {3, 0, 0, 0}, 1);
    Key(doc, 0, 6, kPageOpDialString, {4, 0, 0, 0}, 1);  // string 4 is empty
    Key(doc, 0, 7, kPageOpDialString, {20, 0, 0, 0}, 1); // no string 20
    Key(doc, 0, kTimeoutKey, kPageOpToOperator);

    const CallFlow flow = BuildCallFlow(doc);
    auto edge = [&flow](int row) {
        const FlowEdge* e = EdgeFrom(flow, 0, row);
        EXPECT_TRUE(e) << row;
        return e ? *e : FlowEdge{};
    };
    EXPECT_EQ(edge(0).kind, FlowKind::Mailbox);
    EXPECT_EQ(edge(0).target, "102");
    EXPECT_FALSE(edge(0).dangling);
    EXPECT_TRUE(edge(1).dangling);
    EXPECT_TRUE(edge(2).dangling);
    EXPECT_EQ(edge(2).toPage, -1);
    EXPECT_EQ(edge(3).target, "2*A");
    EXPECT_FALSE(edge(3).dangling);
    EXPECT_TRUE(edge(4).dangling);
    EXPECT_EQ(edge(5).target, "3");
    EXPECT_FALSE(edge(5).dangling);
    EXPECT_TRUE(edge(6).dangling);
    EXPECT_TRUE(edge(7).dangling);
    EXPECT_EQ(edge(kTimeoutKey).kind, FlowKind::Operator);
    EXPECT_FALSE(edge(kTimeoutKey).dangling);
}

TEST(CallFlow, OperatorRowAndUnusedRowsAreNoEdges) {
    CQelDoc doc = Blank();
    doc.operatorKey = 4;
    // Whatever the operator's row holds, the key reaches the operator.
    Key(doc, 0, 4, kPageOpGoToPage, {6, 0, 0, 0}, 1);
    // "Trasferta all'Operatore" is not offered on a key row; it still shows.
    Key(doc, 0, 2, kPageOpToOperator);

    const CallFlow flow = BuildCallFlow(doc);
    EXPECT_EQ(flow.operatorKey, 4);
    ASSERT_EQ(flow.edges.size(), 1u);
    EXPECT_EQ(flow.edges[0].row, 2);
    EXPECT_FALSE(flow.edges[0].offered);
    EXPECT_EQ(flow.Page(6), nullptr);
}

TEST(CallFlow, DotText) {
    CQelDoc doc = Blank();
    doc.pageText[0] = "Benvenuti \"KIV\"";
    doc.pageText[5] = "Men\xF9 vendite"; // cp1252 u-grave
    Key(doc, 0, 1, kPageOpGoToPage, {5, 0, 0, 0}, 1);
    Key(doc, 0, 2, kPageOpGoToPageThirdLanguage, {5, 2, 0, 0}, 2);
    Key(doc, 5, kTimeoutKey, kPageOpDisconnectAfterMessage);
    Key(doc, 5, 3, kPageOpGoToPage, {77, 0, 0, 0}, 1);
    Key(doc, 7, 0, kPageOpMainMenu);
    Key(doc, 12, 4, kPageOpGoToPage, {12, 0, 0, 0}, 1);
    Key(doc, 12, kTimeoutKey, kPageOpDisconnectAfterMessage);
    doc.openingPage[3] = {7, 0, 0, 7};
    doc.inBand[12].operation = kInBandOpGoToPageFirstLanguage;
    doc.inBand[12].codeLength = 3;
    doc.inBand[12].target = {'0', '0', 0, 0};

    const std::string dot = CallFlowDot(BuildCallFlow(doc));
    auto has = [&dot](const std::string& part) {
        EXPECT_NE(dot.find(part), std::string::npos) << part << "\n" << dot;
    };
    has("digraph \"Diagramma Pagine\" {");
    has("label=\"Tasto Operatore: 9 (tutte le pagine)\"");
    has("p0 [shape=box, style=\"rounded,filled\", fillcolor=\"#dae8fc\", "
        "label=\"Pagina 00\\nBenvenuti \\\"KIV\\\"\"];");
    has("label=\"Pagina 05\\nMen\xC3\xB9 vendite\"");
    has("label=\"Pagina 12\\n(non raggiungibile)\"");
    has("style=\"rounded,filled,dashed\"");
    has("p0 -> p5 [label=\"1\"];");
    has("p0 -> p5 [label=\"2 + Terza Lingua\"];");
    has("p5 -> t0 [label=\"Timeout\"];");
    has("t0 [shape=ellipse, peripheries=2, style=filled, fillcolor=\"#f5f5f5\", "
        "label=\"Disconnessione + Messaggio\"];");
    has("x0 [shape=octagon, style=filled, fillcolor=\"#f8cecc\", color=red, "
        "label=\"Pagina\\n(inesistente)\"];");
    has("p5 -> x0 [label=\"3\", color=red, fontcolor=red];");
    has("in0 [shape=cds, style=filled, fillcolor=\"#d5e8d4\", "
        "label=\"Linea 1\\nLinea 2\\nLinea 3\\nLinea 4: Notte, Pausa\\nEvento In-band 12\"];");
    has("in7 [shape=cds, style=filled, fillcolor=\"#d5e8d4\", label=\"Linea 4: Giorno, "
        "Festivo\"];");
    has("in0 -> p0;");
    has("p7 -> t1 [label=\"0\"];");
    // The same action on another page is a node of its own.
    has("p12 -> t2 [label=\"Timeout\"];");
    has("p12 -> p12 [label=\"4\"];");
    EXPECT_EQ(dot.substr(dot.size() - 2), "}\n");
}

} // namespace
} // namespace kiv::autoatt
