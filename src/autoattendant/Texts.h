#pragma once
// Texts of the auto-attendant pages, in code page 1252. The operation labels
// and the special pages' descriptions are the model's (document/PageOps.h).

#include "document/Texts.h"

namespace kiv::autoatt::texts {

using kiv::texts::kInputError;

// The single item of the operator key's row.
inline constexpr const char* kOperatorRow = "Operatore";

// The recording list's file dialog.
inline constexpr const char* kScriptFilesFilter = "ScriptFiles";
inline constexpr const char* kAllFilesFilter = "All files (*.*)";
inline constexpr const char* kAllFilesPattern = "*.*";

// The recording list's first button and its sheet's caption, by mode.
inline constexpr const char* kRecordingButton[3] = {"&Aggiungi", "Spedire da...", "Salva a..."};
inline constexpr const char* kSendListCaption = "Lista delle Pagine da spedire";
inline constexpr const char* kReadListCaption = "Lista della Pagine da leggere";

// The page status list's switches.
inline constexpr const char* kStatusYes = "Yes";
inline constexpr const char* kStatusNo = "No";

// The "Gestione Pagine" sheet, its five tabs and the Description dialog.

inline constexpr const char* kSheetCaption = "Gestione Pagine";
inline constexpr const char* kProgramTab = "Programmazione Pagine";
inline constexpr const char* kDialStringTab = "Compone una Stringa";
inline constexpr const char* kOpenScriptTab = "Pagina Inziale";
inline constexpr const char* kRecordingTab = "Registrazione Pagine";
inline constexpr const char* kInfoTab = "Stato Pagine";

// "Programmazione Pagine".
inline constexpr const char* kPageNumber = "Pagina N.";
inline constexpr const char* kPrevious = "<<";
inline constexpr const char* kNext = ">>";
inline constexpr const char* kKeyHead = "Tasto";
inline constexpr const char* kOperationHead = "Operazione";
inline constexpr const char* kDestinationHead = "Destinazione";
inline constexpr const char* kTimeoutRow = "Timeout";
inline constexpr const char* kTimeoutField = "Tempo Timeout";
inline constexpr const char* kSeconds = "sec";
inline constexpr const char* kPageWord = "Pagina";

// "Compone una Stringa".
inline constexpr const char* kNumberHead = "N.";
inline constexpr const char* kDialStringHead = "Stringa da comporre";

// "Pagina Inziale".
inline constexpr const char* kRingsGroup = "Numero di squilli prima Risposta";
inline constexpr const char* kLine = "Linea";
inline constexpr const char* kModeHeads[4] = {"Giorno", "Notte", "Pausa", "Festivo"};

// "Registrazione Pagine".
inline constexpr const char* kRecordingNumberHead = " N.";
inline constexpr const char* kRecordingFileHead = "Nome File della Pagina";
inline constexpr const char* kClear = "Chiaro";
inline constexpr const char* kChooseFileTitle = "Selezionate il File Pagina";

// "Stato Pagine" and the Description dialog.
inline constexpr const char* kInfoNumberHead = "Pagina N.";
inline constexpr const char* kProgrammedHead = "Programmata";
inline constexpr const char* kRecordedHead = "Registrata";
inline constexpr const char* kDescriptionHead = "Descrizione";
inline constexpr const char* kDescriptionButton = "&Descrizione";
inline constexpr const char* kDescriptionTitle = "Descrizione";
inline constexpr const char* kDescriptionName = "Nome";
inline constexpr const char* kOk = "&OK";
inline constexpr const char* kCancel = "&Annulla";
inline constexpr const char* kHelp = "Ai&uto";

// "Protocollo In-Band DTMF" and its four tabs.
inline constexpr const char* kProtocolCaption = "Protocollo In-Band DTMF";
inline constexpr const char* kProtocolTabs[4] = {"Pagina 1", "Pagina 2", "Pagina 3", "Pagina 4"};
inline constexpr const char* kEventHead = "Evento";
inline constexpr const char* kCodeHead = "CODICE Ricevuto dal PBX";
inline constexpr const char* kFirstDtmfField = "Tempo Massimo di Attesa Primo DTMF";
inline constexpr const char* kInterDtmfField = "Massimo Ritardo tra DTMF";
inline constexpr const char* kMilliseconds = "msec";
// "Diagramma Pagine": the call-flow diagram's node and edge texts.
inline constexpr const char* kDiagramTitle = "Diagramma Pagine";
inline constexpr const char* kFlowMailbox = "Casella";
inline constexpr const char* kFlowExtension = "Interno";
inline constexpr const char* kFlowDialString = "Stringa";
inline constexpr const char* kFlowInBandEvent = "Evento In-band";
inline constexpr const char* kFlowOperatorKey = "Tasto Operatore";
inline constexpr const char* kFlowAllPages = "tutte le pagine";
inline constexpr const char* kFlowUnreachable = "non raggiungibile";
inline constexpr const char* kFlowMissing = "inesistente";
inline constexpr const char* kFlowEmptyString = "vuota";
// The diagram's window.
inline constexpr const char* kZoomIn = "Ingrandisci";
inline constexpr const char* kZoomOut = "Riduci";
inline constexpr const char* kZoomFit = "Adatta";
inline constexpr const char* kExport = "&Esporta...";
inline constexpr const char* kClose = "&Chiudi";
inline constexpr const char* kDiagramFailed = "Impossibile disegnare il diagramma";
inline constexpr const char* kExportFilter =
    "SVG (*.svg);;PNG (*.png);;PDF (*.pdf);;Graphviz (*.dot)";

} // namespace kiv::autoatt::texts
