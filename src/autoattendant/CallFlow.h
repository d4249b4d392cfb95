#pragma once
// The auto-attendant as a graph: pages are nodes, each programmed key and the
// time-out row an edge to what the key does (another page, a mailbox, an
// extension, the operator, a dial string, hang-up ...), and the opening pages
// per line and time mode, the in-band events that route to a page and the
// programmed special pages (which the unit plays by itself when a call is
// busy, unanswered ...) are where calls come in. A page that none of those
// reaches, and a key whose destination does not exist, are marked so that an
// installer sees the dead ends at a glance.
//
// The graph is plain data; CallFlowDot writes it as Graphviz text, which the
// renderer (CallFlowRender.h) lays out and draws.

#include "document/PageOps.h"

#include <string>
#include <vector>

namespace kiv {
class CQelDoc;
}

namespace kiv::autoatt {

// What a key leads to.
enum class FlowKind {
    Page,       // another page (operations 1-4)
    Mailbox,    // a mailbox, by its number
    Extension,  // an extension, by its digits
    Operator,   // the operator
    DialString, // one of the 20 dial strings
    HangUp,     // "Disconnessione", "Disconnessione + Messaggio"
    MainMenu,   // back to the opening page of the call
    Action,     // anything else the unit does itself (name directory, leave a message ...)
};

struct FlowPage {
    int index = 0;           // 0-38
    int number = 0;          // the page number users see
    std::string description; // code page 1252
    int timeout = 0;         // end-of-message time-out, seconds
    bool programmed = false;
    bool special = false;
    bool reachable = false;
};

struct FlowEdge {
    int fromPage = 0; // index
    int row = 0;      // key 0-9, or kTimeoutKey
    int op = 0;
    FlowKind kind = FlowKind::Action;
    int toPage = -1;    // index, for FlowKind::Page
    std::string target; // mailbox number, extension, dial-string number (cp1252)
    bool dangling = false;
    // False when the operation is not one the row may hold; the editor shows
    // such a row as unused, but the stored code still reaches the unit.
    bool offered = true;
};

struct FlowEntry {
    enum Kind { Opening, InBand } kind = Opening;
    int line = 0;  // 0-3, opening pages
    int mode = 0;  // 0-3 (day, night, break, holiday), opening pages
    int event = 0; // 0-39, in-band events
    int page = -1; // index; -1 when the stored value is no page
    bool dangling = false;
};

struct CallFlow {
    std::vector<FlowPage> pages; // the pages drawn, in index order
    std::vector<FlowEdge> edges;
    std::vector<FlowEntry> entries;
    int operatorKey = -1; // the key that reaches the operator on every page, or -1

    // The drawn page at `index`; null when that page is not drawn.
    const FlowPage* Page(int index) const;
};

// Builds the graph of a configuration. A page is drawn when it is programmed,
// an entry point or the destination of a key. The operator key's row is not
// an edge: it goes to the operator on every page, which the graph says once.
CallFlow BuildCallFlow(const CQelDoc& doc);

// The graph as Graphviz "dot" text, UTF-8.
std::string CallFlowDot(const CallFlow& flow);

} // namespace kiv::autoatt
