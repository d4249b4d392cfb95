#pragma once
// Texts of the transfers: parameters, recordings, backup, restore, initialization
// (code page 1252 bytes).

#include "unit/link/Texts.h"

namespace kiv::texts {

// Progress of a block transfer (recordings, backup, restore).
inline constexpr const char* blockProgressFormat = "Block %i of %d blocks";
inline constexpr const char* readRecordingsCaption = "Lettura Registrazioni";
inline constexpr const char* sendRecordingsCaption = "Spedizione Registrazioni";
inline constexpr const char* recordingListButton = "Lista delle Registrazioni...";
inline constexpr const char* readRecordingListCaption = "Lista della Pagine da leggere";
inline constexpr const char* sendRecordingListCaption = "Lista delle Pagine da spedire";
inline constexpr const char* pageListEmpty = "La Lista delle Pagine \xE8 vuota";
inline constexpr const char* pageProgressFormat = "Pagina: %02d";
inline constexpr const char* readCaption = "Lettura Parametri";
inline constexpr const char* sendCaption = "Spedizione Parametri";
inline constexpr const char* readingSectionFormat = "Lettura Dati Sezione %d";
inline constexpr const char* sendingSectionFormat = "Spedizione Dati Sezione %d";
inline constexpr const char* adoptTypeFormat = "%s %s%s";
inline constexpr const char* continueQuestion = ", Vuoi continuare?";
inline constexpr const char* pageLanguageMissing = "Lingua Inesistente selezionata nella Pagina";
inline constexpr const char* defaultLanguageMissing =
    "Lingua Inesistente selezionata per Lingua Default";
inline constexpr const char* mailboxLanguageMissing =
    "La Lingua Utente selezionata per la Casella non \xE8 supportata";
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
