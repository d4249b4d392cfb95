#pragma once
// The formats the week picture is written in: the SVG drawing as it is, or
// drawn into a PNG image or a one-page PDF (schedule/ui/WeekPictureRender.h).

#include <optional>
#include <string>

namespace kiv::schedule {

enum class WeekFormat { Svg, Png, Pdf };

// The format a file name's extension names (case-insensitive), if any.
std::optional<WeekFormat> WeekFormatOfFileName(const std::string& fileName);

} // namespace kiv::schedule
