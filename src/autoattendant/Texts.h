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

} // namespace kiv::autoatt::texts
