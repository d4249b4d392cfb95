#include "autoattendant/CallFlow.h"

#include "autoattendant/PageRules.h"
#include "autoattendant/ScriptPages.h"
#include "autoattendant/Texts.h"
#include "document/Cp1252.h"
#include "document/ProductType.h"
#include "document/QelDoc.h"
#include "editors/MboxRefs.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace kiv::autoatt {

namespace {

// A destination of a page key, from its stored entry.
FlowEdge EdgeOf(const CQelDoc& doc, int page, int row) {
    const PageEntry& entry = doc.pages[page][row];
    FlowEdge edge;
    edge.fromPage = page;
    edge.row = row;
    edge.op = entry.op;
    edge.offered = IsPageOpOffered(entry.op, row, page);
    switch (entry.op) {
    case kPageOpGoToPage:
    case kPageOpGoToPageFirstLanguage:
    case kPageOpGoToPageSecondLanguage:
    case kPageOpGoToPageThirdLanguage:
        edge.kind = FlowKind::Page;
        if (entry.target[0] < kPageCount)
            edge.toPage = entry.target[0];
        else
            edge.dangling = true;
        break;
    case kPageOpToExtension:
        edge.kind = FlowKind::Extension;
        // The same reading as the page editor's: a stored extension it
        // cannot show is no extension.
        edge.target = DestinationText(entry, editors::MailboxesInUse(doc), doc.slotLimit);
        edge.dangling = edge.target.empty();
        break;
    case kPageOpToMailbox: {
        edge.kind = FlowKind::Mailbox;
        std::optional<std::string> number;
        if (entry.targetInfo == 1)
            number =
                editors::NumberOfSlot(editors::MailboxesInUse(doc), entry.target[0], doc.slotLimit);
        if (number)
            edge.target = *number;
        else
            edge.dangling = true;
        break;
    }
    case kPageOpDialString:
        edge.kind = FlowKind::DialString;
        if (entry.targetInfo == 1 && entry.target[0] < kDialStrings) {
            edge.target = std::to_string(entry.target[0]);
            // An empty string dials nothing: the key goes nowhere.
            edge.dangling = doc.dialStrings[entry.target[0]].empty();
        } else {
            edge.dangling = true;
        }
        break;
    case kPageOpDisconnect:
    case kPageOpDisconnectAfterMessage:
        edge.kind = FlowKind::HangUp;
        break;
    case kPageOpMainMenu:
        edge.kind = FlowKind::MainMenu;
        break;
    case kPageOpToOperator:
        edge.kind = FlowKind::Operator;
        break;
    default:
        edge.kind = FlowKind::Action;
        break;
    }
    return edge;
}

// A text inside a dot string. Control characters (a page description may
// hold any byte) are not allowed in XML, not even as character references,
// so an SVG holding one is no XML at all: each is drawn as its visible
// symbol (U+2400 + code, U+2421 for DEL) instead.
std::string Escape(std::string_view utf8) {
    std::string out;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            const unsigned symbol = byte == 0x7F ? 0x2421 : 0x2400 + byte;
            out += static_cast<char>(0xE0 | (symbol >> 12));
            out += static_cast<char>(0x80 | ((symbol >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (symbol & 0x3F));
            continue;
        }
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

// A dot label from code page 1252 lines.
std::string Label(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines) {
        if (!out.empty()) out += "\\n";
        out += Escape(Cp1252ToUtf8(line));
    }
    return out;
}

std::string KeyName(int row) {
    return row == kTimeoutKey ? std::string(texts::kTimeoutRow) : std::to_string(row);
}

std::string PageId(int index) {
    return "p" + std::to_string(index);
}

} // namespace

const FlowPage* CallFlow::Page(int index) const {
    for (const FlowPage& page : pages)
        if (page.index == index) return &page;
    return nullptr;
}

CallFlow BuildCallFlow(const CQelDoc& doc) {
    CallFlow flow;
    const bool operatorKey = doc.operatorKey >= 0 && doc.operatorKey <= 9;
    flow.operatorKey = operatorKey ? doc.operatorKey : -1;

    std::array<bool, kPageCount> drawn{};
    std::array<bool, kPageCount> root{};

    // Entry points: the opening page of each line the product answers, per
    // time mode, and every in-band event that routes a call to a page.
    const int lines = std::min(LineCount(doc.productType), kLines);
    for (int line = 0; line < lines; ++line) {
        for (int mode = 0; mode < kModes; ++mode) {
            FlowEntry entry;
            entry.line = line;
            entry.mode = mode;
            const int page = doc.openingPage[line][mode];
            if (page >= 0 && page < kOrdinaryPages)
                entry.page = page;
            else
                entry.dangling = true;
            flow.entries.push_back(entry);
        }
    }
    for (int e = 0; e < static_cast<int>(doc.inBand.size()); ++e) {
        const InBandEntry& event = doc.inBand[e];
        if (event.codeLength == 0 || !IsInBandOpToPage(event.operation)) continue;
        FlowEntry entry;
        entry.kind = FlowEntry::InBand;
        entry.event = e;
        // The page number's two characters, as the protocol editor stores them.
        const char digits[2] = {static_cast<char>(event.target[0]),
                                static_cast<char>(event.target[1])};
        entry.page = PageIndexOfText(std::string_view(digits, 2));
        entry.dangling = entry.page < 0;
        flow.entries.push_back(entry);
    }
    for (const FlowEntry& entry : flow.entries)
        if (entry.page >= 0) drawn[entry.page] = root[entry.page] = true;

    for (int page = 0; page < kPageCount; ++page) {
        const bool programmed = IsPageProgrammed(doc.pages[page]);
        if (programmed) drawn[page] = true;
        // The unit plays a special page by itself (busy, no answer ...).
        if (programmed && IsSpecialPage(page)) root[page] = true;
        for (int row = 0; row < kPageKeys; ++row) {
            if (row == flow.operatorKey || doc.pages[page][row].op == kPageOpNotUsed) continue;
            FlowEdge edge = EdgeOf(doc, page, row);
            if (edge.toPage >= 0) drawn[edge.toPage] = true;
            flow.edges.push_back(std::move(edge));
        }
    }

    // Which pages a call can reach, following page keys from the roots.
    std::array<bool, kPageCount> reached = root;
    for (bool grew = true; grew;) {
        grew = false;
        for (const FlowEdge& edge : flow.edges) {
            if (edge.toPage >= 0 && reached[edge.fromPage] && !reached[edge.toPage])
                reached[edge.toPage] = grew = true;
        }
    }

    for (int page = 0; page < kPageCount; ++page) {
        if (!drawn[page]) continue;
        FlowPage node;
        node.index = page;
        node.number = PageNumber(page);
        node.description = PageDescription(doc.pageText, page);
        node.timeout = doc.pageTimeout[page];
        node.programmed = IsPageProgrammed(doc.pages[page]);
        node.special = IsSpecialPage(page);
        node.reachable = reached[page];
        flow.pages.push_back(std::move(node));
    }
    return flow;
}

std::string CallFlowDot(const CallFlow& flow) {
    std::string dot = "digraph \"" + Label({texts::kDiagramTitle}) + "\" {\n";
    dot += "  graph [rankdir=LR, fontname=\"DejaVu Sans\", fontsize=10, labelloc=b";
    if (flow.operatorKey >= 0)
        dot += ", label=\"" +
               Label({std::string(texts::kFlowOperatorKey) + ": " +
                      std::to_string(flow.operatorKey) + " (" + texts::kFlowAllPages + ")"}) +
               "\"";
    dot += "];\n";
    dot += "  node [fontname=\"DejaVu Sans\", fontsize=10];\n";
    dot += "  edge [fontname=\"DejaVu Sans\", fontsize=9];\n";

    for (const FlowPage& page : flow.pages) {
        std::string first = std::string(texts::kPageWord) + " " + PageNumberText(page.index);
        std::vector<std::string> lines{first};
        if (!page.description.empty()) lines.push_back(page.description);
        std::string label;
        for (const std::string& line : lines)
            label += (label.empty() ? "" : "\\n") + Escape(Cp1252ToUtf8(line));
        if (!page.reachable) label += "\\n(" + Label({texts::kFlowUnreachable}) + ")";
        dot += "  " + PageId(page.index) + " [shape=box, style=\"rounded,filled";
        if (!page.reachable) dot += ",dashed";
        dot += "\", fillcolor=\"";
        dot += !page.reachable ? "#eeeeee" : page.special ? "#fff2cc" : "#dae8fc";
        dot += "\", label=\"" + label + "\"];\n";
    }

    // Entry points: one node per page, with a line for each telephone line
    // that opens on it (its modes named unless it opens there in all four)
    // and for each in-band event that routes to it.
    std::map<int, std::map<int, std::vector<int>>> openingModes; // page -> line -> modes
    std::map<int, std::vector<int>> inBandEvents;                // page -> events
    int missing = 0;
    auto missingNode = [&dot, &missing](const std::string& what) {
        const std::string id = "x" + std::to_string(missing++);
        dot += "  " + id + " [shape=octagon, style=filled, fillcolor=\"#f8cecc\", color=red, " +
               "label=\"" + Label({what, std::string("(") + texts::kFlowMissing + ")"}) + "\"];\n";
        return id;
    };
    auto lineName = [](int line) {
        return std::string(texts::kLine) + " " + std::to_string(line + 1);
    };
    auto eventName = [](int event) {
        return std::string(texts::kFlowInBandEvent) + " " + std::to_string(event);
    };
    for (const FlowEntry& entry : flow.entries) {
        if (entry.dangling) {
            const std::string name =
                entry.kind == FlowEntry::Opening
                    ? lineName(entry.line) + " " + texts::kModeHeads[entry.mode]
                    : eventName(entry.event);
            const std::string id = "e" + std::to_string(missing);
            dot += "  " + id + " [shape=cds, style=filled, fillcolor=\"#d5e8d4\", label=\"" +
                   Label({name}) + "\"];\n";
            dot += "  " + id + " -> " + missingNode(texts::kPageWord) + " [color=red];\n";
        } else if (entry.kind == FlowEntry::Opening) {
            openingModes[entry.page][entry.line].push_back(entry.mode);
        } else {
            inBandEvents[entry.page].push_back(entry.event);
        }
    }
    for (int page = 0; page < kPageCount; ++page) {
        std::vector<std::string> names;
        for (const auto& [line, modes] : openingModes[page]) {
            std::string name = lineName(line);
            if (modes.size() < kModes) {
                for (std::size_t m = 0; m < modes.size(); ++m)
                    name += (m == 0 ? ": " : ", ") + std::string(texts::kModeHeads[modes[m]]);
            }
            names.push_back(name);
        }
        for (int event : inBandEvents[page])
            names.push_back(eventName(event));
        if (names.empty()) continue;
        std::string label;
        for (const std::string& name : names)
            label += (label.empty() ? "" : "\\n") + Escape(Cp1252ToUtf8(name));
        dot += "  in" + std::to_string(page) +
               " [shape=cds, style=filled, fillcolor=\"#d5e8d4\", label=\"" + label + "\"];\n";
        dot += "  in" + std::to_string(page) + " -> " + PageId(page) + ";\n";
    }

    // Destinations other than pages. A mailbox, an extension or a dial string
    // is one node however many keys lead to it; what the unit does itself
    // (hang up, the operator, a menu of its own) gets a node beside each page
    // that uses it, so that the drawing does not pull every page together.
    std::map<std::string, std::string> terminals; // key -> id
    auto terminal = [&dot, &terminals](const std::string& key, const std::string& label,
                                       const char* shape, const char* fill) {
        auto it = terminals.find(key);
        if (it != terminals.end()) return it->second;
        const std::string id = "t" + std::to_string(terminals.size());
        terminals.emplace(key, id);
        dot += "  " + id + " [shape=" + shape + ", style=filled, fillcolor=\"" + fill +
               "\", label=\"" + Label({label}) + "\"];\n";
        return id;
    };
    auto shared = [&terminal](const std::string& label, const char* shape, const char* fill) {
        return terminal(label, label, shape, fill);
    };
    auto beside = [&terminal](int page, const std::string& label, const char* shape,
                              const char* fill) {
        return terminal(PageId(page) + ":" + label, label, shape, fill);
    };

    for (const FlowEdge& edge : flow.edges) {
        std::string label = KeyName(edge.row);
        const int language = PageOpLanguage(edge.op);
        if (edge.kind == FlowKind::Page && language >= 0) {
            // "Vai a Pagina + Seconda Lingua" -> "+ Seconda Lingua"
            const std::string opLabel = PageOpLabel(edge.op);
            label += " " + opLabel.substr(opLabel.find('+'));
        }
        std::string to;
        if (edge.dangling) {
            std::string what;
            switch (edge.kind) {
            case FlowKind::Page:
                what = texts::kPageWord;
                break;
            case FlowKind::Mailbox:
                what = texts::kFlowMailbox;
                break;
            case FlowKind::Extension:
                what = texts::kFlowExtension;
                break;
            default:
                what =
                    std::string(texts::kFlowDialString) +
                    (edge.target.empty() ? "" : " " + edge.target + " " + texts::kFlowEmptyString);
                break;
            }
            to = missingNode(what);
        } else {
            switch (edge.kind) {
            case FlowKind::Page:
                to = PageId(edge.toPage);
                break;
            case FlowKind::Mailbox:
                to = shared(std::string(texts::kFlowMailbox) + " " + edge.target, "folder",
                            "#e1d5e7");
                break;
            case FlowKind::Extension:
                to = shared(std::string(texts::kFlowExtension) + " " + edge.target, "note",
                            "#ffe6cc");
                break;
            case FlowKind::DialString:
                to = shared(std::string(texts::kFlowDialString) + " " + edge.target, "note",
                            "#ffe6cc");
                break;
            case FlowKind::Operator:
                to = beside(edge.fromPage, texts::kOperatorRow, "house", "#ffe6cc");
                break;
            case FlowKind::HangUp:
                to = beside(edge.fromPage, PageOpLabel(edge.op), "ellipse, peripheries=2",
                            "#f5f5f5");
                break;
            default:
                to = beside(edge.fromPage, PageOpLabel(edge.op), "ellipse", "#f5f5f5");
                break;
            }
        }
        dot += "  " + PageId(edge.fromPage) + " -> " + to + " [label=\"" + Label({label}) + "\"";
        if (edge.dangling) dot += ", color=red, fontcolor=red";
        if (!edge.offered) dot += ", style=dotted";
        dot += "];\n";
    }
    dot += "}\n";
    return dot;
}

} // namespace kiv::autoatt
