#include "sim/SimConfig.h"

#include <cstdlib>
#include <sstream>

namespace kiv::sim {

namespace {

bool ParseInt(const std::string& text, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 0);
    if (*end != '\0' || v < -1 || v > 0xFFFF) return false;
    value = static_cast<int>(v);
    return true;
}

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, sep))
        parts.push_back(part);
    return parts;
}

} // namespace

std::string ParseFault(const std::string& text, SimFault& fault) {
    const auto parts = Split(text, ':');
    if (parts.size() < 2 || parts.size() > 4) return "expected kind:target[:value[:times]]";
    const std::string& kind = parts[0];
    if (kind == "silence")
        fault.kind = SimFault::Kind::Silence;
    else if (kind == "short")
        fault.kind = SimFault::Kind::Short;
    else if (kind == "wrong")
        fault.kind = SimFault::Kind::WrongFirst;
    else if (kind == "corrupt")
        fault.kind = SimFault::Kind::Corrupt;
    else if (kind == "refuse")
        fault.kind = SimFault::Kind::Refuse;
    else
        return "unknown fault kind '" + kind + "'";
    const std::string& target = parts[1];
    if (target == "*")
        fault.target = 0;
    else if (target.size() == 1 && std::string("RVCNGHBIJPDA").find(target[0]) != std::string::npos)
        fault.target = target[0];
    else
        return "unknown fault target '" + target + "'";
    fault.value = fault.kind == SimFault::Kind::Refuse ? 'N' : 0;
    if (parts.size() > 2 && !ParseInt(parts[2], fault.value)) return "bad value '" + parts[2] + "'";
    if (parts.size() > 3 && !ParseInt(parts[3], fault.times)) return "bad count '" + parts[3] + "'";
    return {};
}

bool ParseByteList(const std::string& text, std::vector<std::uint8_t>& out) {
    out.clear();
    for (const auto& part : Split(text, ',')) {
        int v = 0;
        if (!ParseInt(part, v) || v < 0 || v > 255) return false;
        out.push_back(static_cast<std::uint8_t>(v));
    }
    return !out.empty();
}

} // namespace kiv::sim
