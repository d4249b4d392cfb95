#pragma once
// The help topics of the auto-attendant and in-band protocol controls, in one
// table so that the help pages can be written against it. Each topic is the
// name of a page "<topic>.html" in the help folder (app/Help.h); a control
// without a topic of its own opens its tab's.

namespace kiv::autoatt::help {

// "Programmazione Pagine".
inline constexpr const char* kPageNumber = "pagine_numero";
inline constexpr const char* kPageOperation = "pagine_operazione";
inline constexpr const char* kPageDestination = "pagine_destinazione";
inline constexpr const char* kPageTimeout = "pagine_timeout";
// "Compone una Stringa".
inline constexpr const char* kDialString = "compone_stringa_campo";
// "Pagina Inziale".
inline constexpr const char* kRings = "pagina_iniziale_squilli";
inline constexpr const char* kInitialPage = "pagina_iniziale_pagina";
// "Registrazione Pagine".
inline constexpr const char* kRecordingList = "registrazione_pagine_lista";
inline constexpr const char* kRecordingChoose = "registrazione_pagine_file";
inline constexpr const char* kRecordingClear = "registrazione_pagine_chiaro";
// "Stato Pagine".
inline constexpr const char* kInfoList = "stato_pagine_lista";
inline constexpr const char* kInfoDescribe = "stato_pagine_descrizione";
// "Protocollo In-Band DTMF".
inline constexpr const char* kProtocolCode = "protocollo_codice";
inline constexpr const char* kProtocolOperation = "protocollo_operazione";
inline constexpr const char* kProtocolDestination = "protocollo_destinazione";
inline constexpr const char* kFirstDtmf = "protocollo_attesa_primo_dtmf";
inline constexpr const char* kInterDtmf = "protocollo_ritardo_dtmf";

} // namespace kiv::autoatt::help
