#pragma once
// Texts and names of the PBX database, in code page 1252.

namespace kiv::texts {

inline constexpr const char* kPbxSelectTitle = "Selezione PBX";

} // namespace kiv::texts

namespace kiv {

// The database's root folder under a start folder, and each family's index.
inline constexpr const char* kPbxDatabaseFolder = "PBX Data Base";
inline constexpr const char* kPbxIndexFile = "PBX.xml";

} // namespace kiv
