#pragma once
// The integration wizard's own texts (code page 1252); the steps' fields use
// the texts of the editors they twin.

namespace kiv::wizard::texts {

// --- Welcome dialog ----------------------------------------------------------
inline constexpr const char* kWelcomeTitle = "Wizard";
inline constexpr const char* kWelcome1 =
    "Benvenuti nel Wizard del Programma di Utilit\xE0 del Voice Mail.";
inline constexpr const char* kWelcome2 =
    "Il Wizard vi guider\xE0 passo-passo per effettuare l'integrazione con il PBX in uso.";
inline constexpr const char* kWelcome3 = "Cliccare sul tasto Inizio per iniziare. ";
inline constexpr const char* kStart = "Inizio";
inline constexpr const char* kCancel = "&Annulla";

// --- Step titles -------------------------------------------------------------
inline constexpr const char* kStepTitle = "Wizard (Pag. %i di %i)";
inline constexpr const char* kTitleSeparator = " - ";
inline constexpr const char* kSectionPbx = "Parametri PBX";
inline constexpr const char* kSectionMailboxes = "Lista Caselle";
inline constexpr const char* kSectionNotification = "Parametri Notifica";
inline constexpr const char* kSectionProtocol = "Protocollo In-Band DTMF";
inline constexpr const char* kSectionPages = "Gestione Pagine";
inline constexpr const char* kProtocolPage1 = "Pagina 1";
inline constexpr const char* kProtocolPage2 = "Pagina 2";

// --- In-band protocol steps --------------------------------------------------
inline constexpr const char* kProtocolHint1 = "Questa finestra, e le prossime 1, \xE8 rilevante "
                                              "solo per i PBX che supportano il Protocollo "
                                              "in-band DTMF.";
inline constexpr const char* kProtocolHint2 = "Inserire i codici che il PBX manda agli interni "
                                              "dell'unit\xE0";

// --- Last step ---------------------------------------------------------------
inline constexpr const char* kFinish1 =
    "Tutti i parametri dell'integrazione sono stati definiti nell'unit\xE0";
inline constexpr const char* kFinish2 = "Si pu\xF2 terminare il Wizard premendo il tasto Fine.";

} // namespace kiv::wizard::texts
