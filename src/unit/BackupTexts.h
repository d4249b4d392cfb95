#pragma once
// Texts of the backup, restore and system initialization, as code page 1252 bytes.

namespace kiv::texts {

inline constexpr const char* backupCaption = "Salvataggio";
inline constexpr const char* restoreCaption = "Ripristina";
inline constexpr const char* sysInitCaption = "Inizializzazione Sistema";
inline constexpr const char* backupPageFormat = "Page %i of %d pages";
inline constexpr const char* allDataLost =
    "Tutti i dati esistenti all'interno dell'unit\xE0 verranno persi";
inline constexpr const char* resetUnitFirst =
    "Prego resettare l'unit\xE0 prima di spedirgli i dati";
// The caption of the file name field.
inline constexpr const char* fileNameLabel = "Nome File:";
inline constexpr const char* waxFilter = "Files WAX (wax)";
inline constexpr const char* voxFilter = "Files VOX (vox)";

} // namespace kiv::texts
