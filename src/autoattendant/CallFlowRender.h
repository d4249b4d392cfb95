#pragma once
// Draws the call-flow diagram: the Graphviz library lays out the "dot" text
// of CallFlowDot and renders it as SVG, PNG or PDF. Kept apart from the core
// library, which depends on nothing but the standard library.

#include <optional>
#include <string>
#include <string_view>

namespace kiv {
class CQelDoc;
}

namespace kiv::autoatt {

enum class DiagramFormat { Svg, Png, Pdf, Dot };

// The format a file name asks for by its extension (".svg", ".png", ".pdf",
// ".dot", any case); none for another extension.
std::optional<DiagramFormat> DiagramFormatOfFileName(std::string_view fileName);

// Lays out `dot` and renders it; the dot format gives the text back as it is.
// False with a reason in `error` when the text cannot be read or drawn.
bool RenderDot(const std::string& dot, DiagramFormat format, std::string& out, std::string& error);

// The diagram of a configuration, rendered.
bool RenderCallFlow(const CQelDoc& doc, DiagramFormat format, std::string& out, std::string& error);

} // namespace kiv::autoatt
