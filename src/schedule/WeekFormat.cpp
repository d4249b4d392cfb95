#include "schedule/WeekFormat.h"

#include <cctype>

namespace kiv::schedule {

std::optional<WeekFormat> WeekFormatOfFileName(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    if (dot == std::string::npos) return std::nullopt;
    std::string ext;
    for (char c : fileName.substr(dot + 1))
        ext += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "svg") return WeekFormat::Svg;
    if (ext == "png") return WeekFormat::Png;
    if (ext == "pdf") return WeekFormat::Pdf;
    return std::nullopt;
}

} // namespace kiv::schedule
