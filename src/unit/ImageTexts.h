#pragma once
// Texts of the parameter image and mailbox transfers, as code page 1252 bytes.

namespace kiv::texts {

inline constexpr const char* sectionLengthError = "La lunghezza dei dati letti \xE8 troppo breve: ";
inline constexpr const char* deleteMailboxesQuestion =
    "Questo processo canceller\xE0 le Caselle gi\xE0 configurate.  Si vuole continuare?";
inline constexpr const char* mailboxesMisconfigured =
    "Le Caselle non sono configurate correttamente. Prego leggere i dati dall'unit\xE0 e "
    "riprovare di nuovo.";

inline constexpr const char* readCaption = "Lettura Parametri";
inline constexpr const char* sendCaption = "Spedizione Parametri";
inline constexpr const char* checkConnection = "Controllare la connessione con l'unit\xE0";
inline constexpr const char* pressOkToContinue = "e premere OK per continuare";
inline constexpr const char* readingSectionFormat = "Lettura Dati Sezione %d";
inline constexpr const char* sendingSectionFormat = "Spedizione Dati Sezione %d";
inline constexpr const char* adoptTypeFormat = "%s %s%s";
inline constexpr const char* continueQuestion = ", Vuoi continuare?";
inline constexpr const char* dataReceived = "Dati Ricevuti";
inline constexpr const char* transferSucceeded = "Trasferimento completato con successo";
inline constexpr const char* passwordCaption = "Password";
inline constexpr const char* passwordPrompt = "Digitare la Password";
inline constexpr const char* pageLanguageMissing = "Lingua Inesistente selezionata nella Pagina";
inline constexpr const char* defaultLanguageMissing =
    "Lingua Inesistente selezionata per Lingua Default";
inline constexpr const char* mailboxLanguageMissing =
    "La Lingua Utente selezionata per la Casella non \xE8 supportata";

} // namespace kiv::texts
