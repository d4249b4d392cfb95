#pragma once
// Texts of the mailbox, group and parameter editors, in code page 1252. The
// names of coded values are the model's (document/ValueNames.h); the messages
// every part of the program shows are in document/Texts.h.

#include "document/Texts.h"

namespace kiv::editors::texts {

// --- Shared ------------------------------------------------------------------
using kiv::texts::kInputError;
inline constexpr const char* kParameters = "Parametri";

// --- "Lista Caselle" ---------------------------------------------------------
inline constexpr const char* kListMboxCaption = "Lista Caselle";
inline constexpr const char* kListTab = "Lista";
inline constexpr const char* kStatistics = "&Statistiche";
inline constexpr const char* kChange = "Ca&mbia...";
inline constexpr const char* kDelete = "&Cancella";
inline constexpr const char* kCopy = "&Copia";
inline constexpr const char* kAdd = "&Aggiungi";
inline constexpr const char* kTotalMboxes = "Numero Totale Caselle";
inline constexpr const char* kSupervisorMbox = "Casella Supervisore";
inline constexpr const char* kProfileSection = "ListMbox";

inline constexpr const char* kInvalidMboxNumber = "Numero Casella inserito non valido";
inline constexpr const char* kMboxExists = "Casella Vocale esistente";
inline constexpr const char* kMboxUsedInPage =
    "La Casella \xE8 in uso nella Pagina %i e non si pu\xF2 cancellare";
inline constexpr const char* kMboxUsedByProtocol =
    "La Casella \xE8 in uso dal protocollo e non pu\xF2 essere cancellata";
inline constexpr const char* kLimit2 = "Non si possono definire pi\xF9 di 2 Caselle Vocali";
inline constexpr const char* kLimit8 = "Non si possono definire pi\xF9 di 8 Caselle Vocali";
inline constexpr const char* kLimit48 = "Non si possono definire pi\xF9 di 48 Caselle Vocali";
inline constexpr const char* kLimit128 = "Non si possono definire piu' di 128 Caselle Vocali";
// Any other slot count (a configuration of unknown product type).
inline constexpr const char* kLimitFormat = "Non si possono definire pi\xF9 di %d Caselle Vocali";

// Cells of the list.
inline constexpr const char* kHiddenPassword = "****";

// --- Wizard range panel ------------------------------------------------------
inline constexpr const char* kRangeHint =
    "Su questa finestra si pu\xF2 aprire un intervallo di Caselle Vocali.";
inline constexpr const char* kRangeFrom = "Da";
inline constexpr const char* kRangeTo = "A";
inline constexpr const char* kCreateRange = "Crea &Intervallo";
// The list tab's button that opens the range panel in a sheet of its own.
inline constexpr const char* kCreateRangeMore = "Crea &Intervallo...";
// The caption of the sheet that button opens.
inline constexpr const char* kDefMboxCaption = "Crea Intervallo";

// --- "Parametri Casella" -----------------------------------------------------
inline constexpr const char* kNewMbox = "Nuova Casella";
inline constexpr const char* kChangeMbox = "Modifica una Casella";
inline constexpr const char* kEditMboxTab = "Parametri Casella";
inline constexpr const char* kUserPassword = "Password Utente";
inline constexpr const char* kUserLanguage = "Lingua Utente";
inline constexpr const char* kPhone = "Telefono";
inline constexpr const char* kPager = "Pager";
inline constexpr const char* kMbox = "Casella";
inline constexpr const char* kMboxType = "Tipo Casella";
inline constexpr const char* kLocalNotifyLabel = "Notifica Interna";
inline constexpr const char* kExternalNotify = "Notifica Esterna";
inline constexpr const char* kReset = "Reset";
inline constexpr const char* kTimeStamp = "Data/Ora Messaggi";
inline constexpr const char* kEnabled = "Abilitata";
inline constexpr const char* kDnd = "Non Disturbare";
inline constexpr const char* kAllowed = "Autorizzata";
inline constexpr const char* kAnnouncer = "Risponditore";

inline constexpr const char* kVirtualNoLocalNotify =
    "Le Caselle Virtuali non supportano la Notifica Interna";
inline constexpr const char* kVirtualMustBeDnd =
    "Le Caselle Virtuali devono essere settate Non Disturbare = Si";
inline constexpr const char* kNumberRequired =
    "Quando si abilita la Notifica Esterna il Numero di Telefono deve essere definito";

// --- "Gruppo Caselle" --------------------------------------------------------
inline constexpr const char* kGroupCaption = "Gruppo Caselle";
inline constexpr const char* kGroupTab = "Gruppi";
inline constexpr const char* kGroupFirstDigit = "Prima cifra del Gruppo";
inline constexpr const char* kGroupAdd = "Aggiungi";
inline constexpr const char* kGroupRemove = "Rimuovi";
inline constexpr const char* kTooManyMboxes = "Troppe Caselle Vocali";

// --- "Parametri PBX" ---------------------------------------------------------
inline constexpr const char* kPbxCaption = "Parametri PBX";
// "Interni"
inline constexpr const char* kExtensionTab = "Interni";
inline constexpr const char* kOperator = "Operatore";
inline constexpr const char* kExtDigits = "N. Cifre Interni";
inline constexpr const char* kAllowedExt = "Interni PBX Autorizzati";
inline constexpr const char* kOperatorDayExt = "Interno Operatore Giorno";
inline constexpr const char* kFaxExt = "Interno Fax";
inline constexpr const char* kOperatorNightExt = "Interno Operatore Notte";
inline constexpr const char* kRangeRow = "Gruppo: %d"; // rows 0-4; rows 5-9 show the digit only
inline constexpr const char* kExtWizardHint =
    "Prego inserire la dimensione degli interni del PBX, le definizioni dell'Operatore e gli "
    "Interni autorizzati.";
inline constexpr const char* kWizardNextHint =
    " Quando completato prego premere il tasto Avanti per proseguire.";
// "Trasferta Chiamate"
inline constexpr const char* kCallTranTab = "Trasferta Chiamate";
inline constexpr const char* kTransferCode = "Codice di Trasferta";
inline constexpr const char* kRecallOnBusy = "Codice Richiamata su Occupato";
inline constexpr const char* kRecallOnNoAnswer = "Codice Richiamata su Mancata Risposta";
inline constexpr const char* kFlash1 = "Tempo Flash1 (&&)";
inline constexpr const char* kFlash2 = "Tempo Flash2 (@)";
inline constexpr const char* kMsec = "msec";
// "Supervisione"
inline constexpr const char* kSuperTab = "Supervisione";
inline constexpr const char* kSupervisionType = "Tempo Supervisione Trasferte";
inline constexpr const char* kDtmfFromPbx = "Codici DTMF dal PBX";
inline constexpr const char* kAnswerSignal = "Segnale di Risposta";
inline constexpr const char* kBusySignal = "Segnale di Occupato";
inline constexpr const char* kDndSignal = "Segnale Non Disturbare";
inline constexpr const char* kTransferModes = "Modalit\xE0 Trasferimento";
inline constexpr const char* kOtherExt = "Altri Interni";
inline constexpr const char* kNoAnswerWait = "Tempo di attesa per Mancata Risposta";
inline constexpr const char* kSeconds = "sec";
inline constexpr const char* kVoiceSensitivity = "Sensibilit\xE0 Voce";
inline constexpr const char* kSuperWizardHint =
    "Su questa finestra prego scegliere I Parametri del Modo di Trasferimento. (Riempire solo "
    "gli spazi disponibili).";
// "Toni Chiamata"
inline constexpr const char* kTonesTab = "Toni Chiamata";
inline constexpr const char* kBusyTone = "Tono Occupato";
inline constexpr const char* kBusyToneOn = "Tono Occupato Tempo-On";
inline constexpr const char* kBusyToneOff = "Tono Occupato Tempo-Off";
inline constexpr const char* kDisconnectTone = "Tono Disconnessione";
inline constexpr const char* kDisconnectToneOn = "Tono Disconnessione Tempo-On";
inline constexpr const char* kDisconnectToneOff = "Tono Disconeessione Tempo-Off";
inline constexpr const char* kDisconnectCode = "Codice Disconnessione";

// --- "Parametri Notifica Interna e Esterna" ----------------------------------
inline constexpr const char* kNotificationCaption = "Parametri Notifica Interna e Esterna";
inline constexpr const char* kNotificationTab = "Parametri Notifica";
inline constexpr const char* kRingAttempts = "Tentativi Notifica Squillo";
inline constexpr const char* kRingInterval = "Intervallo Notifica Squillo";
inline constexpr const char* kRingDuration = "Durata Notifica Squillo";
inline constexpr const char* kLed1Code = "Codice Led Messaggio 1";
inline constexpr const char* kLed2Code = "Codice Led Messaggio 2";
inline constexpr const char* kLedOffCode = "Codice Spegnimento Led";
inline constexpr const char* kExtNotifyEnd = "Fine Notifica Esterna alle";
inline constexpr const char* kExtNotifyStart = "Inizio Notifica Esterna alle";
inline constexpr const char* kLineSeizeCode = "Codice Impegno Linea Esterna";
inline constexpr const char* kLedMode = "Attivazione Led Messaggio";
inline constexpr const char* kNotifWizardHint =
    "Inserire il codice del PBX per accendere e spegnere il Led Messaggio";

// --- "Parametri Sistema" -----------------------------------------------------
inline constexpr const char* kSysParCaption = "Parametri Sistema";
inline constexpr const char* kMinutes = "min";
inline constexpr const char* kMaxRecordTime = "Tempo Massimo di Registrazione ";
inline constexpr const char* kDefaultLanguage = "Lingua Sistema di Default";
inline constexpr const char* kAutoVolume = "Controllo Volume Automatico";
inline constexpr const char* kNameOrder = "Elenco Nomi";
inline constexpr const char* kEnabledMasc = "Abilitato";
inline constexpr const char* kRecordTimeWarning =
    "La modifica del parametro potr\xE0 influire sulle operazioni dell'unit\xE0";

// --- "Ora, Data e Orario Settimanale" and its inner sheet "Auto" -------------
inline constexpr const char* kTimeDateCaption = "Ora, Data e Orario Settimanale";
inline constexpr const char* kTimeDateTab = "Ora e Data";
inline constexpr const char* kSystemTime = "Ora di Sistema";
inline constexpr const char* kSystemDate = "Data di Sistema";
inline constexpr const char* kOperatingMode = "Modo Operativo";
inline constexpr const char* kSchedules = "&Orari";
inline constexpr const char* kAutoCaption = "Auto";
inline constexpr const char* kWeeklyTab = "Orario Settimanale";
inline constexpr const char* kAutoBreakTab = "Auto Pausa";
inline constexpr const char* kHolidayTab = "Orario Festivit\xE0";
inline constexpr const char* kWorkHours = "Orario Lavoro";
inline constexpr const char* kBreakHours = "Orario Pausa";
inline constexpr const char* kFrom = "Da";
inline constexpr const char* kTo = "A";
inline constexpr const char* kWeekdayHead = "Giorno della settimana";
inline constexpr const char* kPrevDay = "<< Prec.";
inline constexpr const char* kNextDay = "Succ. >>";
inline constexpr const char* kBreakRow = "Pausa %d";
inline constexpr const char* kBreakPage = "Pagona";
inline constexpr const char* kHolidayDate = "Data";
inline constexpr const char* kHolidayStart = "Inizio";
inline constexpr const char* kHolidayEnd = "Fine";
inline constexpr const char* kHolidayText = "Descrizione";
inline constexpr const char* kHolidayRemove = "&Rimuovi";
inline constexpr const char* kAddHolidayCaption = "Aggiungi alla Lista Festivit\xE0";

// --- Mailbox parameters ("Parametri" tab of "Lista Caselle") ------------------
inline constexpr const char* kArchiveDays = "N. Massimo Giorni per Archiviare Messaggi";
inline constexpr const char* kListenKey = "Tasto Ascolto Messaggi";
inline constexpr const char* kListenKeyNote = "durante l'ascolto del Risponditore";
inline constexpr const char* kOperatorKey = "Tasto Operatore";

// --- Mailbox list to and from a CSV file ("Lista Caselle") --------------------
inline constexpr const char* kExportCsv = "Esporta CSV...";
inline constexpr const char* kImportCsv = "Importa CSV...";
inline constexpr const char* kCsvFilter = "File CSV (*.csv)";
// A refusal names its line, then its column when it has one.
inline constexpr const char* kCsvLine = "Riga %d";
inline constexpr const char* kCsvColumn = ", colonna ";
inline constexpr const char* kCsvBadQuotes = "Virgolette non chiuse o fuori posto";
inline constexpr const char* kCsvFieldCount = "Numero di colonne errato: %d invece di %d";
inline constexpr const char* kCsvMissingColumn = "Colonna mancante: ";
inline constexpr const char* kCsvUnknownColumn = "Colonna sconosciuta: ";
inline constexpr const char* kCsvBadCharacters =
    "Caratteri non ammessi: il testo non \xE8 UTF-8 o ha caratteri che l'unit\xE0 non conosce";
inline constexpr const char* kCsvCodeRange =
    "valore \"%s\" non ammesso: si scrive un numero da %d a %d";
inline constexpr const char* kCsvPassword =
    "password non ammessa: si scrive 6071 (la password iniziale), **** o niente (la password "
    "della casella resta)";
inline constexpr const char* kCsvBadNumber =
    "Numero Casella inserito non valido: \"%s\" (%d cifre)";
inline constexpr const char* kCsvRepeated =
    "Casella Vocale esistente: il numero %s \xE8 gi\xE0 alla riga %d";
inline constexpr const char* kCsvBadChar =
    "valore \"%s\": il carattere \"%s\" non \xE8 ammesso (ammessi %s)";
inline constexpr const char* kCsvTooLong = "valore \"%s\" troppo lungo: al massimo %d caratteri";
inline constexpr const char* kCsvNotAuthorised =
    "valore \"%s\": un numero \xE8 ammesso solo per una casella autorizzata (authorised 1)";
inline constexpr const char* kCsvRefused = "Il file non \xE8 stato importato:";
// The window that lists the refused rows.
inline constexpr const char* kCsvErrorsTitle = "Importa CSV";
inline constexpr const char* kCsvLineHead = "Riga";
inline constexpr const char* kCsvColumnHead = "Colonna";
inline constexpr const char* kCsvFaultHead = "Errore";
inline constexpr const char* kCsvCannotRead = "Impossibile leggere il file";
inline constexpr const char* kCsvCannotWrite = "Impossibile scrivere il file";

} // namespace kiv::editors::texts
