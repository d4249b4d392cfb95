#pragma once
// Texts shown by the unit link and transfers, as code page 1252 bytes.

#include "document/Texts.h"

namespace kiv::texts {

inline constexpr const char* cannotOpenPort = "Impossibile aprire la porta COM";
inline constexpr const char* commTimeout = "Time-out Comunicazione";
inline constexpr const char* cannotRead = "La Stringa non pu\xF2 essere letta";
inline constexpr const char* wrongVersion = "Versione Errata";
inline constexpr const char* wrongProduct = "Tipo Prodotto errato";
inline constexpr const char* connectedTypeIs = "Il dispositivo connesso \xE8 del tipo";
inline constexpr const char* productMismatchFormat = "%s. %s %s";
inline constexpr const char* checksumError = "Errore di Check Sum";
inline constexpr const char* systemError = "Errore di Sistema";
inline constexpr const char* unknownProduct = "Sconosciuto";
inline constexpr const char* unknownProductFormat = "%s (%02d)";

inline constexpr const char* waitLineCaption = "Attesa linea libera";
inline constexpr const char* pleaseWait = "Attendere Prego...";

inline constexpr const char* portDialogCaption = "Selezione Porta COM";
inline constexpr const char* portLabel[4] = {"Porta Com 1", "Porta Com 2", "Porta Com 3",
                                             "Porta Com 4"};
// Beside a port whose device is not there.
inline constexpr const char* portMissing = " - assente";

// Progress of a block transfer (recordings, backup, restore).
inline constexpr const char* blockProgressFormat = "Block %i of %d blocks";

// The button beside a transfer's file name field.
inline constexpr const char* browseButton = "&Sfoglia...";

inline constexpr const char* wrongPassword = "Password errata";
inline constexpr const char* changePasswordCaption = "Cambiare Password";
inline constexpr const char* currentPasswordPrompt = "Digitare la Password corrente";
inline constexpr const char* newPasswordPrompt = "Digitare la nuova Password";
inline constexpr const char* confirmPasswordPrompt = "Confermare la nuova Password";

// The differences between the configuration and the unit, before a send.
inline constexpr const char* compareCaption = "Confronta con l'Unit\xE0";
inline constexpr const char* compareFilter = "Filtro";
inline constexpr const char* compareField = "Campo";
inline constexpr const char* compareConfiguration = "Configurazione";
inline constexpr const char* compareUnit = "Unit\xE0";
inline constexpr const char* compareNone = "Nessuna differenza";
inline constexpr const char* compareSend = "&Spedisci";
inline constexpr const char* compareClose = "&Chiudi";
inline constexpr const char* readRecordingsCaption = "Lettura Registrazioni";
inline constexpr const char* sendRecordingsCaption = "Spedizione Registrazioni";
inline constexpr const char* recordingListButton = "Lista delle Registrazioni...";
inline constexpr const char* readRecordingListCaption = "Lista della Pagine da leggere";
inline constexpr const char* sendRecordingListCaption = "Lista delle Pagine da spedire";
inline constexpr const char* pageListEmpty = "La Lista delle Pagine \xE8 vuota";
inline constexpr const char* pageProgressFormat = "Pagina: %02d";

} // namespace kiv::texts
