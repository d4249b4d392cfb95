#include "document/ProductType.h"

#include <cctype>

namespace kiv {
namespace {

constexpr ProductTypeInfo kTypes[kProductTypeCount] = {
    {0, "RZ 128 Mbx", "qel", 129, "default.qel", "Untitled.qel"},
    {1, "RZ 48 Mbx", "dax", 49, "default.dax", "Untitled.dax"},
    {2, "RZ 8 Mbx", "ri8", 9, "default.ri8", "Untitled.ri8"},
    {3, "RZ 2 Mbx", "ri2", 3, "default.ri2", "Untitled.ri2"},
};

} // namespace

const ProductTypeInfo* FindProductType(int type) {
    if (type < 0 || type >= kProductTypeCount) return nullptr;
    return &kTypes[type];
}

const char* ProductTypeName(int type) {
    const ProductTypeInfo* info = FindProductType(type);
    return info ? info->name : "Sconosciuto";
}

int MaxMailboxes(int type) {
    const ProductTypeInfo* info = FindProductType(type);
    return info ? info->slotCount - 1 : 0;
}

int LineCount(int type) {
    return type == 1 ? 2 : 4;
}

std::optional<int> ProductTypeFromFileName(std::string_view fileName) {
    if (fileName.size() < 3) return std::nullopt;
    std::string tail;
    for (char c : fileName.substr(fileName.size() - 3))
        tail += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& t : kTypes)
        if (tail == t.extension) return t.type;
    return std::nullopt;
}

} // namespace kiv
