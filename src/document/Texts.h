#pragma once
// Texts the document layer shows, in code page 1252, and the messages that
// every part of the program shares.

namespace kiv::texts {

// The refusal of a field that does not hold an acceptable value.
inline constexpr const char* kInputError = "Errore inserimento";

inline constexpr const char* kFileIncompatible =
    "Il file selezionato non \xE8 compatibile con l'unit\xE0";
inline constexpr const char* kFileOlderVersion =
    "Questo file \xE8 stato creato con una versione precedente, ci potrebbero essere dati "
    "mancanti !";
inline constexpr const char* kDefaultCannotOpen = "Non \xE8 possibile aprile il file 'Default.qel'";
inline constexpr const char* kCannotOpenInput = "Impossibile aprire file input";
inline constexpr const char* kCannotOpenOutput = "Impossibile aprire file output";
inline constexpr const char* kSaveChangesFormat =
    "Volete salvare le modifiche che avete fatto in %s ?";
inline constexpr const char* kFileFilterLabel = "Files QEL (qel)";

} // namespace kiv::texts
