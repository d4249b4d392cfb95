#include "autoattendant/CallFlowRender.h"

#include "autoattendant/CallFlow.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <algorithm>
#include <cctype>

namespace kiv::autoatt {

namespace {

// Graphviz reports through a process-wide callback; the messages of one
// render are collected here (rendering runs on one thread at a time).
std::string* gMessages = nullptr;

int CollectMessage(char* message) {
    if (gMessages && message) *gMessages += message;
    return 0;
}

// One Graphviz context for the whole process: the library keeps font data
// across contexts, and a second context made after the first was freed reads
// freed memory. The context stays until the process ends.
GVC_t* Context() {
    static GVC_t* const gvc = gvContext();
    return gvc;
}

} // namespace

std::optional<DiagramFormat> DiagramFormatOfFileName(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    std::string ext(fileName.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "svg") return DiagramFormat::Svg;
    if (ext == "png") return DiagramFormat::Png;
    if (ext == "pdf") return DiagramFormat::Pdf;
    if (ext == "dot" || ext == "gv") return DiagramFormat::Dot;
    return std::nullopt;
}

bool RenderDot(const std::string& dot, DiagramFormat format, std::string& out, std::string& error) {
    out.clear();
    error.clear();
    if (format == DiagramFormat::Dot) {
        out = dot;
        return true;
    }
    const char* name = format == DiagramFormat::Svg   ? "svg"
                       : format == DiagramFormat::Png ? "png"
                                                      : "pdf";
    std::string messages;
    gMessages = &messages;
    agseterr(AGERR);
    agseterrf(&CollectMessage);
    struct Restore {
        ~Restore() {
            agseterrf(nullptr);
            gMessages = nullptr;
        }
    } restore;

    GVC_t* gvc = Context();
    if (!gvc) {
        error = "graphviz: no context";
        return false;
    }
    Agraph_t* graph = agmemread(dot.c_str());
    if (!graph) {
        error = "graphviz: " + (messages.empty() ? std::string("unreadable graph") : messages);
        return false;
    }
    bool ok = gvLayout(gvc, graph, "dot") == 0;
    if (ok) {
        char* data = nullptr;
        unsigned int length = 0;
        ok = gvRenderData(gvc, graph, name, &data, &length) == 0 && data;
        if (ok) out.assign(data, length);
        if (data) gvFreeRenderData(data);
        gvFreeLayout(gvc, graph);
    }
    agclose(graph);
    if (!ok)
        error = "graphviz: " + (messages.empty() ? std::string("cannot draw ") + name : messages);
    return ok;
}

bool RenderCallFlow(const CQelDoc& doc, DiagramFormat format, std::string& out,
                    std::string& error) {
    return RenderDot(CallFlowDot(BuildCallFlow(doc)), format, out, error);
}

} // namespace kiv::autoatt
