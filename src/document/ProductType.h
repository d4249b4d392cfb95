#pragma once
// The four product types: name, file extension, slot count and default file.

#include <optional>
#include <string>
#include <string_view>

namespace kiv {

struct ProductTypeInfo {
    int type;
    const char* name;        // "RZ 128 Mbx"
    const char* extension;   // "qel", without the dot
    int slotCount;           // S: mailbox slots of the unit
    const char* defaultFile; // "default.qel"
    const char* untitled;    // "Untitled.qel"
};

inline constexpr int kProductTypeCount = 4;
inline constexpr int kMaxSlots = 129; // storage is sized for the largest product

// The row of a product type 0-3, or nullptr for any other value.
const ProductTypeInfo* FindProductType(int type);

// Name shown for a product type; any other value shows "Sconosciuto".
const char* ProductTypeName(int type);

// Largest number of mailboxes of a product type (S - 1); 0 for unknown types.
int MaxMailboxes(int type);

// Lines the unit answers: 2 for "RZ 48 Mbx", 4 for every other type.
int LineCount(int type);

// Product type of a file name from its last three characters, case-insensitive.
std::optional<int> ProductTypeFromFileName(std::string_view fileName);

} // namespace kiv
