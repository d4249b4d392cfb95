#include "unit/link/Protocol.h"

#include "document/ProductType.h"
#include "unit/link/Texts.h"

#include <algorithm>
#include <cstdio>

namespace kiv::proto {

std::string IdentReply::Version() const {
    std::string v;
    for (std::size_t k = 0; k < 3; ++k)
        v += static_cast<char>('0' + i[k]);
    return v;
}

std::string IdentReply::Password() const {
    const std::size_t length = std::min<std::size_t>(i[11], 8);
    std::string p;
    for (std::size_t k = 0; k < length; ++k)
        p += static_cast<char>('0' + i[3 + k]);
    return p;
}

std::optional<StatusReply> DecodeStatus(const std::uint8_t* data, std::size_t count) {
    if (!data || count != statusLength) return std::nullopt;
    StatusReply r;
    std::copy_n(data, statusLength, r.s.begin());
    return r;
}

std::optional<IdentReply> DecodeIdent(const std::uint8_t* data, std::size_t count) {
    if (!data || count != identLength) return std::nullopt;
    IdentReply r;
    std::copy_n(data, identLength, r.i.begin());
    return r;
}

std::optional<BlockGeometry> DecodeGeometry(const std::uint8_t* data, std::size_t count) {
    if (!data || count != geometryLength) return std::nullopt;
    BlockGeometry r;
    std::copy_n(data, geometryLength, r.g.begin());
    return r;
}

bool VersionAccepted(std::string_view version) {
    if (version.size() != 3) return false;
    for (char c : version)
        if (c < '0' || c > '9') return false;
    if (version[0] != '7') return false;
    const int value = (version[0] - '0') * 100 + (version[1] - '0') * 10 + (version[2] - '0');
    return value < 740 || value > 759;
}

int ProductTypeOfCode(int productCode) {
    switch (productCode) {
    case 16:
    case 20:
        return 0;
    case 19:
    case 23:
        return 1;
    case 17:
    case 21:
        return 2;
    case 18:
    case 22:
        return 3;
    default:
        return unknownProductType;
    }
}

std::string ProductNameOfCode(int productCode) {
    const int type = ProductTypeOfCode(productCode);
    if (type != unknownProductType) return kiv::ProductTypeName(type);
    char buf[64];
    std::snprintf(buf, sizeof buf, texts::unknownProductFormat, texts::unknownProduct, productCode);
    return buf;
}

std::uint8_t Checksum(const std::uint8_t* data, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t k = 0; k < count; ++k)
        sum += data[k];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

} // namespace kiv::proto
