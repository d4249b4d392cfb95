#pragma once
// Texts of the differences window, as code page 1252 bytes.

namespace kiv::texts {

// The differences between the configuration and the unit, before a send.
inline constexpr const char* compareCaption = "Confronta con l'Unit\xE0";
inline constexpr const char* compareFilter = "Filtro";
inline constexpr const char* compareField = "Campo";
inline constexpr const char* compareConfiguration = "Configurazione";
inline constexpr const char* compareUnit = "Unit\xE0";
inline constexpr const char* compareNone = "Nessuna differenza";
inline constexpr const char* compareSend = "&Spedisci";
inline constexpr const char* compareClose = "&Chiudi";

} // namespace kiv::texts
