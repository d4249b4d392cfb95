#pragma once
// Texts of the statistics and message-list dialogs, as code page 1252 bytes.

namespace kiv::texts {

inline constexpr const char* statRefreshNote =
    "Per aggiornare le informazioni, prego usare l'opzione Lettura Parametri";

// "Generali"
inline constexpr const char* statCaption = "Generali";
inline constexpr const char* statFlashGroup = "Uso Memoria Flash";
inline constexpr const char* statTotalTime = "Tempo Totale";
inline constexpr const char* statUsedTime = "Tempo Usato";
inline constexpr const char* statPercentInUse = "Percentuale in Uso";
inline constexpr const char* statRemainingTime = "Tempo rimasto";
inline constexpr const char* statHoursMinutes = "ore:min";
inline constexpr const char* statPercentSign = "%";
inline constexpr const char* statCallsGroup = "Chiamate per Linea";
inline constexpr const char* statLineHeading = "Linea";
inline constexpr const char* statCallsHeading = "Numero di Chiamate";
inline constexpr const char* statLanguagesGroup = "Lingue";
inline constexpr const char* statLanguageCount = "Numero di Lingue";
inline constexpr const char* statNoLanguage = "Nessuna";
inline constexpr const char* statVersionGroup = "Versione";
inline constexpr const char* statProductVersion = "Versione Prodotto";
inline constexpr const char* statClear = "Cancella";
inline constexpr const char* statClose = "&Chiudi";
// One row of the calls list: the line number and its counter.
inline constexpr const char* statLineRowFormat = "        %d                              %d";

// "Lista dei Messaggi" and "Lista Messaggi per Casella"
inline constexpr const char* msgListCaption = "Lista dei Messaggi";
inline constexpr const char* mboxMsgListCaption = "Lista Messaggi per Casella";
inline constexpr const char* msgMailboxHeading = "Casella";
inline constexpr const char* msgDateHeading = "Data";
inline constexpr const char* msgTimeHeading = "Ora";
inline constexpr const char* msgLengthHeading = "Lungh.";
inline constexpr const char* msgStateHeading = "Stato";
inline constexpr const char* msgShow = "Mos&tra";
inline constexpr const char* msgMailboxNumber = "Numero Casella";
inline constexpr const char* msgNewLength = "Lungh. Totale Nuovi Messaggi";
inline constexpr const char* msgArchivedLength = "Lungh. Totale Messaggi Archiviati";
inline constexpr const char* msgHoursMinutesSeconds = "oo:mm:ss";
inline constexpr const char* msgNewCount = "Numero Totale Nuovi Messaggi";
inline constexpr const char* msgArchivedCount = "Numero Totale Messaggi Archiviati";
inline constexpr const char* msgTotalCount = "Numero Totale Messaggi";
inline constexpr const char* msgArchived = "Arch.";
inline constexpr const char* msgNew = "Nuovo";

} // namespace kiv::texts
