#pragma once
// Texts of the unit link, the password and every transfer window (code page 1252 bytes).

#include "document/Texts.h"

namespace kiv::texts {

inline constexpr const char* cannotOpenPort = "Impossibile aprire la porta COM";
// Added below it when the port's device does not exist: before and after its path.
inline constexpr const char* deviceMissingBefore = "\nIl dispositivo ";
inline constexpr const char* deviceMissingAfter =
    " non \xE8 presente: collegare l'adattatore o associare la porta a un altro dispositivo "
    "in Selezione Porta COM.";
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
// The mapping of the chosen port to a device, under the four ports.
inline constexpr const char* portDeviceLabel = "&Dispositivo della porta:";
inline constexpr const char* portSystemDevicesLabel = "Porte &seriali del sistema:";
inline constexpr const char* portRefreshButton = "A&ggiorna";
inline constexpr const char* portNoSystemDevice = "(nessuna porta seriale trovata)";
inline constexpr const char* portPickSystemDevice = "(scegliere una porta dall'elenco)";
// The button beside a transfer's file name field.
inline constexpr const char* browseButton = "&Sfoglia...";
inline constexpr const char* wrongPassword = "Password errata";
inline constexpr const char* changePasswordCaption = "Cambiare Password";
inline constexpr const char* currentPasswordPrompt = "Digitare la Password corrente";
inline constexpr const char* newPasswordPrompt = "Digitare la nuova Password";
inline constexpr const char* confirmPasswordPrompt = "Confermare la nuova Password";
inline constexpr const char* checkConnection = "Controllare la connessione con l'unit\xE0";
inline constexpr const char* pressOkToContinue = "e premere OK per continuare";
inline constexpr const char* dataReceived = "Dati Ricevuti";
inline constexpr const char* transferSucceeded = "Trasferimento completato con successo";
inline constexpr const char* passwordCaption = "Password";
inline constexpr const char* passwordPrompt = "Digitare la Password";

} // namespace kiv::texts
