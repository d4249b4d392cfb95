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
// What the comparison with the unit covers, said above the list.
inline constexpr const char* compareScopeUnit =
    "Sono confrontati i dati che \"Spedizione Parametri\" invia all'unit\xE0: descrizioni "
    "delle pagine, descrizioni delle festivit\xE0, elenco delle registrazioni, lingue e "
    "password dell'unit\xE0 restano fuori.";

// Rows of the comparison that no sheet labels.
inline constexpr const char* compareProductType = "Tipo Prodotto";
inline constexpr const char* compareLanguageCode = "Lingua %d";
inline constexpr const char* compareUnitPassword = "Password Unit\xE0";

} // namespace kiv::texts
