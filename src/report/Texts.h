#pragma once
// The texts the configuration report prints, in code page 1252. The value
// names it shares with the editors live in document/ValueNames.h and
// document/PageOps.h.

namespace kiv::report {

// Page header.
inline constexpr const char* kPageWord = "Pagina";
inline constexpr const char* kMonths[12] = {"gennaio",   "febbraio", "marzo",    "aprile",
                                            "maggio",    "giugno",   "luglio",   "agosto",
                                            "settembre", "ottobre",  "novembre", "dicembre"};

// A print that cannot start or be finished.
inline constexpr const char* kPrintFailed =
    "Impossibile stampare: la stampante non \xE8 disponibile, ha rifiutato la stampa o il file "
    "non pu\xF2 essere scritto";

// Units.
inline constexpr const char* kMsec = "msec";
inline constexpr const char* kSec = "sec";
inline constexpr const char* kMin = "min";

// PBX parameters.
inline constexpr const char* kPbxHeading = "PARAMETRI PBX";
inline constexpr const char* kExtensions = "Interni";
inline constexpr const char* kExtDigits = "N. Cifre Interni";
inline constexpr const char* kOperatorKey = "Tasto Operatore";
inline constexpr const char* kOperatorDay = "Interno Operatore Giorno";
inline constexpr const char* kOperatorNight = "Interno Operatore Notte";
inline constexpr const char* kFax = "Interno Fax";
inline constexpr const char* kAllowedExt = "Interni Autorizzati PBX";
inline constexpr const char* kRangeGroup = "Gruppo %d :";
inline constexpr const char* kFrom = "Da";
inline constexpr const char* kTo = "A";
inline constexpr const char* kCallTransfer = "Trasferta Chiamate";
inline constexpr const char* kTransferCode = "Codice di Transferta";
inline constexpr const char* kRecallOnBusy = "Richiamata su Occupato";
inline constexpr const char* kRecallOnNoAnswer = "Richiamata su Mancata Risposta";
inline constexpr const char* kFlash1 = "Flash1";
inline constexpr const char* kFlash2 = "Flash2";
inline constexpr const char* kFlash2Value = ": 1200 %s";
inline constexpr const char* kSupervision = "Supervisione";
inline constexpr const char* kSupervisionType = "Tipo Supervisione Trasferte";
inline constexpr const char* kAnswerSignal = "Segnale Risposta";
inline constexpr const char* kBusySignal = "Segnale Occupato";
inline constexpr const char* kDndSignal = "Segnale Non Disturbare";
inline constexpr const char* kTransferMode = "Modalit\xE0 Trasferta";
inline constexpr const char* kToOperator = "Operatore";
inline constexpr const char* kToOthers = "Altri Interni";
inline constexpr const char* kNoAnswerWait = "Tempo di attesa per Mancata Risposta";
inline constexpr const char* kVoiceSensitivity = "Sensibilit\xE0 Voce";
inline constexpr const char* kCallTones = "Toni Chiamata";
inline constexpr const char* kBusyTone = "Tono Occupato";
inline constexpr const char* kBusyToneOn = "Tono Occupato Tempo-On";
inline constexpr const char* kBusyToneOff = "Tono Occupato Tempo-Off";
inline constexpr const char* kDisconnectTone = "Tono Disconnessione";
inline constexpr const char* kDisconnectCode = "Codice Disconnessione";
inline constexpr const char* kDisconnectToneOn = "Tono Disconnessione Tempo-On";
inline constexpr const char* kDisconnectToneOff = "Tono Disconnessione Tempo-Off";

// System parameters.
inline constexpr const char* kSystemHeading = "PARAMETRI SISTEMA";
inline constexpr const char* kMaxRecordTime = "Tempo Massimo Registrazione";
inline constexpr const char* kDefaultLanguage = "Lingua Sistema di Default";
inline constexpr const char* kNameOrder = "Elenco Nomi";
inline constexpr const char* kAutoVolume = "Controllo Volume Automatico";

// In-band protocol.
inline constexpr const char* kInBandHeading = "PROTOCOLLO IN-BAND DTMF";
inline constexpr const char* kEvent = "Evento";
inline constexpr const char* kCodeFromPbx = "Codice Ricevuto dal PBX";
inline constexpr const char* kOperation = "Operazione";
inline constexpr const char* kDescription = "Descrizione";
inline constexpr const char* kFirstDtmf = "Tempo Massimo di Attesa Primo DTMF";
inline constexpr const char* kInterDtmf = "Massimo Ritardo tra DTMF";

// Schedule.
inline constexpr const char* kClockHeading = "ORA E DATA";
inline constexpr const char* kSystemTime = "Ora di Sistema";
inline constexpr const char* kSystemDate = "Data di Sistema";
inline constexpr const char* kOperatingMode = "Modo Operativo";
inline constexpr const char* kWeeklyHeading = "ORARIO SETTIMANALE";
inline constexpr const char* kWorkHours = "Orario Lavoro";
inline constexpr const char* kBreaks = "Orario Pausa";
inline constexpr const char* kBreakPage = "Pagona";
inline constexpr const char* kHolidayHeading = "ORARIO FESTIVITA'";
inline constexpr const char* kHolidayDate = "Data";
inline constexpr const char* kHolidayStart = "Inizio";
inline constexpr const char* kHolidayEnd = "Fine";
inline constexpr const char* kEmptyHolidayDate = "00/00";

// Notification and mailbox parameters.
inline constexpr const char* kNotifyHeading = "PARAMETRI NOTIFICA";
inline constexpr const char* kLed1Code = "Codice Led Messaggio 1";
inline constexpr const char* kLed2Code = "Codice Led Messaggio 2";
inline constexpr const char* kLedOffCode = "Codice Spegnimento Led";
inline constexpr const char* kLineSeizeCode = "Codice Impegno Linea Esterna";
inline constexpr const char* kRingInterval = "Intervallo Notifica Squillo";
inline constexpr const char* kRingAttempts = "Tentativi Notifica Squillo";
inline constexpr const char* kRingDuration = "Durata Notifica Squillo";
inline constexpr const char* kNotifyStart = "Inizio Notifica Esterna alle";
inline constexpr const char* kNotifyEnd = "Fine Notifica Esterna alle";
inline constexpr const char* kLedMode = "Attivazione Led Messaggio";
inline constexpr const char* kMboxParamHeading = "PARAMETRI CASELLE";
inline constexpr const char* kListenKey = "Tasto Ascolto Messaggi";
inline constexpr const char* kListenKey2 = "durante l'ascolto del Risponditore";
inline constexpr const char* kArchiveDays = "N. Massimo Giorni per Archiviare Messaggi";

// Auto attendant.
inline constexpr const char* kAutoAttHeading = "OPERATORE AUTOMATICO";
inline constexpr const char* kPageMessage = "Messaggio Pagina Numero: %d";
inline constexpr const char* kKey = "Tasto";
inline constexpr const char* kOperationType = "Tipo di Operazione";
inline constexpr const char* kDestination = "Destinazione";
inline constexpr const char* kTimeoutRow = "Timeout";
inline constexpr const char* kOperatorRow = "Operatore";
inline constexpr const char* kPageTimeout = "Tempo Timeout";

// Initial pages.
inline constexpr const char* kInitialHeading = "PAGINA INIZIALE";
inline constexpr const char* kRings = "Numero Squilli prima Risposta";
inline constexpr const char* kLine = "Linea %d";
inline constexpr const char* kModes[4] = {"Giorno", "Notte", "Pausa", "Festivo"};
inline constexpr const char* kDialStrings = "Compone una Stringa";
inline constexpr const char* kDialNumber = "N.";
inline constexpr const char* kDialString = "Stringa da comporre";

// Page status.
inline constexpr const char* kPageStatusHeading = "STATO PAGINA";
inline constexpr const char* kPageNumberHead = "Pagina N.";
inline constexpr const char* kProgrammed = "Programmata";
inline constexpr const char* kRecorded = "Registrata";
inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";

// Mailbox list: the two header lines, column by column (an empty text leaves
// the column's second line blank).
inline constexpr const char* kMboxHeading = "LISTA CASELLE";
inline constexpr int kMboxColumns = 11;
inline constexpr const char* kMboxHead1[kMboxColumns] = {"Cas.",  "Tipo",     "Risp.",   "Pswd",
                                                         "Local", "Autoriz.", "N. Tel.", "TeleDrin",
                                                         "N.D.",  "Ora",      "Lingua"};
inline constexpr const char* kMboxHead2[kMboxColumns] = {
    "N.", "", "", "", "Notif", "", "Abilit.", "Abilit.", "", "e Data", "Utente"};
inline constexpr const char* kHiddenPassword = "****";
inline constexpr const char* kDefaultPassword = "6071";
inline constexpr const char* kCutMark = "...";

// Statistics.
inline constexpr const char* kStatsHeading = "STATISTICHE";
inline constexpr const char* kGeneral = "Generali";
inline constexpr const char* kFlashUse = "Uso Memoria Flash";
inline constexpr const char* kTotalTime = "Tempo Totale";
inline constexpr const char* kUsedTime = "Tempo Usato";
inline constexpr const char* kPercentInUse = "Percentuale in Uso";
inline constexpr const char* kRemainingTime = "Tempo Rimasto";
inline constexpr const char* kHourMinute = "ore:min";
inline constexpr const char* kPercentValue = ": %02d %%";
inline constexpr const char* kLanguageCount = "Numero di Lingue";
inline constexpr const char* kCallsPerLine = "Chiamate per Linea";
inline constexpr const char* kLineHead = "Linea";
inline constexpr const char* kCallsHead = "Numero di Chiamate";
inline constexpr const char* kMessagesGroup = "Messaggi";
inline constexpr const char* kNewLength = "Lungh. Totale Nuovi Messaggi";
inline constexpr const char* kArchivedLength = "Lungh. Totale Messaggi Archiviati";
inline constexpr const char* kHourMinuteSecond = "ore:min:sec";
inline constexpr const char* kNewCount = "Numero Totale dei Nuovi Messaggi";
inline constexpr const char* kArchivedCount = "Numero Totale dei Messaggi Archiviati";
inline constexpr const char* kMessageCount = "Numero Totale di Messaggi";
inline constexpr const char* kVersion = "Versione Prodotto";

// Message list.
inline constexpr const char* kMessagesHeading = "LISTA DEI MESSAGGI";
inline constexpr const char* kMailboxHead = "Casella";
inline constexpr const char* kDateHead = "Data";
inline constexpr const char* kTimeHead = "Ora";
inline constexpr const char* kLengthHead = "Lungh.";
inline constexpr const char* kStateHead = "Stato";
inline constexpr const char* kDateValue = "%02d / %02d";
inline constexpr const char* kTimeValue = "%02d : %02d";

} // namespace kiv::report
