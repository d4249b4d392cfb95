#pragma once
// Texts the window program shows. Unlike the document's texts these are
// UTF-8 literals: they go straight to Qt through Ui() and never into the
// configuration.

#include <QString>

namespace kiv::ui {

inline QString Ui(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// --- Application -------------------------------------------------------------
inline constexpr const char* kAppName = "KIV";
inline constexpr const char* kAboutVersion = "KIV Version 7.01.00";
inline constexpr const char* kIdlePrompt = "Per l'Aiuto, premere F1";
inline constexpr const char* kNoHelpPage =
    "Per questa finestra non è ancora disponibile una pagina di aiuto.";
// The guide's window.
inline constexpr const char* kHelpCaption = "Guida di KIV";
inline constexpr const char* kHelpBack = "< &Indietro";
inline constexpr const char* kHelpForward = "A&vanti >";
inline constexpr const char* kHelpHome = "&Sommario";
inline constexpr const char* kHelpContentsTab = "Sommario";
inline constexpr const char* kHelpIndexTab = "Indice";
inline constexpr const char* kHelpIndexFilter = "&Parola da cercare nell'indice:";
inline constexpr const char* kHelpSearchTab = "Cerca";
inline constexpr const char* kHelpSearchLabel = "Pa&role da cercare nella guida:";
inline constexpr const char* kHelpSearchButton = "&Cerca";
inline constexpr const char* kHelpResults = "Pagine trovate";
inline constexpr const char* kHelpNothingFound = "Nessuna pagina contiene queste parole.";
inline constexpr const char* kMonitorNotFound =
    "Impossibile trovare il programma Monitor Linea (tarvel).";
inline constexpr const char* kMonitorNotStarted = "Impossibile avviare il programma Monitor Linea.";

// --- Common buttons ----------------------------------------------------------
inline constexpr const char* kOk = "&OK";
inline constexpr const char* kCancel = "&Annulla";
inline constexpr const char* kHelp = "Ai&uto";
inline constexpr const char* kSheetOk = "OK";
inline constexpr const char* kSheetCancel = "Annulla";
inline constexpr const char* kSheetHelp = "Aiuto";
// The buttons of a property sheet in wizard mode.
inline constexpr const char* kSheetBack = "< &Indietro";
inline constexpr const char* kSheetNext = "&Avanti >";
inline constexpr const char* kSheetFinish = "Fine";
inline constexpr const char* kYes = "&Sì";
inline constexpr const char* kNo = "&No";

// --- Menus -------------------------------------------------------------------
inline constexpr const char* kMenuFile = "&File";
inline constexpr const char* kFileNew = "&Nuovo";
inline constexpr const char* kFileOpen = "&Apri";
inline constexpr const char* kFileSave = "&Salva";
inline constexpr const char* kFileSaveAs = "Salva &come...";
inline constexpr const char* kFileOpenDefault = "Apri &Default";
inline constexpr const char* kMenuPrintSelection = "Stampa Impostazioni";
inline constexpr const char* kPrintAll = "Tutto";
inline constexpr const char* kPrintPbx = "Parametri PBX";
inline constexpr const char* kPrintSystem = "Parametri di Sistema";
inline constexpr const char* kPrintInBand = "Protocollo &In-Band";
inline constexpr const char* kPrintAutoAttendant = "Operatore Automatico";
inline constexpr const char* kPrintSchedule = "Orario";
inline constexpr const char* kPrintNotification = "Parametri di Notifica";
inline constexpr const char* kPrintMailboxes = "Lista Caselle";
inline constexpr const char* kPrintStatistics = "Statistiche";
inline constexpr const char* kPrintMessages = "Lista dei Messaggi";
inline constexpr const char* kFilePrint = "&Stampa...";
inline constexpr const char* kFilePrintPreview = "Ante&prima Stampa";
inline constexpr const char* kFilePrintSetup = "I&mposta Stampante...";
inline constexpr const char* kRecentFiles = "File Recente";
inline constexpr const char* kAppExit = "E&sci";

inline constexpr const char* kMenuComm = "&Comunicazione";
inline constexpr const char* kReadParameters = "&Lettura Configurazione";
inline constexpr const char* kSendParameters = "&Spedizione Configurazione";
inline constexpr const char* kCompareWithUnit = "Confronta con l'&Unità";
inline constexpr const char* kReadRecordings = "Lettura &Registrazioni";
inline constexpr const char* kSendRecordings = "Spedi&zione Registrazioni";
inline constexpr const char* kBackup = "Sal&vataggio";
inline constexpr const char* kRestore = "Ripris&tino";
inline constexpr const char* kSystemInit = "&Inizializzazione Sistema";
inline constexpr const char* kPassword = "&Password";
inline constexpr const char* kSerialPort = "Porta &Comunicazione";

inline constexpr const char* kMenuParameters = "&Parametri";
inline constexpr const char* kPbxParameters = "&Parametri PBX";
inline constexpr const char* kSystemParameters = "Parametri &Sistema";
inline constexpr const char* kInBandProtocol = "Protocollo In-Band &DTMF";

inline constexpr const char* kMenuAutoAttendant = "&Operatore Automatico";
inline constexpr const char* kPages = "Ge&stione Pagine";
inline constexpr const char* kPageDiagram = "&Diagramma Pagine";
inline constexpr const char* kWeekPicture = "&Quadro Settimanale";
inline constexpr const char* kTimeDate = "Da&ta e Ora";

inline constexpr const char* kMenuVoiceMail = "Posta &Vocale";
inline constexpr const char* kMailboxList = "&Lista Caselle";
inline constexpr const char* kNotification = "Parametri &Notifica";
inline constexpr const char* kMailboxGroups = "&Gruppi Caselle";

inline constexpr const char* kMenuTools = "&Strumenti";
inline constexpr const char* kStatistics = "Statistiche &Generali";
inline constexpr const char* kMessageList = "Lista dei &Messaggi";
inline constexpr const char* kOptions = "Op&zioni";
inline constexpr const char* kWizard = "Wizard";
inline constexpr const char* kLineMonitor = "Monitor Linea";

inline constexpr const char* kMenuHelp = "?";
inline constexpr const char* kHelpTopics = "&Argomenti della Guida";
inline constexpr const char* kAbout = "&Circa KIV...";
inline constexpr const char* kContextHelp = "Guida sensibile al contesto";

// --- Status bar prompts ------------------------------------------------------
inline constexpr const char* kPromptNew = "Crea un nuovo documento";
inline constexpr const char* kPromptOpen = "Apre un file di configurazione esistente";
inline constexpr const char* kPromptSave = "Salva la configurazione corrente";
inline constexpr const char* kPromptSaveAs = "Salva la configurazione corrente con un nuovo nome";
inline constexpr const char* kPromptOpenDefault = "Apre il file di configurazione di default";
inline constexpr const char* kPromptPrint = "Stampa la configurazione corrente";
inline constexpr const char* kPromptPrintPreview = "Mostra pagine complete";
inline constexpr const char* kPromptPrintSetup = "Cambia la stampante e le opzioni di stampa";
inline constexpr const char* kPromptRecent = "File Recenti";
inline constexpr const char* kPromptExit =
    "Esce dall'applicazione; richiesta salvataggio configurazione";
inline constexpr const char* kPromptHelpTopics = "Mostra la lista degli argomenti dell'Help";
inline constexpr const char* kPromptReadParameters = "Legge i parametri dall'unità";
inline constexpr const char* kPromptSendParameters = "Spedisce i parametri all'unità";
inline constexpr const char* kPromptCompareWithUnit =
    "Confronta la configurazione con quella dell'unità prima di spedirla";
inline constexpr const char* kPromptReadRecordings = "Legge le registrazioni dall'unità";
inline constexpr const char* kPromptSendRecordings = "Spedisce le registrazioni all'unità";
inline constexpr const char* kPromptBackup = "Esegue il Backup dell'unità";
inline constexpr const char* kPromptRestore = "Esegue il Restore dell'unità";
inline constexpr const char* kPromptSystemInit =
    "Spedisce i dati per l'inizializzazione dell'unità";
inline constexpr const char* kPromptPassword = "Cambia la Password";
inline constexpr const char* kPromptSerialPort = "Seleziona la porta di comunicazione";
inline constexpr const char* kPromptPbxParameters = "Parametri PBX";
inline constexpr const char* kPromptSystemParameters = "Parametri di Sistema";
inline constexpr const char* kPromptInBand = "Protocollo In-Band DTMF";
inline constexpr const char* kPromptPages = "Gestione delle Pagine";
inline constexpr const char* kPromptPageDiagram = "Mostra il percorso delle chiamate tra le Pagine";
inline constexpr const char* kPromptWeekPicture =
    "Mostra orari di lavoro, pause, festivit\xE0 e pagine iniziali della settimana";
inline constexpr const char* kPromptTimeDate = "Modifica dell'Ora e della Data di Sistema";
inline constexpr const char* kPromptMailboxList = "Lista delle Caselle";
inline constexpr const char* kPromptNotification = "Parametri di Notifica";
inline constexpr const char* kPromptGroups = "Gestione dei Gruppi Caselle";
inline constexpr const char* kPromptStatistics = "Mostra le Ststitiche di Sistema";
inline constexpr const char* kPromptMessageList = "Mostra la Lista dei Messaggi";
inline constexpr const char* kPromptOptions = "Opzioni";
inline constexpr const char* kPromptWizard = "Wizard";
inline constexpr const char* kPromptPrintAll = "Stampa di tutti i Parametri";
inline constexpr const char* kPromptPrintPbx = "Stampa dei Parametri PBX";
inline constexpr const char* kPromptPrintSystem = "Stampa Parametri di Sistema";
inline constexpr const char* kPromptPrintInBand = "Stampa il Protocollo In-Band DTMF";
inline constexpr const char* kPromptPrintAutoAttendant =
    "Stampa Configurazioni Operatore Automatico";
inline constexpr const char* kPromptPrintSchedule = "Stampa Orari";
inline constexpr const char* kPromptPrintNotification = "Stampa Parametri di Notifica";
inline constexpr const char* kPromptPrintMailboxes = "Stampa Lista delle Caselle";
inline constexpr const char* kPromptPrintStatistics = "Stampa Statistiche";
inline constexpr const char* kPromptPrintMessages = "Stampa Lista dei Messaggi";
inline constexpr const char* kPromptAbout = "Mostra le informazioni sul programma";
inline constexpr const char* kPromptLineMonitor = "Monitor Linea";

// --- Toolbar tooltips --------------------------------------------------------
inline constexpr const char* kTipOpen = "Apri";
inline constexpr const char* kTipSave = "Salva";
inline constexpr const char* kTipPrint = "Stampa";
inline constexpr const char* kTipReadParameters = "Lettura Parametri";
inline constexpr const char* kTipSendParameters = "Scrittura Parametri";
inline constexpr const char* kTipReadRecordings = "Lettura Registrazioni";
inline constexpr const char* kTipSendRecordings = "Scrittura Registrazioni";
inline constexpr const char* kTipPbxParameters = "Parametri PBX";
inline constexpr const char* kTipInBand = "Protocollo";
inline constexpr const char* kTipPages = "Gestione Pagine";
inline constexpr const char* kTipTimeDate = "Ora e Data";
inline constexpr const char* kTipMailboxList = "Lista Caselle";
inline constexpr const char* kTipNotification = "Parametri Notifica";
inline constexpr const char* kTipGroups = "Gruppo Caselle";
inline constexpr const char* kTipWizard = "Wizard";

// --- Bars --------------------------------------------------------------------
inline constexpr const char* kBarMain = "Principale";
inline constexpr const char* kBarComm = "Comunicazione";
inline constexpr const char* kBarParameters = "Parametri";
inline constexpr const char* kBarDialog = "Selezione PBX";
inline constexpr const char* kSelectPbx = "Selezione PBX";
inline constexpr const char* kIndicatorCaps = "CAP";
inline constexpr const char* kIndicatorNum = "NUM";
inline constexpr const char* kIndicatorScroll = "SCRL";

// --- Status panel ------------------------------------------------------------
inline constexpr const char* kPanelDeviceState = "Stato Dispositivo";
inline constexpr const char* kPanelDeviceType = "Tipo Dispositivo:";
inline constexpr const char* kPanelLink = "Comunicazione:";
inline constexpr const char* kOnLine = "On Line";
inline constexpr const char* kOffLine = "Off Line";
inline constexpr const char* kBannerLine1 = "Posta Vocale";
inline constexpr const char* kBannerLine2 = "Operatore Automatico";

// --- File dialogs ------------------------------------------------------------
inline constexpr const char* kOpenDialogTitle = "Apri";
inline constexpr const char* kSaveDialogTitle = "Salva con nome";

// --- Product type dialog -----------------------------------------------------
inline constexpr const char* kProductTypeCaption = "Tipo Prodotto";
inline constexpr const char* kProductTypePrompt = "Seleziona Tipo Prodotto";

// --- Options sheet -----------------------------------------------------------
inline constexpr const char* kOptionsCaption = "Opzioni";
inline constexpr const char* kToolbarPageTitle = "Configurazione Barra Strumenti";
inline constexpr const char* kToolbarGroup = "Barra Strumenti";
inline constexpr const char* kCheckMain = "&Principale";
inline constexpr const char* kCheckComm = "&Comunicazione";
inline constexpr const char* kCheckParameters = "&Parametri";
inline constexpr const char* kTipsGroup = "Suggerimenti";
inline constexpr const char* kTipsShow = "Mo&stra";
inline constexpr const char* kTipsHide = "&Nascondi";
inline constexpr const char* kFileLocPageTitle = "Destinazione File";
inline constexpr const char* kFileTypes = "Tipi File";
inline constexpr const char* kLocation = "Posizione";
inline constexpr const char* kModify = "&Modifica...";
inline constexpr const char* kClear = "&Cancella";
inline constexpr const char* kFolderDlgTitle = "Modifica Posizione Files";
inline constexpr const char* kFolderName = "Nome Cartella:";
// Row names of the folder list with the padding that lines the folders up.
inline constexpr const char* kFilesKiv = "Files KIV";
inline constexpr const char* kFilesVox = "Files VOX";
inline constexpr const char* kFilesWax = "Files WAX";
inline constexpr const char* kFilesPage = "Files Pagina";

} // namespace kiv::ui
